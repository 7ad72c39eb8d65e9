// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace ventrose::platform {

class Control;

// A control's rectangle in twips in its window's client area, through the frames that hold it.
struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

TwipRect PlaceInWindow(const Control& control);

// The controls as a person reads the window: rows from top to bottom, each from left to right.
// A control belongs to the row of the first control above it when it starts above that
// control's middle, so that controls of one line whose tops differ by a few pixels (a box beside
// a caption, a button beside a box) stay together.
std::vector<const Control*> InReadingOrder(std::vector<const Control*> controls);

}  // namespace ventrose::platform
