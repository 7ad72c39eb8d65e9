// SPDX-License-Identifier: GPL-3.0-or-later
#include "waypointpass/leg_line.h"

#include <cmath>
#include <numbers>

#include "geodesy/geodesic.h"

namespace ventrose::waypointpass {

namespace {

constexpr double kShortestLegNm = 1.0 / geodesy::kMetresPerNauticalMile;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;

}  // namespace

std::optional<LegLine> LegLine::Between(common::LatLon start, common::LatLon waypoint) {
    const geodesy::Path path = geodesy::PathBetween(start, waypoint);
    // Written so that NaN, from positions out of range, gives no leg too.
    if (!(path.distanceNm >= kShortestLegNm) || !std::isfinite(path.endAzimuth))
        return std::nullopt;
    return LegLine(waypoint, path.endAzimuth);
}

Place LegLine::Locate(common::LatLon aircraft) const {
    const geodesy::Path path = geodesy::PathBetween(waypoint_, aircraft);
    const double angle = (path.startAzimuth - arrivingAzimuth_) * kRadiansPerDegree;
    return {.toGoNm = -path.distanceNm * std::cos(angle),
            .asideNm = path.distanceNm * std::sin(angle),
            .fromWaypointNm = path.distanceNm};
}

}  // namespace ventrose::waypointpass
