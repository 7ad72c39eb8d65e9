// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ventrose::platform {

enum class ControlKind {
    Label,
    CommandButton,
    HScrollBar,
    VScrollBar,
    OptionButton,
    TextBox,
    Frame,
    Line,
    Image,
    Shape,
    CheckBox
};

enum class Alignment { Left, Right, Center };

// 0xRRGGBB; kDefaultColour leaves the toolkit's own colour.
using Colour = std::uint32_t;
inline constexpr Colour kDefaultColour = 0xFFFFFFFFu;

// Designs are drawn in pixels at 96 dpi and stored in twips (1440 per inch): `12 * kPx` is twelve
// of those pixels. The view divides by it again, scaled to the screen's own dpi.
inline constexpr int kPx = 15;

struct Font {
    int pointSize = 8;
    bool bold = false;
    bool serif = false;
};

// One control as the window's designer laid it out. Geometry is in twips (kPx to the pixel at
// 96 dpi), relative to the container's client area.
struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string name{};
    std::string container{};  // "" for the form itself, else the name of a frame
    std::string caption{};    // label, button, option and frame text; the text box's text
    int left = 0, top = 0, width = 0, height = 0;
    // Scroll bars; a check box's value is 0 or 1 (ticked), within min 0 and max 1.
    int min = 0, max = 32767, smallChange = 1, largeChange = 1, value = 0;
    bool selected = false;  // option buttons
    bool visible = true;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // lines
    Colour backColour = kDefaultColour;
    Colour foreColour = kDefaultColour;
    Font font{};
    Alignment alignment = Alignment::Left;
    bool wordWrap = true;   // labels: captions wrap at the label's width
    std::string picture{};  // images: resource path of the picture
    int borderWidth = 1;    // lines and shapes
    // The label that names the control for screen readers where no caption stands beside it
    // (a result at the far end of its caption's row, a readout with its caption elsewhere).
    std::string labelledBy{};
    // A control array: `rows` elements named `name(1)` to `name(rows)`, element i standing
    // (i - 1) * rowPitch twips below the first. 0 is a single control. A table of legs is so
    // many ordinary controls, each reached by its column and its row, which every view and
    // every test already knows how to show, type into and read.
    int rows = 0;
    int rowPitch = 0;
    // The scroll bar that a mouse wheel over the control moves, one arrow a notch: a table's
    // rows scroll under the wheel as the bar beside them does. Empty for none.
    std::string wheelBar{};
    // Keys that press the control from anywhere in its window, in Qt's portable text ("Ctrl+S",
    // "Alt+Up"): a command a person reaches without the mouse or Tab. Empty for none.
    std::string shortcut{};
};

struct FormDesign {
    std::string name{};
    std::string caption{};
    int width = 0, height = 0;  // client area, twips
    Colour backColour = kDefaultColour;
    std::vector<ControlDesign> controls{};  // in design order; a frame comes before its children
};

}  // namespace ventrose::platform
