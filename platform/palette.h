// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/design.h"

// The colours the windows share, and the unit their designs are drawn in.
namespace ventrose::platform::palette {

inline constexpr Colour kLightBlue = 0xC0C0FF;  // windows, frames and captions
inline constexpr Colour kWhite = 0xFFFFFF;      // value labels
inline constexpr Colour kRed = 0xD00000;        // results a pilot reads first
inline constexpr Colour kBlue = 0x0000FF;
inline constexpr Colour kNavy = 0x000080;
inline constexpr Colour kMagenta = 0xFF00FF;
inline constexpr Colour kDarkGreen = 0x006000;
inline constexpr Colour kPink = 0xFF80FF;
inline constexpr Colour kLightYellow = 0xFFFFC0;
inline constexpr Colour kTooltipYellow = 0xFFFFE1;
inline constexpr Colour kLightCyan = 0xC0FFFF;
inline constexpr Colour kLightOrange = 0xFFE0C0;

// Window designs take their unit from here along with their colours.
using platform::kPx;

}  // namespace ventrose::platform::palette
