// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <functional>

class QKeyEvent;
class QMenu;

namespace ventrose::platform::qt {

// A line edit whose text, caret and selection are the model's. Every edit a person makes
// (typing, Backspace, Delete, paste from the keyboard, the context menu or the X11 middle
// button, cut, text from an input method) goes to a callback as the model's own action, and the
// view then mirrors what the model made of it. Moving the caret and selecting (mouse, Home/End,
// Shift+arrows, double-click, Ctrl+A) are the line edit's and are reported as they happen.
// Undo, redo and drag and drop are not offered: they would show a text the model does not hold.
// Positions given and reported are in characters, as the model counts them. A key the window
// has a shortcut for is the window's, even where the line edit would take it for editing (Ctrl+E
// moves to the end of the line under X11's key bindings).
class TextBox : public QLineEdit {
public:
    explicit TextBox(QWidget* parent);

    std::function<void(int code)> onKey;  // a typed character, Backspace, Enter, Escape
    // Up, Down, Tab and Shift+Tab (the model's key codes and shift mask): true when the window
    // took the key; else it does what it does in any line edit (Tab moves the focus on).
    std::function<bool(int code, int shift)> onKeyDown;
    std::function<void()> onDelete;               // the Delete key, or the cut of a selection
    std::function<void(const QString&)> onPaste;  // at the caret, over the selection
    std::function<void(int anchor, int length)> onSelect;  // the caret `length` from the anchor
    std::function<void()> onStrayEdit;                     // the text changed by any other path
    std::function<void(QMenu&)> onMenu;  // adds the window's own entries after the edit menu's

    // Shows the model's caret and selection; `length` counts from the anchor, so a negative one
    // puts the caret at the start of the selection.
    void showSelection(int anchor, int length);

    // The character code a key press gives the model, or -1 when it types nothing.
    static int CodeOf(const QKeyEvent& event);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void reportSelection();
    void cut();
    bool isWindowKey(const QKeyEvent& event) const;
};

}  // namespace ventrose::platform::qt
