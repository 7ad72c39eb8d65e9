// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "common/tr.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "platform/text.h"

namespace ventrose::platform {

int ClampTo16(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<std::int16_t>::min(),
                                                  std::numeric_limits<std::int16_t>::max()));
}

Control::Control(Form& form, const ControlDesign& design, std::size_t row, int index)
    : form_(form),
      design_(design),
      row_(row),
      index_(index),
      name_(index == 0 ? design.name : design.name + "(" + std::to_string(index) + ")"),
      // A caption is the window's text, in the current language; a text box's text is a value.
      caption_(design.kind == ControlKind::TextBox
                   ? std::string()
                   : common::TrText(form.design().name, design.caption)),
      text_(design.kind == ControlKind::TextBox ? design.caption : std::string()),
      selStart_(CharacterCount(text_)),
      value_(ClampTo16(design.value)),
      min_(ClampTo16(design.min)),
      max_(ClampTo16(design.max)),
      smallChange_(ClampTo16(design.smallChange)),
      largeChange_(ClampTo16(design.largeChange)),
      selected_(design.selected),
      visible_(design.visible),
      foreColour_(design.foreColour),
      left_(design.left),
      top_(design.top + (index > 0 ? (index - 1) * design.rowPitch : 0)),
      x1_(design.x1),
      y1_(design.y1),
      x2_(design.x2),
      y2_(design.y2) {
    if (design.kind == ControlKind::CheckBox) {
        min_ = 0;
        max_ = 1;
    }
    value_ = std::clamp(value_, lowest(), highest());
}

void Control::changed(Property property) { form_.runtime().notifyPropertyChanged(*this, property); }

void Control::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed(Property::Caption);
}

void Control::setText(std::string text) {
    if (text == text_) return;
    const int end = CharacterCount(text);
    edit(std::move(text), end);
}

void Control::edit(std::string text, int caret) {
    const bool newText = text != text_;
    text_ = std::move(text);
    caret = std::clamp(caret, 0, CharacterCount(text_));
    const bool moved = selStart_ != caret || selLength_ != 0 || caretAtStart_;
    selStart_ = caret;
    selLength_ = 0;
    caretAtStart_ = false;
    if (newText) changed(Property::Text);
    if (moved) changed(Property::SelStart);
    if (newText) form_.fireChange(*this);
}

void Control::setSelection(int start, int length) {
    const int size = CharacterCount(text_);
    const long long anchor = std::clamp<long long>(start, 0, size);
    const long long caret = std::clamp<long long>(anchor + length, 0, size);
    const int from = static_cast<int>(std::min(anchor, caret));
    const int count = static_cast<int>(std::max(anchor, caret)) - from;
    const bool atStart = caret < anchor;
    if (from == selStart_ && count == selLength_ && atStart == caretAtStart_) return;
    selStart_ = from;
    selLength_ = count;
    caretAtStart_ = atStart;
    changed(Property::SelStart);
}

void Control::setValue(int value) {
    const int limited = std::clamp(value, lowest(), highest());
    if (limited == value_) return;
    value_ = limited;
    changed(Property::Value);
    if (kind() == ControlKind::CheckBox)
        form_.fireClick(*this);
    else
        form_.fireChange(*this);
}

void Control::setBound(int& field, int value, Property property) {
    const int limited = ClampTo16(value);
    if (limited == field) return;
    field = limited;
    changed(property);
}

// A new range keeps the value inside it; as with a person's move, a value that changes runs the
// Change handler.
void Control::clampValue() {
    const int limited = std::clamp(value_, lowest(), highest());
    if (limited != value_) setValue(limited);
}

void Control::setMin(int min) {
    setBound(min_, min, Property::Min);
    clampValue();
}

void Control::setMax(int max) {
    setBound(max_, max, Property::Max);
    clampValue();
}

void Control::setSmallChange(int change) { setBound(smallChange_, change, Property::SmallChange); }
void Control::setLargeChange(int change) { setBound(largeChange_, change, Property::LargeChange); }

void Control::setSelected(bool selected) {
    if (selected == selected_) return;
    if (!selected) {
        selected_ = false;
        changed(Property::Value);
        return;
    }
    for (const auto& sibling : form_.controls()) {
        if (sibling.get() != this && sibling->kind() == ControlKind::OptionButton &&
            sibling->container() == container() && sibling->selected_) {
            sibling->selected_ = false;
            sibling->changed(Property::Value);
        }
    }
    selected_ = true;
    changed(Property::Value);
    form_.fireClick(*this);
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    changed(Property::Visible);
}

void Control::setForeColour(Colour colour) {
    if (colour == foreColour_) return;
    foreColour_ = colour;
    changed(Property::ForeColour);
}

void Control::setStale(bool stale) {
    if (stale == stale_) return;
    stale_ = stale;
    changed(Property::Stale);
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    changed(Property::Enabled);
}

void Control::setToolTipText(std::string text) {
    if (text == toolTipText_) return;
    toolTipText_ = std::move(text);
    changed(Property::ToolTipText);
}

void Control::setLeft(int left) {
    if (left == left_) return;
    left_ = left;
    changed(Property::Left);
}

void Control::setTop(int top) {
    if (top == top_) return;
    top_ = top;
    changed(Property::Top);
}

void Control::setLine(int x1, int y1, int x2, int y2) {
    const int before[] = {x1_, y1_, x2_, y2_};
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    if (before[0] != x1) changed(Property::X1);
    if (before[1] != y1) changed(Property::Y1);
    if (before[2] != x2) changed(Property::X2);
    if (before[3] != y2) changed(Property::Y2);
}

}  // namespace ventrose::platform
