// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "platform/qt/widgets.h"

namespace ventrose::platform {
class Form;
}

namespace ventrose::platform::qt {

class FocusRing;

// The top-level window of one loaded form. What a person does to the window itself (the close
// box, Escape in a modal window, a click on the bare background) goes to callbacks; the window
// never closes itself: the model unloads the form and the view then retires the window.
class FormWindow : public QWidget {
public:
    // A window shown over another has it as `owner`: the window system then keeps it above its
    // owner (X11's WM_TRANSIENT_FOR, which Qt gives only to dialogs), so that it never hides
    // behind a window kept on top. The main window has none.
    FormWindow(Form& form, double scale, QWidget* owner = nullptr);

    Form& form() const { return form_; }
    double scale() const { return scale_; }

    std::function<void()> onCloseRequest;
    std::function<void()> onClick;
    // One local file dropped onto a window whose form takes files, told once the drop is over.
    std::function<void(const std::string& path)> onDropFile;

    // A right click on the window or a control, the Menu key or Shift+F10, at this point of the
    // screen: the window's context menu.
    std::function<void(const QPoint& at)> onContextMenu;

    // The ring that shows the keyboard focus, drawn in the window's palette.
    FocusRing* focusRing = nullptr;
    // Moved to its saved place already: a window shown again stays where it is.
    bool placed = false;

    // The form was unloaded: the window takes nothing more to the model and may close.
    void retire();
    bool retired() const { return retired_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Form& form_;
    double scale_;
    bool retired_ = false;
    ClickTracker tracker_;
};

}  // namespace ventrose::platform::qt
