// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "platform/user_actions.h"
#include "tests/runner/scripted_clock.h"
#include "tests/runner/scripted_documents.h"

namespace ventrose::app {
class Application;
}
namespace ventrose::platform {
class Form;
}

namespace ventrose::scenario {

// How the runner reaches the application: the person's steps delivered one way or another
// (straight into the model, or as events on real widgets), and what the person can see. Each
// step returns false when the window refused it (another window is shown modally over it).
// The driver throws std::runtime_error for a target that does not exist.
class Driver {
public:
    virtual ~Driver() = default;

    virtual app::Application& application() = 0;
    // The application's documents: dialogs answered from the script, files in its folder.
    virtual ScriptedDocuments& documents() = 0;
    // The application's clock, which the file's clock steps set.
    virtual ScriptedClock& clock() = 0;
    // The message boxes shown so far, each answered with OK at once.
    virtual const std::vector<platform::MessageBoxRequest>& messageBoxes() = 0;
    // Called when a window is shown modally: the runner plays its next steps in it until the
    // window is closed, and returns.
    virtual void setModalPump(std::function<void(platform::Form&)> pump) = 0;

    virtual bool click(const std::string& form, const std::string& control) = 0;
    virtual bool arrow(const std::string& form, const std::string& bar,
                       platform::Toward toward) = 0;
    virtual bool page(const std::string& form, const std::string& bar, platform::Toward toward) = 0;
    virtual bool drag(const std::string& form, const std::string& bar, int value) = 0;
    virtual bool key(const std::string& form, const std::string& box, int code) = 0;
    // A key that types nothing (platform::kUpKey, kDownKey, kTabKey, with kShiftMask), in the
    // box. On widgets a key the window does not take does what the toolkit does with it (Tab
    // moves the focus on); headless, nothing.
    virtual bool keyDown(const std::string& form, const std::string& box, int code, int shift) = 0;
    virtual bool paste(const std::string& form, const std::string& box, std::string_view text) = 0;
    virtual bool clear(const std::string& form, const std::string& box) = 0;
    virtual bool deleteKey(const std::string& form, const std::string& box) = 0;
    // The caret before character `start`, with `length` characters selected after it.
    virtual bool select(const std::string& form, const std::string& box, int start, int length) = 0;
    // One notch of the mouse wheel over the control (a bar, or a control whose wheel moves a bar),
    // toward the bar's Min or its Max.
    virtual bool wheel(const std::string& form, const std::string& bar,
                       platform::Toward toward) = 0;
    virtual bool close(const std::string& form) = 0;
    // One file, by its path, dropped onto the window (on widgets: a drag of the file entering
    // the window, then its drop).
    virtual bool drop(const std::string& form, const std::string& path) = 0;
    // A key combination pressed in the window ("Ctrl+S", in Qt's portable text). Throws
    // std::runtime_error when no control of the window has those keys.
    virtual bool shortcut(const std::string& form, const std::string& keys) = 0;

    // The property as the person sees it, in the file's syntax: a quoted string for Caption and
    // Text, an integer or true/false otherwise. Nothing when the target has no such property.
    virtual std::optional<std::string> read(const std::string& form, const std::string& control,
                                            const std::string& property) = 0;
    // Every property of every control of a loaded form, as "FORM.CONTROL.PROPERTY VALUE" lines.
    virtual std::vector<std::string> dump(const std::string& form) = 0;
};

}  // namespace ventrose::scenario
