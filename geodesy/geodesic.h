// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "common/latlon.h"

// Legs on the WGS84 ellipsoid, solved by GeographicLib's geodesics (Karney's algorithms, accurate
// to nanometres): the distance a pilot flies, the course at the leg's middle, and long legs cut
// into equal parts along the same geodesic.
namespace ventrose::geodesy {

inline constexpr double kMetresPerNauticalMile = 1852;

struct Leg {
    double distanceNm = 0;
    // The true course at the middle of the geodesic, 0 (inclusive) to 360 (exclusive): on a long
    // leg the course changes along the way, and the middle's is the one closest to all of it.
    double trueCourse = 0;
    common::LatLon middle;
};

// The geodesic from `from` to `to` (both within range). Where the shortest path is not unique
// (two antipodes, or two points on the equator nearly opposite), GeographicLib's choice stands.
Leg Measure(common::LatLon from, common::LatLon to);

// The geodesic from `from` to `to` (both within range) as GeographicLib's inverse problem
// solves it: its length, and the azimuths at its two ends, in degrees from true north as
// GeographicLib gives them (-180 to 180). Used where the direction at a point matters more than
// the course a pilot reads, so they are not turned into 0..360.
struct Path {
    double distanceNm = 0;
    double startAzimuth = 0;  // leaving `from`
    double endAzimuth = 0;    // arriving at `to`, continuing the same way
};
Path PathBetween(common::LatLon from, common::LatLon to);

// The fewest equal parts of at most `maxNm` (above 0) that a leg of `distanceNm` is cut into: 1
// for a leg of maxNm or less.
int PartsNeeded(double distanceNm, double maxNm);

struct Part {
    Leg leg;
    common::LatLon end;
};

// The geodesic from `from` to `to` cut into `parts` (1 or more) equal parts, in order; the last
// part ends exactly at `to`.
std::vector<Part> Split(common::LatLon from, common::LatLon to, int parts);

}  // namespace ventrose::geodesy
