// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "navlog/lognav.h"

namespace ventrose::bench {

// A full log: 100 legs spread over the bars' ranges the same way on every run, long accented
// waypoint names, and an actual time on every third leg.
inline navlog::LogNav FullLog() {
    using namespace navlog;
    LogNav log;
    log.Vp = 135;
    log.departure = 8 * 60 + 15;
    log.fuelUnit = UniteCarbu::Litres;
    log.fuelAtDeparture = 180.5;
    log.fuelPerHour = 32.7;
    log.finalReserve = 25;
    std::uint32_t state = 12345;
    auto next = [&state](int low, int high) {
        state = state * 1664525u + 1013904223u;
        return low + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(high - low + 1));
    };
    for (int i = 0; i < static_cast<int>(kMaxEtapes); ++i) {
        Etape e{"Château-Thierry Étampes n° " + std::to_string(i),
                next(0, 360),
                next(1, 400),
                next(0, 360),
                next(0, 60),
                {}};
        if (i % 3 == 2) e.HR = next(0, 1439);
        log.etapes.push_back(e);
    }
    return log;
}

}  // namespace ventrose::bench
