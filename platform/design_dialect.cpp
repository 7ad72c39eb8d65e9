// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/design_dialect.h"

#include <utility>

namespace ventrose::platform::dialect {

namespace {

ControlDesign placed(ControlKind kind, std::string name, std::string container, Place at) {
    ControlDesign d;
    d.kind = kind;
    d.name = std::move(name);
    d.container = std::move(container);
    d.left = at.left;
    d.top = at.top;
    d.width = at.width;
    d.height = at.height;
    return d;
}

ControlDesign bar(ControlKind kind, std::string name, std::string container, Place at,
                  Range range) {
    ControlDesign d = placed(kind, std::move(name), std::move(container), at);
    d.min = range.min;
    d.max = range.max;
    d.smallChange = range.smallChange;
    d.largeChange = range.largeChange;
    d.value = range.value;
    return d;
}

}  // namespace

ControlDesign Caption(std::string name, std::string container, std::string text, Place at) {
    ControlDesign d = placed(ControlKind::Label, std::move(name), std::move(container), at);
    d.caption = std::move(text);
    return d;
}

ControlDesign Value(std::string name, std::string container, Place at, std::string placeholder) {
    ControlDesign d = placed(ControlKind::Label, std::move(name), std::move(container), at);
    d.caption = std::move(placeholder);
    d.alignment = Alignment::Center;
    d.wordWrap = false;
    return d;
}

ControlDesign Button(std::string name, std::string container, std::string text, Place at) {
    ControlDesign d = placed(ControlKind::CommandButton, std::move(name), std::move(container), at);
    d.caption = std::move(text);
    return d;
}

ControlDesign Option(std::string name, std::string container, std::string text, Place at,
                     bool selected) {
    ControlDesign d = placed(ControlKind::OptionButton, std::move(name), std::move(container), at);
    d.caption = std::move(text);
    d.selected = selected;
    return d;
}

ControlDesign Check(std::string name, std::string container, std::string text, Place at,
                    bool ticked) {
    ControlDesign d = placed(ControlKind::CheckBox, std::move(name), std::move(container), at);
    d.caption = std::move(text);
    d.min = 0;
    d.max = 1;
    d.value = ticked ? 1 : 0;
    return d;
}

ControlDesign Box(std::string name, std::string container, Place at) {
    return placed(ControlKind::TextBox, std::move(name), std::move(container), at);
}

ControlDesign Frame(std::string name, std::string container, std::string text, Place at) {
    ControlDesign d = placed(ControlKind::Frame, std::move(name), std::move(container), at);
    d.caption = std::move(text);
    return d;
}

ControlDesign HBar(std::string name, std::string container, Place at, Range range) {
    return bar(ControlKind::HScrollBar, std::move(name), std::move(container), at, range);
}

ControlDesign VBar(std::string name, std::string container, Place at, Range range) {
    return bar(ControlKind::VScrollBar, std::move(name), std::move(container), at, range);
}

ControlDesign Stroke(std::string name, std::string container, int x1, int y1, int x2, int y2,
                     Colour colour, int borderWidth) {
    ControlDesign d = placed(ControlKind::Line, std::move(name), std::move(container), {});
    d.x1 = x1;
    d.y1 = y1;
    d.x2 = x2;
    d.y2 = y2;
    d.foreColour = colour;
    d.borderWidth = borderWidth;
    return d;
}

ControlDesign Picture(std::string name, std::string container, std::string resource, Place at) {
    ControlDesign d = placed(ControlKind::Image, std::move(name), std::move(container), at);
    d.picture = std::move(resource);
    return d;
}

ControlDesign Outline(std::string name, std::string container, Place at, Colour colour,
                      int borderWidth) {
    ControlDesign d = placed(ControlKind::Shape, std::move(name), std::move(container), at);
    d.foreColour = colour;
    d.borderWidth = borderWidth;
    return d;
}

ControlDesign Hidden(ControlDesign design) {
    design.visible = false;
    return design;
}

ControlDesign Colours(ControlDesign design, Colour back, Colour fore) {
    design.backColour = back;
    design.foreColour = fore;
    return design;
}

ControlDesign WithFont(ControlDesign design, Font font) {
    design.font = font;
    return design;
}

ControlDesign Aligned(ControlDesign design, Alignment alignment) {
    design.alignment = alignment;
    return design;
}

ControlDesign OneLine(ControlDesign design) {
    design.wordWrap = false;
    return design;
}

ControlDesign LabelledBy(ControlDesign design, std::string label) {
    design.labelledBy = std::move(label);
    return design;
}

ControlDesign Rows(ControlDesign design, int rows, int pitch) {
    design.rows = rows;
    design.rowPitch = pitch;
    return design;
}

ControlDesign Shortcut(ControlDesign design, std::string keys) {
    design.shortcut = std::move(keys);
    return design;
}

ControlDesign WheelScrolls(ControlDesign design, std::string bar) {
    design.wheelBar = std::move(bar);
    return design;
}

}  // namespace ventrose::platform::dialect
