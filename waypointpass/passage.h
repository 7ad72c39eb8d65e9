// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "common/latlon.h"
#include "waypointpass/leg_line.h"

// The automatic Top: from two successive fixes of the aircraft, whether it passed the current
// leg's waypoint between them, and when.
//
// The aircraft passes the waypoint when its distance to go along the leg reaches zero: it crosses
// the line through the waypoint perpendicular to the leg (LegLine). Within kTopRadiusNm of the
// waypoint the pass is a Top, at the time interpolated linearly between the two fixes to where
// the line is crossed; further abeam it is no Top (the pilot tops by hand) and the next leg
// becomes current. Only the forward crossing counts: going back over the line decides nothing,
// nor does a leg whose line is already behind the aircraft when it becomes current (a pass not
// seen: it waits for the pilot's hand, as a leg without position does).
//
// Two fixes that are not one flight decide nothing (Outcome::Jump):
// - the clock: the later fix more than kMaxGapSeconds after the earlier, or before it (a replay,
//   the simulator's time set back or forward, the link lost for a while). Times are times of day,
//   so 23:59:59.5 to 00:00:00.5 is half a second; a clock set back by a second reads as a day
//   less a second, and is a jump too. Within the gap the crossing lies between the two fixes, so
//   the interpolated time is off by less than the gap whatever the aircraft did meanwhile: 30 s
//   keeps a Top within a minute of the truth, its rounding included.
// - the position: more than kJumpNmPerSecond for each second of simulator time between the fixes,
//   a second at least (a new flight, a teleport). 20 NM in a second is 72,000 kt, far beyond
//   anything flown even at a simulator's 16-fold ground speed, so a real flight never trips it at
//   any rate of fixes; the second at least is the resolution of the simulators' clocks
//   (FlightGear's UTC is in whole seconds, so two fixes a quarter of a second apart often read
//   the same time) and allows for a position moved while the simulator is paused.
// Nor do two fixes of which either is further than kReachNm from the waypoint (Outcome::None):
// the line is the waypoint's only near it; a line crossed further away than a whole leg can be
// long says nothing of this waypoint (and near the waypoint's antipode every direction meets,
// where a crossing would be an artefact of the frame).
namespace ventrose::waypointpass {

inline constexpr double kTopRadiusNm = 3;
inline constexpr double kJumpNmPerSecond = 20;
inline constexpr double kMaxGapSeconds = 30;
inline constexpr double kReachNm = 400;

struct Fix {
    common::LatLon position;
    // The simulator's time of day in seconds, 0 to 86400: any clock that runs on, UTC best, which
    // does not jump at the edge of a time zone (see ShiftedClock in time_of_day.h for the local
    // time of a Top).
    double seconds = 0;
};

enum class Outcome : std::uint8_t {
    None,         // the line was not crossed between the two fixes
    Top,          // crossed within kTopRadiusNm of the waypoint, at topSeconds
    PassedAbeam,  // crossed further from the waypoint: no Top, and the next leg becomes current
    Jump,         // the two fixes are not one flight: nothing is decided from them
};

struct Verdict {
    Outcome outcome = Outcome::None;
    Place place;  // the later fix's
    // Top: the time of day where the line was crossed, 0 (inclusive) to 86400 (exclusive).
    double topSeconds = 0;
    // Top and PassedAbeam: how far from the waypoint the line was crossed.
    double abeamNm = 0;
};

// The pair `previous`, `current` on `leg`. Each position within range and each time finite.
Verdict Judge(const LegLine& leg, const Fix& previous, const Fix& current);

}  // namespace ventrose::waypointpass
