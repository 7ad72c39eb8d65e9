// SPDX-License-Identifier: GPL-3.0-or-later
#include "waypointpass/time_of_day.h"

#include <gtest/gtest.h>

#include <limits>

namespace ventrose::waypointpass {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(TimeOfDay, BringsAReadingIntoTheDay) {
    EXPECT_EQ(TimeOfDay(86400), 0);
    EXPECT_EQ(TimeOfDay(-10), 86390);
    EXPECT_EQ(TimeOfDay(-1e-20), 0) << "a day less nothing is midnight, not 86400";
    EXPECT_EQ(TimeOfDay(3 * 86400 + 12.5), 12.5);
}

TEST(ElapsedSeconds, GoesForwardAcrossMidnight) {
    EXPECT_EQ(ElapsedSeconds(86399.5, 0.5), 1);
    EXPECT_EQ(ElapsedSeconds(100, 99), 86399) << "a clock set back reads as nearly a day";
}

TEST(ShiftedClock, CarriesATimeToTheOtherClock) {
    // A Top at 23:59:50 UTC, read five seconds later, when the local time is 00:59:55.
    EXPECT_EQ(ShiftedClock(86390, 86395, 3595), 3590);
}

TEST(TopMinutes, RoundsToTheNearestMinuteHalfUp) {
    const struct {
        const char* what;
        double seconds;
        int minutes;
    } rows[] = {
        {"the last half minute of a day is midnight", 23 * 3600 + 59 * 60 + 40, 0},
        {"half a minute up", 10 * 3600 + 32 * 60 + 30, 10 * 60 + 33},
        {"just under half a minute down", 10 * 3600 + 32 * 60 + 29.99, 10 * 60 + 32},
        {"midnight as X-Plane's float may give it", 86400, 0},
    };
    for (const auto& row : rows) EXPECT_EQ(TopMinutes(row.seconds), row.minutes) << row.what;
}

TEST(TopMinutes, AnyReadingGivesAMinuteOfTheDayOrNothing) {
    EXPECT_FALSE(TopMinutes(kNaN));
    EXPECT_FALSE(TopMinutes(std::numeric_limits<double>::infinity()));
    const auto huge = TopMinutes(1e300);
    ASSERT_TRUE(huge);
    EXPECT_TRUE(*huge >= 0 && *huge < 1440);
}

}  // namespace
}  // namespace ventrose::waypointpass
