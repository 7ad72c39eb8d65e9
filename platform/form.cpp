// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form.h"

#include <stdexcept>

#include "platform/runtime.h"

namespace ventrose::platform {

Form::Form(Runtime& runtime, const FormDesign& design)
    : runtime_(runtime),
      design_(design),
      caption_(design.caption),
      handlers_(design.controls.size()) {
    runtime_.registerForm(*this);
}

Form::~Form() = default;

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    runtime_.notifyCaptionChanged(*this);
}

Control& Form::operator[](std::string_view name) const {
    if (Control* control = find(name)) return *control;
    throw std::out_of_range("no control " + std::string(name) + " in " + design_.name +
                            (loaded_ ? "" : " (not loaded)"));
}

Control* Form::find(std::string_view name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

Control& Form::controlAt(std::size_t row) const {
    if (!loaded_ || row >= controls_.size())
        throw std::logic_error(
            design_.name + " is not loaded: its control " +
            (row < design_.controls.size() ? design_.controls[row].name : std::string("?")) +
            " does not exist");
    return *controls_[row];
}

std::size_t Form::designRow(std::string_view name, std::initializer_list<ControlKind> kinds) const {
    for (std::size_t row = 0; row < design_.controls.size(); ++row) {
        const ControlDesign& d = design_.controls[row];
        if (d.name != name) continue;
        for (ControlKind kind : kinds)
            if (d.kind == kind) return row;
        throw std::logic_error("the control " + std::string(name) + " of " + design_.name +
                               " is not of the kind its window expects");
    }
    throw std::logic_error(design_.name + " has no control " + std::string(name));
}

namespace {

constexpr std::initializer_list<ControlKind> kAnyKind = {
    ControlKind::Label,      ControlKind::CommandButton, ControlKind::HScrollBar,
    ControlKind::VScrollBar, ControlKind::OptionButton,  ControlKind::TextBox,
    ControlKind::Frame,      ControlKind::Line,          ControlKind::Image,
    ControlKind::Shape};

}  // namespace

void Form::onChange(std::size_t row, std::function<void()> handler) {
    handlers_.at(row).change = std::move(handler);
}
void Form::onClick(std::size_t row, std::function<void()> handler) {
    handlers_.at(row).click = std::move(handler);
}
void Form::onKeyPress(std::size_t row, std::function<void(int&)> handler) {
    handlers_.at(row).keyPress = std::move(handler);
}

void Form::onChange(std::string_view control, std::function<void()> handler) {
    onChange(designRow(control, kAnyKind), std::move(handler));
}

void Form::onClick(std::string_view control, std::function<void()> handler) {
    onClick(designRow(control, kAnyKind), std::move(handler));
}

void Form::onKeyPress(std::string_view control, std::function<void(int&)> handler) {
    onKeyPress(designRow(control, kAnyKind), std::move(handler));
}

const ControlHandlers* Form::handlersOf(const Control& control) const {
    if (runtime_.ended() || control.row() >= handlers_.size()) return nullptr;
    return &handlers_[control.row()];
}

// A handler may unload this very form and so destroy the control that fired: nothing here
// touches the control after the call, and the handler itself lives in the form.
void Form::fireChange(const Control& control) {
    if (const ControlHandlers* h = handlersOf(control); h && h->change) h->change();
}

void Form::fireClick(const Control& control) {
    if (const ControlHandlers* h = handlersOf(control); h && h->click) h->click();
}

void Form::fireKeyPress(const Control& control, int& keyAscii) {
    if (const ControlHandlers* h = handlersOf(control); h && h->keyPress) h->keyPress(keyAscii);
}

void Form::fireFormClick() {
    if (!runtime_.ended() && click_) click_();
}

void Form::fireLoad() {
    if (!runtime_.ended() && load_) load_();
}

void Form::fireUnload() {
    if (!runtime_.ended() && unload_) unload_();
}

void Form::createControls() {
    caption_ = design_.caption;
    controls_.reserve(design_.controls.size());
    for (std::size_t row = 0; row < design_.controls.size(); ++row) {
        controls_.push_back(std::make_unique<Control>(*this, design_.controls[row], row));
        byName_.emplace(design_.controls[row].name, controls_.back().get());
    }
}

void Form::destroyControls() {
    byName_.clear();
    controls_.clear();
}

}  // namespace ventrose::platform
