// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scroll_mapping.h"

#include <algorithm>

namespace ventrose::platform {

// Bars hold 16-bit values, so negating one stays well within an int.
PositionSpan PositionsOf(int min, int max) {
    return max >= min ? PositionSpan{min, max} : PositionSpan{-min, -max};
}

int PositionOf(int value, int min, int max) {
    const PositionSpan span = PositionsOf(min, max);
    return std::clamp(max >= min ? value : -value, span.low, span.high);
}

int ValueAt(int position, int min, int max) {
    const PositionSpan span = PositionsOf(min, max);
    const int limited = std::clamp(position, span.low, span.high);
    return max >= min ? limited : -limited;
}

}  // namespace ventrose::platform
