#include "platform/qt/text_box_filter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ventrose::platform::qt {

int TextBoxFilter::CodeOf(const QKeyEvent& event, bool modalWindow) {
    const int key = event.key();
    if (key == Qt::Key_Backspace) return 8;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete) return -1;
    if (key == Qt::Key_Escape && modalWindow) return -1;
    // Shortcuts (copy, cut, select all, undo) belong to the line edit.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return -1;
    const QList<uint> characters = event.text().toUcs4();
    if (characters.size() != 1) return -1;
    return static_cast<int>(characters.front());
}

bool TextBoxFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (keyEvent->matches(QKeySequence::Paste)) {
        if (onPaste) onPaste(QGuiApplication::clipboard()->text());
        return true;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    const bool modal = widget != nullptr && widget->window()->isModal();
    const int code = CodeOf(*keyEvent, modal);
    if (code < 0) return QObject::eventFilter(watched, event);
    if (onKey) onKey(code);
    return true;
}

}  // namespace ventrose::platform::qt
