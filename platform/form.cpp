#include "platform/form.h"

#include <stdexcept>

#include "platform/runtime.h"

namespace ventrose::platform {

Form::Form(Runtime& runtime, const FormDesign& design)
    : runtime_(runtime), design_(design), caption_(design.caption) {
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

void Form::onChange(const std::string& control, std::function<void()> handler) {
    handlers_[control].change = std::move(handler);
}

void Form::onClick(const std::string& control, std::function<void()> handler) {
    handlers_[control].click = std::move(handler);
}

void Form::onKeyPress(const std::string& control, std::function<void(int&)> handler) {
    handlers_[control].keyPress = std::move(handler);
}

const ControlHandlers* Form::handlersOf(const Control& control) const {
    if (runtime_.ended()) return nullptr;
    auto it = handlers_.find(control.name());
    return it == handlers_.end() ? nullptr : &it->second;
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
    for (const ControlDesign& d : design_.controls) {
        controls_.push_back(std::make_unique<Control>(*this, d));
        byName_.emplace(d.name, controls_.back().get());
    }
}

void Form::destroyControls() {
    byName_.clear();
    controls_.clear();
}

}  // namespace ventrose::platform
