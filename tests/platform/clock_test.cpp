// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"

#include <gtest/gtest.h>

namespace ventrose::platform {
namespace {

// A reading and its UTC date, both ways, across the days a calendar gets wrong: the epoch, a
// leap day, the turn of a year and of a century that is not leap, one that is.
TEST(Clock, ReadsTheUtcDateOfAReading) {
    const struct {
        CalendarDate date;
        int hour, minute;
        long long seconds;
    } rows[] = {
        {{1970, 1, 1}, 0, 0, 0},
        {{2024, 2, 29}, 23, 59, 1709251140},
        {{2025, 12, 31}, 12, 0, 1767182400},
        {{2026, 1, 1}, 0, 0, 1767225600},
        {{2100, 3, 1}, 0, 0, 4107542400},
        {{1969, 12, 31}, 23, 0, -3600},
    };
    for (const auto& row : rows) {
        const ClockReading reading = AtUtc(row.date, row.hour, row.minute);
        EXPECT_EQ(reading.utcSeconds, row.seconds) << row.date.year;
        EXPECT_EQ(UtcDate(reading), row.date) << row.seconds;
    }
    // The local offset changes the local time, never the UTC date.
    EXPECT_EQ(UtcDate({1767225600 - 1, 3600}), (CalendarDate{2025, 12, 31}));
}

TEST(Clock, TellsTheDaysThatExist) {
    EXPECT_TRUE(IsCalendarDate({2028, 2, 29}));
    EXPECT_TRUE(IsCalendarDate({2000, 2, 29}));
    EXPECT_FALSE(IsCalendarDate({2100, 2, 29}));
    EXPECT_FALSE(IsCalendarDate({2026, 4, 31}));
    EXPECT_FALSE(IsCalendarDate({2026, 13, 1}));
    EXPECT_FALSE(IsCalendarDate({2026, 1, 0}));
    EXPECT_FALSE(IsCalendarDate({0, 1, 1}));
    EXPECT_FALSE(IsCalendarDate({10000, 1, 1}));
}

}  // namespace
}  // namespace ventrose::platform
