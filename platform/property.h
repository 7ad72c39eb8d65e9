// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace ventrose::platform {

// The properties that window code sets and a view mirrors.
// A text box's caret and selection are announced together, as SelStart, whenever either moves.
enum class Property {
    Caption,
    Text,
    Value,
    Visible,
    Left,
    Top,
    Min,
    Max,
    SmallChange,
    LargeChange,
    X1,
    Y1,
    X2,
    Y2,
    SelStart,
    ForeColour,
    Stale,
    ToolTipText,
    Enabled
};

std::string_view PropertyName(Property property);

}  // namespace ventrose::platform
