// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/latlon.h"

// The magnetic variation (declination) of the World Magnetic Model 2025, evaluated here from its
// coefficients, compiled into the program: no data file to install or find at run time, and the
// few microseconds of one evaluation need nothing more.
namespace ventrose::magnetic {

inline constexpr double kValidFrom = 2025.0;
inline constexpr double kValidUntil = 2030.0;

struct Date {
    int year = 2025;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
};

// The date as the model counts time: year + (day of the year - 1) / days in that year, as NOAA's
// own software does. A month or day out of range is brought to the nearest valid one.
double DecimalYear(Date date);

struct Declination {
    double degrees = 0;  // east of true north positive, west negative, -180..180
    // False outside 2025.0..2030.0: the model is still evaluated, its secular variation carried
    // on as it stands, but NOAA vouches for it only within those years.
    bool withinValidity = true;
};

// The declination at `position` (within range), `heightKm` above the WGS84 ellipsoid (0 for sea
// level: the geoid's few tens of metres change nothing here), at `decimalYear`. At the geographic
// poles, where north is every way, the point is taken 0.1 m off the pole along its meridian.
Declination Wmm2025Declination(common::LatLon position, double heightKm, double decimalYear);

}  // namespace ventrose::magnetic
