// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"

namespace ventrose::scenario {

// The clock of a scenario: it reads what the file's clock steps set (a date and time in UTC, with
// the local offset they give, none by default) and moved it by, and stands still in between, so
// that a file plays the same on every day it is run and on any machine. Until a clock step,
// 2025-01-01 00:00, local time being UTC.
class ScriptedClock : public platform::Clock {
public:
    static constexpr platform::CalendarDate kStartDate{2025, 1, 1};

    platform::ClockReading Now() override { return reading_; }
    void set(platform::ClockReading reading) { reading_ = reading; }

private:
    platform::ClockReading reading_ = platform::AtUtc(kStartDate, 0, 0);
};

}  // namespace ventrose::scenario
