// SPDX-License-Identifier: GPL-3.0-or-later
#include "waypointpass/time_of_day.h"

#include <cmath>

namespace ventrose::waypointpass {

namespace {

constexpr int kMinutesPerDay = 24 * 60;

}  // namespace

double TimeOfDay(double seconds) {
    const double inDay = std::fmod(seconds, kSecondsPerDay);
    const double wrapped = inDay < 0 ? inDay + kSecondsPerDay : inDay;
    // A tiny negative remainder plus a day rounds to the day itself.
    return wrapped >= kSecondsPerDay ? 0 : wrapped;
}

double ElapsedSeconds(double from, double to) { return TimeOfDay(to - from); }

double ShiftedClock(double seconds, double now, double otherNow) {
    return TimeOfDay(seconds + (otherNow - now));
}

std::optional<int> TopMinutes(double seconds) {
    if (!std::isfinite(seconds)) return std::nullopt;
    const double minutes = std::floor(TimeOfDay(seconds) / 60 + 0.5);
    return static_cast<int>(minutes) % kMinutesPerDay;
}

}  // namespace ventrose::waypointpass
