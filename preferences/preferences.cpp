// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/preferences.h"

namespace ventrose::preferences {

bool IsWindowName(std::string_view name) {
    if (name.empty() || name.size() > 64) return false;
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (!letter(name.front())) return false;
    for (const char c : name) {
        if (!letter(c) && !(c >= '0' && c <= '9') && c != '_') return false;
    }
    return true;
}

bool IsSavedPosition(Point position) {
    const auto inRange = [](int v) { return v >= -kMaxCoordinate && v <= kMaxCoordinate; };
    return inRange(position.x) && inRange(position.y);
}

}  // namespace ventrose::preferences
