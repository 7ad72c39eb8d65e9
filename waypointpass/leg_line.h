// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "common/latlon.h"

// Where the aircraft is on a leg of the log: how far it still has to go to the waypoint along the
// leg, and how far it is to one side.
//
// The frame is the azimuthal equidistant projection centred on the waypoint, its axis the leg as
// it arrives there: a place at geodesic distance r from the waypoint, in the direction β seen
// from the waypoint, is r cos(β - α) past the waypoint and r sin(β - α) to the right, α being the
// leg's direction at the waypoint. GeographicLib solves r and β (Karney's geodesics, exact to
// nanometres), so in this frame every distance from the waypoint and every direction at it is
// exact, and the geodesics through the waypoint are straight lines: the leg itself, and the line
// through the waypoint perpendicular to the leg, whose crossing is the Top. Hence the sign of the
// distance to go is exact wherever the aircraft is, and a place on the leg is its exact distance
// from the waypoint. For a place off the leg the distance to go is a projection, which differs
// from the distance to the foot of the perpendicular on the leg by under 0.01 NM within 400 NM of
// the waypoint and 20 NM of the leg (a pilot reads it rounded to the NM). A plane tangent at the
// waypoint would be as good near it, but wrong by miles at the start of a long leg.
namespace ventrose::waypointpass {

struct Place {
    // Along the leg, to the line through the waypoint: positive before it, zero on it, negative
    // past it.
    double toGoNm = 0;
    // Across the leg: positive to the right of the leg as it is flown, negative to the left.
    double asideNm = 0;
    // From the waypoint, straight (the geodesic).
    double fromWaypointNm = 0;
};

class LegLine {
public:
    // The leg from `start` (the previous waypoint, or the origin) to `waypoint`, both within
    // range. Nothing when the two are less than a metre apart: such a leg has no direction, and
    // so no line to pass.
    static std::optional<LegLine> Between(common::LatLon start, common::LatLon waypoint);

    Place Locate(common::LatLon aircraft) const;

    const common::LatLon& waypoint() const { return waypoint_; }
    // The leg's direction as it arrives at the waypoint, degrees from true north (-180 to 180).
    double arrivingAzimuth() const { return arrivingAzimuth_; }

private:
    LegLine(common::LatLon waypoint, double arrivingAzimuth)
        : waypoint_(waypoint), arrivingAzimuth_(arrivingAzimuth) {}

    common::LatLon waypoint_;
    double arrivingAzimuth_;
};

}  // namespace ventrose::waypointpass
