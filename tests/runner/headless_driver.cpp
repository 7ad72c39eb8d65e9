// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/headless_driver.h"

#include <stdexcept>

#include "platform/control.h"
#include "platform/control_kinds.h"
#include "platform/form.h"
#include "tests/runner/model_view.h"

namespace ventrose::scenario {

platform::Form& FindForm(app::Application& application, const std::string& name) {
    platform::Form* form = application.runtime().form(name);
    if (form == nullptr) throw std::runtime_error("no window named " + name);
    return *form;
}

platform::Control& FindControl(app::Application& application, const std::string& form,
                               const std::string& control) {
    platform::Form& f = FindForm(application, form);
    if (!f.loaded()) throw std::runtime_error(form + " is not loaded");
    platform::Control* c = f.find(control);
    if (c == nullptr) throw std::runtime_error("no control " + control + " in " + form);
    return *c;
}

void RequireShortcut(const platform::Form& form, const std::string& keys) {
    if (!form.loaded()) throw std::runtime_error(form.name() + " is not loaded");
    for (const auto& control : form.controls())
        if (control->design().shortcut == keys) return;
    throw std::runtime_error("no control of " + form.name() + " has the keys " + keys);
}

HeadlessDriver::HeadlessDriver(platform::DocumentFiles* files)
    : documents_(files != nullptr ? *files : ownFiles_),
      application_(std::make_unique<app::Application>(host_, documents_, clock_)) {}

// A click puts the focus on a control that takes it, as the mouse does on widgets, before the
// control does what a click does.
bool HeadlessDriver::click(const std::string& form, const std::string& control) {
    if (control.empty()) return platform::ClickForm(FindForm(*application_, form));
    platform::Control& c = FindControl(*application_, form, control);
    if (!platform::Focus(c) && platform::TraitsOf(c.kind()).takesFocus) return false;
    return platform::Click(FindControl(*application_, form, control));
}

bool HeadlessDriver::arrow(const std::string& form, const std::string& bar,
                           platform::Toward toward) {
    return platform::ArrowClick(FindControl(*application_, form, bar), toward);
}

bool HeadlessDriver::page(const std::string& form, const std::string& bar,
                          platform::Toward toward) {
    return platform::TroughClick(FindControl(*application_, form, bar), toward);
}

bool HeadlessDriver::drag(const std::string& form, const std::string& bar, int value) {
    return platform::ThumbRelease(FindControl(*application_, form, bar), value);
}

bool HeadlessDriver::key(const std::string& form, const std::string& box, int code) {
    return platform::KeyPress(FindControl(*application_, form, box), code);
}

bool HeadlessDriver::keyDown(const std::string& form, const std::string& box, int code, int shift) {
    return platform::KeyDown(FindControl(*application_, form, box), code, shift);
}

bool HeadlessDriver::paste(const std::string& form, const std::string& box, std::string_view text) {
    return platform::Paste(FindControl(*application_, form, box), text);
}

bool HeadlessDriver::clear(const std::string& form, const std::string& box) {
    return platform::ClearText(FindControl(*application_, form, box));
}

bool HeadlessDriver::deleteKey(const std::string& form, const std::string& box) {
    return platform::DeleteKey(FindControl(*application_, form, box));
}

bool HeadlessDriver::select(const std::string& form, const std::string& box, int start,
                            int length) {
    return platform::Select(FindControl(*application_, form, box), start, length);
}

bool HeadlessDriver::wheel(const std::string& form, const std::string& bar,
                           platform::Toward toward) {
    return platform::Wheel(FindControl(*application_, form, bar), toward);
}

bool HeadlessDriver::close(const std::string& form) {
    return platform::CloseRequest(FindForm(*application_, form));
}

bool HeadlessDriver::drop(const std::string& form, const std::string& path) {
    return platform::DropFile(FindForm(*application_, form), path);
}

bool HeadlessDriver::shortcut(const std::string& form, const std::string& keys) {
    platform::Form& f = FindForm(*application_, form);
    RequireShortcut(f, keys);
    return platform::PressShortcut(f, keys);
}

std::optional<std::string> HeadlessDriver::read(const std::string& form, const std::string& control,
                                                const std::string& property) {
    if (control.empty()) return ReadModel(FindForm(*application_, form), property);
    return ReadModel(FindControl(*application_, form, control), property);
}

std::vector<std::string> HeadlessDriver::dump(const std::string& form) {
    platform::Form& f = FindForm(*application_, form);
    if (!f.loaded()) throw std::runtime_error(form + " is not loaded");
    return DumpModel(f);
}

}  // namespace ventrose::scenario
