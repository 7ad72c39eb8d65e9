// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form.h"

#include <stdexcept>

#include "common/tr.h"
#include "platform/runtime.h"

namespace ventrose::platform {

Form::Form(Runtime& runtime, const FormDesign& design)
    : runtime_(runtime),
      design_(design),
      caption_(common::TrText(design.name, design.caption)),
      width_(design.width),
      handlers_(design.controls.size()) {
    runtime_.registerForm(*this);
}

Form::~Form() = default;

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    runtime_.notifyCaptionChanged(*this);
}

void Form::setWidth(int width) {
    if (width == width_) return;
    width_ = width;
    runtime_.notifyFormResized(*this);
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
    if (!loaded_ || row >= firstOf_.size())
        throw std::logic_error(
            design_.name + " is not loaded: its control " +
            (row < design_.controls.size() ? design_.controls[row].name : std::string("?")) +
            " does not exist");
    return *controls_[firstOf_[row]];
}

Control& Form::elementAt(std::size_t row, int index) const {
    Control& first = controlAt(row);
    if (index < 1 || index > first.design().rows)
        throw std::out_of_range("no element " + std::to_string(index) + " in " + design_.name +
                                "." + first.design().name + "(1.." +
                                std::to_string(first.design().rows) + ")");
    return *controls_[firstOf_[row] + static_cast<std::size_t>(index - 1)];
}

std::size_t Form::designRow(std::string_view name, std::initializer_list<ControlKind> kinds,
                            bool array) const {
    for (std::size_t row = 0; row < design_.controls.size(); ++row) {
        const ControlDesign& d = design_.controls[row];
        if (d.name != name) continue;
        if ((d.rows > 0) != array)
            throw std::logic_error("the control " + std::string(name) + " of " + design_.name +
                                   (array ? " is not an array" : " is an array"));
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
    ControlKind::Shape,      ControlKind::CheckBox};

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

void Form::onRowChange(std::size_t row, std::function<void(int)> handler) {
    handlers_.at(row).rowChange = std::move(handler);
}
void Form::onRowClick(std::size_t row, std::function<void(int)> handler) {
    handlers_.at(row).rowClick = std::move(handler);
}
void Form::onRowKeyPress(std::size_t row, std::function<void(int, int&)> handler) {
    handlers_.at(row).rowKeyPress = std::move(handler);
}

void Form::onGotFocus(std::size_t row, std::function<void()> handler) {
    handlers_.at(row).gotFocus = std::move(handler);
}
void Form::onRowGotFocus(std::size_t row, std::function<void(int)> handler) {
    handlers_.at(row).rowGotFocus = std::move(handler);
}

void Form::onLostFocus(std::size_t row, std::function<void()> handler) {
    handlers_.at(row).lostFocus = std::move(handler);
}
void Form::onRowLostFocus(std::size_t row, std::function<void(int)> handler) {
    handlers_.at(row).rowLostFocus = std::move(handler);
}
void Form::onKeyDown(std::size_t row, std::function<void(int&, int)> handler) {
    handlers_.at(row).keyDown = std::move(handler);
}
void Form::onRowKeyDown(std::size_t row, std::function<void(int, int&, int)> handler) {
    handlers_.at(row).rowKeyDown = std::move(handler);
}

void Form::setFocus(Control& control) {
    if (!loaded_ || &control.form() != this) return;
    focusArrived(control);
    if (focused_ == &control) runtime_.notifyFocusMoved(control);
}

void Form::focusArrived(Control& control) {
    if (focused_ == &control || &control.form() != this) return;
    Control* left = focused_;
    focused_ = &control;
    if (left != nullptr) {
        if (const ControlHandlers* h = handlersOf(*left)) {
            if (left->index() > 0) {
                if (h->rowLostFocus) h->rowLostFocus(left->index());
            } else if (h->lostFocus) {
                h->lostFocus();
            }
        }
        // Its LostFocus may have moved the focus on, or unloaded the window.
        if (focused_ != &control || !loaded_) return;
    }
    const ControlHandlers* h = handlersOf(control);
    if (!h) return;
    if (control.index() > 0) {
        if (h->rowGotFocus) h->rowGotFocus(control.index());
    } else if (h->gotFocus) {
        h->gotFocus();
    }
}

bool Form::queryUnload() { return runtime_.ended() || !queryUnload_ || queryUnload_(); }

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
    const ControlHandlers* h = handlersOf(control);
    if (!h) return;
    if (control.index() > 0) {
        if (h->rowChange) h->rowChange(control.index());
    } else if (h->change) {
        h->change();
    }
}

void Form::fireClick(const Control& control) {
    const ControlHandlers* h = handlersOf(control);
    if (!h) return;
    if (control.index() > 0) {
        if (h->rowClick) h->rowClick(control.index());
    } else if (h->click) {
        h->click();
    }
}

void Form::fireKeyPress(const Control& control, int& keyAscii) {
    const ControlHandlers* h = handlersOf(control);
    if (!h) return;
    if (control.index() > 0) {
        if (h->rowKeyPress) h->rowKeyPress(control.index(), keyAscii);
    } else if (h->keyPress) {
        h->keyPress(keyAscii);
    }
}

void Form::fireKeyDown(const Control& control, int& keyCode, int shift) {
    const ControlHandlers* h = handlersOf(control);
    if (!h) return;
    if (control.index() > 0) {
        if (h->rowKeyDown) h->rowKeyDown(control.index(), keyCode, shift);
    } else if (h->keyDown) {
        h->keyDown(keyCode, shift);
    }
}

void Form::fireDropFile(const std::string& path) {
    if (!runtime_.ended() && dropFile_) dropFile_(path);
}

void Form::fireFormClick() {
    if (!runtime_.ended() && click_) click_();
}

void Form::fireLoad() {
    if (!runtime_.ended() && load_) load_();
}

void Form::fireLanguageChange(common::Language previous) {
    if (!runtime_.ended() && loaded_ && languageChange_) languageChange_(previous);
}

void Form::fireUnload() {
    if (!runtime_.ended() && unload_) unload_();
}

void Form::createControls() {
    caption_ = common::TrText(design_.name, design_.caption);
    width_ = design_.width;
    focused_ = nullptr;
    firstOf_.clear();
    firstOf_.reserve(design_.controls.size());
    for (std::size_t row = 0; row < design_.controls.size(); ++row) {
        const ControlDesign& d = design_.controls[row];
        firstOf_.push_back(controls_.size());
        const int elements = d.rows > 0 ? d.rows : 1;
        for (int i = 1; i <= elements; ++i) {
            controls_.push_back(std::make_unique<Control>(*this, d, row, d.rows > 0 ? i : 0));
            byName_.emplace(controls_.back()->name(), controls_.back().get());
        }
    }
}

void Form::destroyControls() {
    focused_ = nullptr;
    byName_.clear();
    controls_.clear();
    firstOf_.clear();
}

}  // namespace ventrose::platform
