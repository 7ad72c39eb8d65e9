// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// Times of day as the simulators and the computer's clock give them: seconds after midnight.
namespace ventrose::waypointpass {

inline constexpr double kSecondsPerDay = 86400;

// `seconds` brought into 0 (inclusive) to 86400 (exclusive), a day at a time: 86400 is 0, -10 is
// 86390. `seconds` finite.
double TimeOfDay(double seconds);

// The seconds from the time of day `from` to the time of day `to`, going forward: 0 to 86400
// (exclusive). Across midnight, 86399.5 to 0.5 is 1; a clock set back by a second is 86399.
double ElapsedSeconds(double from, double to);

// The time of day `seconds` on another clock that reads `otherNow` when this one reads `now`:
// the local time of a Top interpolated in UTC, for instance. All finite.
double ShiftedClock(double seconds, double now, double otherNow);

// The minutes after midnight, 0 to 1439, that a Top writes for a clock reading `seconds`: to the
// nearest minute, half a minute up (10:32:30 is 10:33), and midnight for the last half minute of
// a day (23:59:40 is 00:00). Nothing when `seconds` is not finite.
std::optional<int> TopMinutes(double seconds);

}  // namespace ventrose::waypointpass
