// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace ventrose::platform {

// A day of the Gregorian calendar.
struct CalendarDate {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// What a clock reads at one moment: the time in UTC, to the second, and how far the local time
// stood from it then (summer time included). A window shows the one its pilot flies by, and a
// model of the Earth takes the UTC date, from the same reading.
struct ClockReading {
    std::int64_t utcSeconds = 0;          // since 1970-01-01 00:00:00 UTC
    std::int32_t localOffsetSeconds = 0;  // local time less UTC: +7200 in Paris in summer
    friend bool operator==(const ClockReading&, const ClockReading&) = default;
};

// The date in UTC of a reading.
CalendarDate UtcDate(const ClockReading& reading);

// The reading of `date` at `hour`:`minute` UTC, local time being UTC. The date is taken to be a
// real one (the caller checks it with IsCalendarDate).
ClockReading AtUtc(CalendarDate date, int hour, int minute);

// Whether the day exists: 29 February only in a leap year, years 1 to 9999.
bool IsCalendarDate(CalendarDate date);

// Where the windows read the date and the time: the computer's clock in the program, a script's
// in a scenario, so that what depends on the date (the magnetic variation) is the same at every
// run of a test.
class Clock {
public:
    virtual ~Clock() = default;
    virtual ClockReading Now() = 0;
};

}  // namespace ventrose::platform
