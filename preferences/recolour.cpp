// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/recolour.h"

#include <algorithm>
#include <cmath>

namespace ventrose::preferences {

namespace {

// Fusion's standard light palette: what Jour shows where a design leaves the toolkit's colour.
constexpr Colour kToolkitWindow = 0xEFEFEF;
constexpr Colour kToolkitBase = 0xFFFFFF;
constexpr Colour kToolkitToolTip = 0xFFFFDC;
constexpr Colour kToolkitHighlight = 0x308CC6;

// Nuit. Every ground at most kGroundCeiling, every text at least kTextFloor: the worst pair
// still clears 4.5:1 with room for a future ground at the ceiling.
constexpr double kGroundCeiling = 0.02;
constexpr double kTextFloor = 0.28;
static_assert((kTextFloor + 0.05) / (kGroundCeiling + 0.05) >= 4.7);
constexpr double kWindowLevel = 0.014;   // the window, captions, message boxes
constexpr double kFieldLevel = 0.006;    // value labels and text boxes, white in the designs
constexpr Colour kNightText = 0xDCDCDC;  // light grey rather than white: less glare in the dark
constexpr Colour kNightSelection = 0x2B5A8A;
constexpr Colour kNightSelectionText = 0xFFFFFF;

// Nuit rouge. Pure red on black is 5.25:1, and no ground below is lighter than #2A0000 (4.78:1).
constexpr Colour kRed = 0xFF0000;
constexpr Colour kDimRed = 0xD00000;  // lines: 3.3:1 or more on every ground, less light than text
constexpr Colour kBlack = 0x000000;
constexpr Colour kRedFace = 0x2A0000;
constexpr Colour kRedToolTip = 0x200000;
constexpr double kRedFieldLevel = 0.0026;  // #1D0000

struct Linear {
    double r, g, b;
};

Linear ToLinear(Colour c) {
    return {LinearChannel((c >> 16) & 0xFF), LinearChannel((c >> 8) & 0xFF),
            LinearChannel(c & 0xFF)};
}

double Luminance(const Linear& l) { return 0.2126 * l.r + 0.7152 * l.g + 0.0722 * l.b; }

// Rounding each channel up for text and down for grounds keeps the luminance on the side of its
// bound that the contrast guarantee needs.
enum class Rounding { Up, Down };

unsigned Encode(double linear, Rounding rounding) {
    linear = std::clamp(linear, 0.0, 1.0);
    const double s =
        linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    const double scaled = s * 255;
    const double rounded = rounding == Rounding::Up ? std::ceil(scaled) : std::floor(scaled);
    return static_cast<unsigned>(std::clamp(rounded, 0.0, 255.0));
}

Colour Encode(const Linear& l, Rounding rounding) {
    return (Encode(l.r, rounding) << 16) | (Encode(l.g, rounding) << 8) | Encode(l.b, rounding);
}

// Scaling linear light keeps the colour's chromaticity: a pale blue stays blue, only darker.
Colour Darkened(Colour c, double ceiling) {
    Linear l = ToLinear(c);
    const double y = Luminance(l);
    if (y <= ceiling) return c;
    const double k = ceiling / y;
    l = {l.r * k, l.g * k, l.b * k};
    return Encode(l, Rounding::Down);
}

// Brighter at the same chromaticity as far as the strongest channel allows, then towards white:
// dark red becomes full red and then a lighter red, never orange or grey.
Colour Lightened(Colour c, double floor) {
    Linear l = ToLinear(c);
    double y = Luminance(l);
    if (y >= floor) return c;
    const double strongest = std::max({l.r, l.g, l.b});
    if (strongest > 0) {
        const double k = std::min(1 / strongest, floor / y);
        l = {l.r * k, l.g * k, l.b * k};
        y = Luminance(l);
    }
    if (y < floor) {
        const double t = (floor - y) / (1 - y);
        l = {l.r + (1 - l.r) * t, l.g + (1 - l.g) * t, l.b + (1 - l.b) * t};
    }
    return Encode(l, Rounding::Up);
}

bool IsGrey(Colour c) {
    return ((c >> 16) & 0xFF) == ((c >> 8) & 0xFF) && ((c >> 8) & 0xFF) == (c & 0xFF);
}

Colour DesignOr(Colour design, Colour toolkit) {
    return design == kDefaultColour ? toolkit : design & 0xFFFFFF;
}

// How much a ground is a field rather than the window: 1 for white, 0 for the designs' light
// blue (luminance 0.56) and anything darker.
double Fieldness(Colour c) { return std::clamp((RelativeLuminance(c) - 0.6) / 0.4, 0.0, 1.0); }

Colour NightText(Colour design) {
    if (design == kDefaultColour || IsGrey(design & 0xFFFFFF)) return kNightText;
    return Lightened(design & 0xFFFFFF, kTextFloor);
}

Colour Nuit(Colour design, Role role) {
    switch (role) {
        case Role::Background: {
            const Colour c = DesignOr(design, kToolkitBase);
            return Darkened(c, kWindowLevel + (kFieldLevel - kWindowLevel) * Fieldness(c));
        }
        case Role::ControlFace: return Darkened(DesignOr(design, kToolkitWindow), kGroundCeiling);
        case Role::ToolTipBackground:
            return Darkened(DesignOr(design, kToolkitToolTip), kGroundCeiling);
        case Role::MessageBackground:
            return Darkened(DesignOr(design, kToolkitWindow), kWindowLevel);
        case Role::SelectionBackground: return kNightSelection;
        case Role::SelectionText: return kNightSelectionText;
        case Role::FocusRing: return Lightened(DesignOr(design, kToolkitHighlight), kTextFloor);
        case Role::Text:
        case Role::Stroke:
        case Role::ToolTipText:
        case Role::MessageText: return NightText(design);
    }
    return design;
}

Colour NuitRouge(Colour design, Role role) {
    switch (role) {
        case Role::Background: {
            const double level = kRedFieldLevel * Fieldness(DesignOr(design, kToolkitBase));
            return Encode(Linear{level / 0.2126, 0, 0}, Rounding::Down);
        }
        case Role::ControlFace: return kRedFace;
        case Role::ToolTipBackground: return kRedToolTip;
        case Role::MessageBackground: return kBlack;
        case Role::SelectionBackground: return kRed;
        case Role::SelectionText: return kBlack;
        case Role::Stroke: return kDimRed;
        case Role::FocusRing:
        case Role::Text:
        case Role::ToolTipText:
        case Role::MessageText: return kRed;
    }
    return design;
}

}  // namespace

Colour Recolour(Palette palette, Colour designColour, Role role) {
    switch (palette) {
        case Palette::Jour: return designColour;
        case Palette::Nuit: return Nuit(designColour, role);
        case Palette::NuitRouge: return NuitRouge(designColour, role);
    }
    return designColour;
}

}  // namespace ventrose::preferences
