// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preferences/colour.h"
#include "preferences/palette.h"

namespace ventrose::preferences {

// What a colour is used for. A design gives each control a back and a fore colour without saying
// whether a label is a caption or a value, so one Background role serves both: in the night
// palettes the design's own lightness keeps them apart (the white value fields come out darker
// than the light blue window, as fields do on dark screens). A fore colour is Text whether it is
// the toolkit's black or one of the designs' accents (the red results, magenta, blue, green):
// the colour itself says which.
enum class Role {
    Background,   // forms, frames, captions, option buttons, value labels, text boxes
    ControlFace,  // push buttons
    Text,         // every text in a window
    Stroke,       // the designs' lines and shapes
    FocusRing,    // the ring around the control that has the keyboard focus
    ToolTipBackground,
    ToolTipText,
    MessageBackground,  // message boxes
    MessageText,
    SelectionBackground,  // selected text in a text box
    SelectionText,
};

inline constexpr Role kRoles[] = {
    Role::Background,  Role::ControlFace,         Role::Text,         Role::Stroke,
    Role::FocusRing,   Role::ToolTipBackground,   Role::ToolTipText,  Role::MessageBackground,
    Role::MessageText, Role::SelectionBackground, Role::SelectionText};

// The colour to draw `designColour` in, used as `role`, in `palette`.
//
// Jour gives back the design colour unchanged, kDefaultColour included (the toolkit's own
// colour stays). The night palettes always give a concrete colour; for kDefaultColour they start
// from the toolkit's usual colour for the role (black text on a light grey window, white fields,
// pale yellow tooltips).
//
// Nuit keeps each colour's hue: grounds are darkened to a relative luminance of at most 0.02,
// text, lines and the focus ring lightened to at least 0.28 (a lighter red, a lighter blue...),
// plain black or grey text becomes light grey; so any text on any ground stands at 4.7:1 or
// more, whatever colours a future design picks. Nuit rouge ignores the hues: grounds black or
// very dark red, text pure red, selections red with black text.
Colour Recolour(Palette palette, Colour designColour, Role role);

}  // namespace ventrose::preferences
