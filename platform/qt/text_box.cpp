// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/text_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <algorithm>

#include "platform/qt/appearance.h"
#include "platform/user_actions.h"

namespace ventrose::platform::qt {

namespace {

bool pairAt(const QString& text, int position) {
    return position + 1 < text.size() && text.at(position).isHighSurrogate() &&
           text.at(position + 1).isLowSurrogate();
}

// Where character `index` starts in the line edit's UTF-16 text.
int utf16Position(const QString& text, int index) {
    int position = 0;
    for (int k = 0; k < index && position < text.size(); ++k)
        position += pairAt(text, position) ? 2 : 1;
    return position;
}

// How many characters stand before a UTF-16 position.
int characterIndex(const QString& text, int position) {
    int index = 0;
    for (int at = 0; at < position && at < text.size(); ++index) at += pairAt(text, at) ? 2 : 1;
    return index;
}

// The keys that only move the caret or the selection, which the line edit does as a person
// expects (word moves, Home and End, their Shift forms, select all).
bool movesCaret(const QKeyEvent& event) {
    static constexpr QKeySequence::StandardKey kMoves[] = {
        QKeySequence::MoveToNextChar,
        QKeySequence::MoveToPreviousChar,
        QKeySequence::MoveToNextWord,
        QKeySequence::MoveToPreviousWord,
        QKeySequence::MoveToStartOfLine,
        QKeySequence::MoveToEndOfLine,
        QKeySequence::MoveToStartOfBlock,
        QKeySequence::MoveToEndOfBlock,
        QKeySequence::MoveToStartOfDocument,
        QKeySequence::MoveToEndOfDocument,
        QKeySequence::SelectNextChar,
        QKeySequence::SelectPreviousChar,
        QKeySequence::SelectNextWord,
        QKeySequence::SelectPreviousWord,
        QKeySequence::SelectStartOfLine,
        QKeySequence::SelectEndOfLine,
        QKeySequence::SelectStartOfBlock,
        QKeySequence::SelectEndOfBlock,
        QKeySequence::SelectStartOfDocument,
        QKeySequence::SelectEndOfDocument,
        QKeySequence::SelectAll,
        QKeySequence::Deselect,
    };
    for (const QKeySequence::StandardKey move : kMoves)
        if (event.matches(move)) return true;
    return false;
}

// A menu entry with its usual shortcut shown beside it.
QString entry(const QString& text, QKeySequence::StandardKey key) {
    return text + QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false);
    connect(this, &QLineEdit::selectionChanged, this, [this] { reportSelection(); });
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] { reportSelection(); });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (onStrayEdit) onStrayEdit();
    });
}

bool TextBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        isWindowKey(static_cast<const QKeyEvent&>(*event))) {
        event->ignore();
        return true;
    }
    // Tab is the window's to take before Qt moves the focus with it.
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool plain = !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        const bool back = key.key() == Qt::Key_Backtab ||
                          (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier));
        if (plain && (key.key() == Qt::Key_Tab || back) && onKeyDown &&
            onKeyDown(kTabKey, back ? kShiftMask : 0)) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

bool TextBox::isWindowKey(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    const QList<QShortcut*> shortcuts =
        window()->findChildren<QShortcut*>(Qt::FindDirectChildrenOnly);
    return std::any_of(shortcuts.begin(), shortcuts.end(), [&pressed](const QShortcut* shortcut) {
        return shortcut->isEnabled() && shortcut->key() == pressed;
    });
}

int TextBox::CodeOf(const QKeyEvent& event) {
    // Shortcuts (Ctrl+A, Ctrl+Z, ...) are commands, never characters.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return -1;
    switch (event.key()) {
        case Qt::Key_Backspace: return kBackspaceKey;
        case Qt::Key_Return:
        case Qt::Key_Enter: return kEnterKey;
        case Qt::Key_Escape: return kEscapeKey;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete: return -1;
        default: break;
    }
    const QList<uint> characters = event.text().toUcs4();
    if (characters.size() != 1) return -1;
    return static_cast<int>(characters.front());
}

