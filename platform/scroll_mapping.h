// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ventrose::platform {

// Where a scroll bar widget's positions run. Min always stands at the left (or top): a rising
// bar's positions are its values themselves, so that what a screen reader announces is the
// model's value; a falling bar (Min greater than Max) runs from -Min to -Max.
struct PositionSpan {
    int low = 0, high = 0;
};
PositionSpan PositionsOf(int min, int max);
int PositionOf(int value, int min, int max);
// The model's value for a widget position, kept within Min..Max.
int ValueAt(int position, int min, int max);

}  // namespace ventrose::platform
