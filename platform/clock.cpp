// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"

#include <chrono>

namespace ventrose::platform {

namespace {

using std::chrono::days;
using std::chrono::seconds;
using std::chrono::sys_days;

std::chrono::year_month_day Civil(CalendarDate date) {
    return {std::chrono::year{date.year}, std::chrono::month{static_cast<unsigned>(date.month)},
            std::chrono::day{static_cast<unsigned>(date.day)}};
}

}  // namespace

CalendarDate UtcDate(const ClockReading& reading) {
    const auto day =
        std::chrono::floor<days>(std::chrono::sys_seconds{seconds{reading.utcSeconds}});
    const std::chrono::year_month_day civil{day};
    return {static_cast<int>(civil.year()), static_cast<int>(static_cast<unsigned>(civil.month())),
            static_cast<int>(static_cast<unsigned>(civil.day()))};
}

ClockReading AtUtc(CalendarDate date, int hour, int minute) {
    const sys_days day{Civil(date)};
    const auto at = std::chrono::time_point_cast<seconds>(day) + std::chrono::hours{hour} +
                    std::chrono::minutes{minute};
    return {at.time_since_epoch().count(), 0};
}

bool IsCalendarDate(CalendarDate date) {
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > 31)
        return false;
    return Civil(date).ok();
}

}  // namespace ventrose::platform