void TextBox::showSelection(int anchor, int length) {
    const QString shown = text();
    const int from = utf16Position(shown, anchor);
    const int to = utf16Position(shown, anchor + length);
    if (from == to) {
        if (hasSelectedText() || cursorPosition() != from) setCursorPosition(from);
        return;
    }
    const int start = std::min(from, to);
    const bool same = selectionStart() == start && selectionLength() == std::abs(to - from) &&
                      cursorPosition() == to;
    if (!same) setSelection(from, to - from);
}

void TextBox::reportSelection() {
    if (!onSelect) return;
    const QString shown = text();
    const int caret = characterIndex(shown, cursorPosition());
    int anchor = caret;
    if (hasSelectedText()) {
        const int start = characterIndex(shown, selectionStart());
        const int end = characterIndex(shown, selectionStart() + selectionLength());
        anchor = caret == start ? end : start;
    }
    onSelect(anchor, caret - anchor);
}

void TextBox::cut() {
    if (!hasSelectedText()) return;
    QGuiApplication::clipboard()->setText(selectedText());
    if (onDelete) onDelete();
}

// Nothing here touches the box after a callback but returning: the model's handlers may close
// the window, which the view then retires (later, never at once).
void TextBox::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        if (!onKeyDown || !onKeyDown(event->key() == Qt::Key_Up ? kUpKey : kDownKey, 0))
            event->ignore();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        if (onPaste) onPaste(QGuiApplication::clipboard()->text());
        return;
    }
    if (event->matches(QKeySequence::Cut)) return cut();
    if (event->matches(QKeySequence::Copy) || movesCaret(*event))
        return QLineEdit::keyPressEvent(event);
    if (event->matches(QKeySequence::Delete)) {
        if (onDelete) onDelete();
        return;
    }
    const int code = CodeOf(*event);
    if (code < 0) {
        // Undo, redo, word deletions, the focus keys: nothing that edits reaches the line edit.
        event->ignore();
        return;
    }
    if (onKey) onKey(code);
}

// A composition in progress is not shown; what the input method commits is typed, one
// character at a time, through the window's key filter.
void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    event->accept();
    const QList<uint> characters = event->commitString().toUcs4();
    for (const uint character : characters)
        if (onKey) onKey(static_cast<int>(character));
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    const bool selected = hasSelectedText();
    const QString clipboard = QGuiApplication::clipboard()->text();
    QMenu menu(this);
    QAction* cutAction = menu.addAction(entry(QTr("TextBox", "Couper"), QKeySequence::Cut));
    QAction* copyAction = menu.addAction(entry(QTr("TextBox", "Copier"), QKeySequence::Copy));
    QAction* pasteAction = menu.addAction(entry(QTr("TextBox", "Coller"), QKeySequence::Paste));
    QAction* deleteAction = menu.addAction(QTr("TextBox", "Supprimer"));
    menu.addSeparator();
    QAction* selectAllAction =
        menu.addAction(entry(QTr("TextBox", "Tout sélectionner"), QKeySequence::SelectAll));
    cutAction->setEnabled(selected);
    copyAction->setEnabled(selected);
    deleteAction->setEnabled(selected);
    pasteAction->setEnabled(!clipboard.isEmpty());
    selectAllAction->setEnabled(!text().isEmpty());
    if (onMenu) {
        menu.addSeparator();
        onMenu(menu);
    }
    event->accept();
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == cutAction) {
        cut();
    } else if (chosen == copyAction) {
        copy();
    } else if (chosen == pasteAction) {
        if (onPaste) onPaste(QGuiApplication::clipboard()->text());
    } else if (chosen == deleteAction) {
        if (onDelete) onDelete();
    } else if (chosen == selectAllAction) {
        selectAll();
    }
}

// The X11 middle button pastes the primary selection where its press put the caret.
void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::MiddleButton) return QLineEdit::mouseReleaseEvent(event);
    event->accept();
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && onPaste) onPaste(clipboard->text(QClipboard::Selection));
}

}  // namespace ventrose::platform::qt
