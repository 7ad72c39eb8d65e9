#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;

namespace ventrose::platform::qt {

// Put on a line edit, it turns a person's typing into the model's key presses: a key that
// produces one character, Backspace and Enter go to onKey with the character code and never
// reach the line edit (the model inserts, the view mirrors); a paste goes to onPaste with the
// clipboard's text. Everything else (moving the caret, selecting, cutting, deleting, the
// focus keys) stays with the line edit, whose edits the view reports as a whole new text.
class TextBoxFilter : public QObject {
public:
    explicit TextBoxFilter(QObject* parent) : QObject(parent) {}

    std::function<void(int code)> onKey;
    std::function<void(const QString& text)> onPaste;

    // The character code a key press gives the model, or -1 when it is not a typed character.
    // Escape in a modal window is the window's (it closes it), not a character.
    static int CodeOf(const QKeyEvent& event, bool modalWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ventrose::platform::qt
