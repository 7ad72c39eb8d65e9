#pragma once

namespace ventrose::platform {

// A scroll bar widget runs from 0 to |Max - Min| with Min always at the left (or top), even
// when Min is greater than Max: the model's value maps to the distance from Min.
int PositionRange(int min, int max);
int PositionOf(int value, int min, int max);
// The model's value for a widget position, kept within Min..Max.
int ValueAt(int position, int min, int max);

}  // namespace ventrose::platform
