// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform/design.h"

// The one set of helpers every window's design table is written with. Each makes one control
// from its name, its container ("" for the window itself), what it shows and where it stands,
// always in that order; places are in twips (a window drawn in pixels writes `12 * kPx`).
// Colours, fonts and the rest are set by the named modifiers below.
namespace ventrose::platform::dialect {

// A rectangle in twips, relative to the container's client area.
struct Place {
    int left = 0, top = 0, width = 0, height = 0;
};

// A scroll bar's range, its steps and its value at each load.
struct Range {
    int min = 0, max = 0, smallChange = 1, largeChange = 1, value = 0;
};

// A label with fixed text that the window never changes.
ControlDesign Caption(std::string name, std::string container, std::string text, Place at);
// A label whose text the window writes: a value or a result, centred, on one line.
ControlDesign Value(std::string name, std::string container, Place at,
                    std::string placeholder = {});
ControlDesign Button(std::string name, std::string container, std::string text, Place at);
ControlDesign Option(std::string name, std::string container, std::string text, Place at,
                     bool selected = false);
// A check box, ticked at each load or not.
ControlDesign Check(std::string name, std::string container, std::string text, Place at,
                    bool ticked = false);
ControlDesign Box(std::string name, std::string container, Place at);
ControlDesign Frame(std::string name, std::string container, std::string text, Place at);
ControlDesign HBar(std::string name, std::string container, Place at, Range range);
ControlDesign VBar(std::string name, std::string container, Place at, Range range);
ControlDesign Stroke(std::string name, std::string container, int x1, int y1, int x2, int y2,
                     Colour colour, int borderWidth = 1);
ControlDesign Picture(std::string name, std::string container, std::string resource, Place at);
ControlDesign Outline(std::string name, std::string container, Place at, Colour colour,
                      int borderWidth = 1);

// Modifiers, each returning the design it was given with one thing changed.
ControlDesign Hidden(ControlDesign design);
ControlDesign Colours(ControlDesign design, Colour back, Colour fore = kDefaultColour);
ControlDesign WithFont(ControlDesign design, Font font);
ControlDesign Aligned(ControlDesign design, Alignment alignment);
ControlDesign OneLine(ControlDesign design);  // a caption that never wraps
ControlDesign LabelledBy(ControlDesign design, std::string label);
// A control array: `rows` elements NAME(1)..NAME(rows), each `pitch` twips below the one before,
// the design's place being the first's.
ControlDesign Rows(ControlDesign design, int rows, int pitch);
// Keys that click the control anywhere in its window ("Ctrl+S", "Alt+Up"; Qt's portable text).
ControlDesign Shortcut(ControlDesign design, std::string keys);
// The mouse wheel over the control moves `bar` (a table's rows scrolled by the bar beside them).
ControlDesign WheelScrolls(ControlDesign design, std::string bar);

}  // namespace ventrose::platform::dialect
