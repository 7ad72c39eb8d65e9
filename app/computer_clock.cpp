// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/computer_clock.h"

#include <chrono>
#include <ctime>

namespace ventrose::app {

platform::ClockReading ComputerClock::Now() {
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    // tm_gmtoff holds the offset in force at that moment, summer time included; a system that
    // cannot say (localtime_r fails) is taken to keep UTC.
    const long offset = ::localtime_r(&seconds, &local) != nullptr ? local.tm_gmtoff : 0;
    return {static_cast<std::int64_t>(seconds), static_cast<std::int32_t>(offset)};
}

}  // namespace ventrose::app
