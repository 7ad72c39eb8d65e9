#include "platform/scroll_mapping.h"

#include <algorithm>
#include <cstdlib>

namespace ventrose::platform {

int PositionRange(int min, int max) { return std::abs(max - min); }

int PositionOf(int value, int min, int max) {
    const int position = max >= min ? value - min : min - value;
    return std::clamp(position, 0, PositionRange(min, max));
}

int ValueAt(int position, int min, int max) {
    const int limited = std::clamp(position, 0, PositionRange(min, max));
    return max >= min ? min + limited : min - limited;
}

}  // namespace ventrose::platform
