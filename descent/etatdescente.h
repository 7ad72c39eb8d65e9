// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace ventrose::descent {

// The inputs of one mode of the descent planner. Altitudes are in feet, the distance in
// nautical miles, the ground speed in knots and the vertical speed in feet per minute, a
// magnitude without sign. An optional input stays unset until its bar first stores a value;
// where an unset input enters arithmetic it counts as 0.
struct EtatDescente {
    std::int32_t AltA = 0;
    std::int32_t AltB = 0;
    std::optional<std::int16_t> Dist{};
    std::optional<std::int16_t> Vs{};
    std::optional<std::int16_t> Vz{};
};

}  // namespace ventrose::descent
