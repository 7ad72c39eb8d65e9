// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "common/tr.h"
#include "preferences/geometry.h"
#include "preferences/palette.h"
#include "simlink/link_choice.h"

namespace ventrose::preferences {

// A saved position lies within this many pixels of the origin on each axis: more than any
// desktop, small enough that no sum of them overflows.
inline constexpr int kMaxCoordinate = 100000;

// What the program remembers from one run to the next.
struct Preferences {
    bool onTop = false;
    Palette palette = Palette::Jour;
    // Each window's last position (its frame's top-left corner), by form name ("frmMainCalc",
    // "frmVitesse", "frmDescente", "frmConversions", "frmQuit"); a window never moved has none.
    std::map<std::string, Point, std::less<>> windowPositions{};
    // The simulator the windows follow, if any.
    std::optional<simlink::LinkChoice> simLink{};
    // The language a person chose; none follows the system's (translations/language.h).
    std::optional<common::Language> language{};
    friend bool operator==(const Preferences&, const Preferences&) = default;
};

// A form name as the settings may hold it: a letter, then up to 63 letters, digits or '_'
// (ASCII). Names of windows yet to come are kept as they are.
bool IsWindowName(std::string_view name);

// Within ±kMaxCoordinate on both axes.
bool IsSavedPosition(Point position);

}  // namespace ventrose::preferences
