// SPDX-License-Identifier: GPL-3.0-or-later
#include "geodesy/geodesic.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>

#include <cmath>

namespace ventrose::geodesy {

namespace {

using GeographicLib::Geodesic;
using GeographicLib::GeodesicLine;

double Course(double azimuth) {
    // GeographicLib gives azimuths in [-180, 180].
    double course = std::fmod(azimuth, 360.0);
    if (course < 0) course += 360;
    return course >= 360 ? 0 : course;
}

common::LatLon At(const GeodesicLine& line, double metres, double* azimuth = nullptr) {
    double lat = 0, lon = 0, azi = 0;
    line.Position(metres, lat, lon, azi);
    if (azimuth) *azimuth = azi;
    return {lat, lon};
}

// The leg of `line` from `start` metres to `end` metres.
Leg Between(const GeodesicLine& line, double start, double end) {
    Leg leg;
    leg.distanceNm = (end - start) / kMetresPerNauticalMile;
    double azimuth = 0;
    leg.middle = At(line, (start + end) / 2, &azimuth);
    leg.trueCourse = Course(azimuth);
    return leg;
}

}  // namespace

Leg Measure(common::LatLon from, common::LatLon to) {
    const GeodesicLine line =
        Geodesic::WGS84().InverseLine(from.latitude, from.longitude, to.latitude, to.longitude);
    return Between(line, 0, line.Distance());
}

Path PathBetween(common::LatLon from, common::LatLon to) {
    double metres = 0;
    Path path;
    Geodesic::WGS84().Inverse(from.latitude, from.longitude, to.latitude, to.longitude, metres,
                              path.startAzimuth, path.endAzimuth);
    path.distanceNm = metres / kMetresPerNauticalMile;
    return path;
}

int PartsNeeded(double distanceNm, double maxNm) {
    if (!(distanceNm > maxNm)) return 1;
    return static_cast<int>(std::ceil(distanceNm / maxNm));
}

std::vector<Part> Split(common::LatLon from, common::LatLon to, int parts) {
    const GeodesicLine line =
        Geodesic::WGS84().InverseLine(from.latitude, from.longitude, to.latitude, to.longitude);
    const double total = line.Distance();
    std::vector<Part> result;
    result.reserve(static_cast<std::size_t>(parts));
    for (int k = 1; k <= parts; ++k) {
        const double start = total * (k - 1) / parts;
        const double end = total * k / parts;
        // The last end is `to` itself, not a point computed back from the distance.
        result.push_back({Between(line, start, end), k == parts ? to : At(line, end)});
    }
    return result;
}

}  // namespace ventrose::geodesy
