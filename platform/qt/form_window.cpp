// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/form_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "platform/form.h"
#include "platform/runtime.h"

namespace ventrose::platform::qt {

namespace {

// The one local file a drag carries, or an empty string: a drag of several files, of text or of
// a remote address is not one the window can take.
QString OneLocalFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    return urls.front().toLocalFile();
}

}  // namespace

FormWindow::FormWindow(Form& form, double scale, QWidget* owner)
    : QWidget(owner, owner != nullptr ? Qt::Dialog : Qt::Window), form_(form), scale_(scale) {
    setAcceptDrops(form.takesDroppedFiles());
}

void FormWindow::retire() {
    retired_ = true;
    onCloseRequest = nullptr;
    onClick = nullptr;
    onContextMenu = nullptr;
    onDropFile = nullptr;
}

// The pointer shows whether the window would take the file: one local file, while the window
// takes input (no message box over it).
void FormWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!retired_ && form_.runtime().acceptsInput(form_) &&
        !OneLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// The window acts on the file once the drop is over: what it does may ask a question or show a
// message, and a drop left waiting on them would keep the file manager's drag waiting too.
void FormWindow::dropEvent(QDropEvent* event) {
    const QString file = OneLocalFile(event->mimeData());
    if (retired_ || file.isEmpty()) return;
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, path = file.toStdString()] {
        if (onDropFile) onDropFile(path);
    });
}

// Nothing here touches the window after a callback: the model may unload its form and the
// view retire it, or end the application.
void FormWindow::closeEvent(QCloseEvent* event) {
    if (retired_) {
        event->accept();
        return;
    }
    event->ignore();
    if (onCloseRequest) onCloseRequest();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isModal() &&
        !retired_) {
        event->accept();
        if (onCloseRequest) onCloseRequest();
        return;
    }
    // Shift+F10 opens the menu of the control that has the focus, as the Menu key does (the
    // window system turns that one into a context menu event itself): a text box's edit menu,
    // or the window's own.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        event->accept();
        QWidget* target = focusWidget() != nullptr ? focusWidget() : this;
        const QPoint at = target->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QCoreApplication::sendEvent(target, &menu);
        return;
    }
    QWidget::keyPressEvent(event);
}

// Controls without a menu of their own leave the event to their window.
void FormWindow::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (onContextMenu) onContextMenu(event->globalPos());
}

void FormWindow::mousePressEvent(QMouseEvent* event) { tracker_.press(event); }

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (tracker_.release(event, rect()) && onClick) onClick();
}

}  // namespace ventrose::platform::qt
