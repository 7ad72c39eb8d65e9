// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clock.h"

namespace ventrose::app {

// The computer's own clock, and its time zone as the system sets it (TZ, /etc/localtime).
class ComputerClock : public platform::Clock {
public:
    platform::ClockReading Now() override;
};

}  // namespace ventrose::app
