// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ventrose::common {

// A place on the WGS84 ellipsoid, in degrees: latitude -90..90 (north positive), longitude
// -180..180 (east positive). Whoever builds one from outside checks those ranges first.
struct LatLon {
    double latitude = 0;
    double longitude = 0;
    friend bool operator==(const LatLon&, const LatLon&) = default;
};

}  // namespace ventrose::common
