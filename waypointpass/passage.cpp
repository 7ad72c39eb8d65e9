// SPDX-License-Identifier: GPL-3.0-or-later
#include "waypointpass/passage.h"

#include <algorithm>
#include <cmath>

#include "waypointpass/time_of_day.h"

namespace ventrose::waypointpass {

Verdict Judge(const LegLine& leg, const Fix& previous, const Fix& current) {
    const Place before = leg.Locate(previous.position);
    Verdict verdict{.place = leg.Locate(current.position)};
    const Place& after = verdict.place;
    if (!(before.fromWaypointNm <= kReachNm && after.fromWaypointNm <= kReachNm)) return verdict;

    const double elapsed = ElapsedSeconds(previous.seconds, current.seconds);
    // Within kReachNm the frame's distances are true to a quarter of a percent, which a threshold
    // of 20 NM a second does not feel.
    const double moved = std::hypot(after.toGoNm - before.toGoNm, after.asideNm - before.asideNm);
    if (!(elapsed <= kMaxGapSeconds) || !(moved <= kJumpNmPerSecond * std::max(elapsed, 1.0))) {
        verdict.outcome = Outcome::Jump;
        return verdict;
    }
    if (!(before.toGoNm > 0 && after.toGoNm <= 0)) return verdict;

    // Both fixes are within kReachNm, where the pair's straight line in the frame is the path
    // between them to well under a metre for anything flown between two fixes.
    const double fraction = before.toGoNm / (before.toGoNm - after.toGoNm);
    verdict.abeamNm = std::abs(before.asideNm + fraction * (after.asideNm - before.asideNm));
    if (verdict.abeamNm <= kTopRadiusNm) {
        verdict.outcome = Outcome::Top;
        verdict.topSeconds = TimeOfDay(previous.seconds + fraction * elapsed);
    } else {
        verdict.outcome = Outcome::PassedAbeam;
    }
    return verdict;
}

}  // namespace ventrose::waypointpass
