// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/property.h"

namespace ventrose::platform {

std::string_view PropertyName(Property property) {
    switch (property) {
        case Property::Caption: return "Caption";
        case Property::Text: return "Text";
        case Property::Value: return "Value";
        case Property::Visible: return "Visible";
        case Property::Left: return "Left";
        case Property::Top: return "Top";
        case Property::Min: return "Min";
        case Property::Max: return "Max";
        case Property::SmallChange: return "SmallChange";
        case Property::LargeChange: return "LargeChange";
        case Property::X1: return "X1";
        case Property::Y1: return "Y1";
        case Property::X2: return "X2";
        case Property::Y2: return "Y2";
        case Property::SelStart: return "SelStart";
        case Property::ForeColour: return "ForeColor";
        case Property::Stale: return "Stale";
        case Property::ToolTipText: return "ToolTipText";
        case Property::Enabled: return "Enabled";
    }
    return "?";
}

}  // namespace ventrose::platform
