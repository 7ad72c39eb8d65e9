// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace ventrose::preferences {

// 0xRRGGBB, the same value as platform::Colour: this core links only common/, so it names the
// type again rather than reaching into the forms runtime.
using Colour = std::uint32_t;

// No colour of the design's own: the toolkit's. Same value as platform::kDefaultColour.
inline constexpr Colour kDefaultColour = 0xFFFFFFFFu;

// An sRGB channel (0 to 255) as linear light, 0 to 1, with the sRGB transfer curve (threshold
// 0.04045; WCAG 2.0's 0.03928 differs from it on no 8-bit value).
double LinearChannel(unsigned channel);

// WCAG 2 relative luminance, 0 for black to 1 for white. The top byte is ignored, so that
// kDefaultColour reads as white.
double RelativeLuminance(Colour colour);

// WCAG 2 contrast ratio, (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 to 21, in either
// order. Text needs 4.5 to be read by most people; lines and shapes 3.
double ContrastRatio(Colour a, Colour b);

}  // namespace ventrose::preferences
