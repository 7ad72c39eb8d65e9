// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/model_view.h"

#include <cstdio>

#include "platform/control.h"
#include "platform/design.h"
#include "platform/form.h"
#include "tests/runner/scenario.h"

namespace ventrose::scenario {

using platform::ControlKind;

std::string ColourText(platform::Colour colour) {
    if (colour == platform::kDefaultColour) return {};
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour & 0xFFFFFFu));
    return text;
}

const std::vector<std::string>& PropertiesOf(const platform::Control& control) {
    static const std::vector<std::string> label = {"Caption", "ForeColor", "Stale", "ToolTipText",
                                                   "Visible", "Left",      "Top",   "Enabled"};
    static const std::vector<std::string> bar = {"Value",       "Min",     "Max",  "SmallChange",
                                                 "LargeChange", "Visible", "Left", "Top"};
    static const std::vector<std::string> option = {"Caption", "Value", "Visible", "Left", "Top"};
    static const std::vector<std::string> box = {
        "Text", "SelStart", "SelLength", "ForeColor", "ToolTipText", "Visible", "Left", "Top"};
    static const std::vector<std::string> line = {"X1", "Y1", "X2", "Y2", "Visible"};
    static const std::vector<std::string> picture = {"Visible", "Left", "Top"};
    switch (control.kind()) {
        case ControlKind::Label:
        case ControlKind::CommandButton:
        case ControlKind::Frame: return label;
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar: return bar;
        case ControlKind::OptionButton:
        case ControlKind::CheckBox: return option;
        case ControlKind::TextBox: return box;
        case ControlKind::Line: return line;
        case ControlKind::Image:
        case ControlKind::Shape: return picture;
    }
    return picture;
}

std::optional<std::string> ReadModel(const platform::Control& c, const std::string& property) {
    bool known = false;
    for (const auto& p : PropertiesOf(c)) known = known || p == property;
    if (!known) return std::nullopt;
    auto flag = [](bool b) { return std::string(b ? "true" : "false"); };
    if (property == "Caption") return Quote(c.caption());
    if (property == "Text") return Quote(c.text());
    if (property == "Value")
        return c.kind() == ControlKind::OptionButton ? flag(c.selected())
                                                     : std::to_string(c.value());
    if (property == "ForeColor") return Quote(ColourText(c.foreColour()));
    if (property == "Stale") return flag(c.stale());
    if (property == "ToolTipText") return Quote(c.toolTipText());
    if (property == "Visible") return flag(c.visible());
    if (property == "Enabled") return flag(c.enabled());
    if (property == "Left") return std::to_string(c.left());
    if (property == "Top") return std::to_string(c.top());
    if (property == "Min") return std::to_string(c.min());
    if (property == "Max") return std::to_string(c.max());
    if (property == "SmallChange") return std::to_string(c.smallChange());
    if (property == "LargeChange") return std::to_string(c.largeChange());
    if (property == "X1") return std::to_string(c.x1());
    if (property == "Y1") return std::to_string(c.y1());
    if (property == "X2") return std::to_string(c.x2());
    if (property == "Y2") return std::to_string(c.y2());
    if (property == "SelStart") return std::to_string(c.selStart());
    if (property == "SelLength") return std::to_string(c.selLength());
    return std::nullopt;
}

std::optional<std::string> ReadModel(const platform::Form& form, const std::string& property) {
    if (property == "Caption") return Quote(form.caption());
    if (property == "ActiveControl")
        return Quote(form.focused() != nullptr ? form.focused()->name() : std::string());
    return std::nullopt;
}

std::vector<std::string> DumpModel(const platform::Form& form) {
    std::vector<std::string> lines;
    lines.push_back(form.name() + ".Caption " + Quote(form.caption()));
    for (const auto& control : form.controls())
        for (const auto& property : PropertiesOf(*control))
            lines.push_back(form.name() + "." + control->name() + "." + property + " " +
                            *ReadModel(*control, property));
    return lines;
}

}  // namespace ventrose::scenario
