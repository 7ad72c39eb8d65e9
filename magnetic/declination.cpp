// SPDX-License-Identifier: GPL-3.0-or-later
// The field's northward and eastward components from the model's spherical harmonic expansion,
// as the WMM2025 technical report sets it out: geodetic to geocentric coordinates, Schmidt
// semi-normalised associated Legendre functions to degree 12, then the rotation back to the
// geodetic frame. The declination is the angle of the horizontal field from true north.
#include "magnetic/declination.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "magnetic/cof.h"

namespace ventrose::magnetic {

namespace {

constexpr double kDegreesToRadians = std::numbers::pi / 180;
// WGS84, in km, and the model's reference radius.
constexpr double kSemiMajorAxis = 6378.137;
constexpr double kFlattening = 1 / 298.257223563;
constexpr double kEccentricitySquared = kFlattening * (2 - kFlattening);
constexpr double kReferenceRadius = 6371.2;
// About 0.1 m: away from the pole's singular point, and nowhere a pilot could tell the difference.
constexpr double kPoleMargin = 1e-6;

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

}  // namespace

double DecimalYear(Date date) {
    const int month = std::clamp(date.month, 1, 12);
    const int day = std::clamp(date.day, 1, DaysIn(date.year, month));
    int dayOfYear = day;
    for (int m = 1; m < month; ++m) dayOfYear += DaysIn(date.year, m);
    return date.year + (dayOfYear - 1) / (IsLeap(date.year) ? 366.0 : 365.0);
}

Declination Wmm2025Declination(common::LatLon position, double heightKm, double decimalYear) {
    const Coefficients& c = Wmm2025();
    const double latitude = std::clamp(position.latitude, -90 + kPoleMargin, 90 - kPoleMargin);
    const double phi = latitude * kDegreesToRadians;
    const double lambda = position.longitude * kDegreesToRadians;

    // Geodetic latitude and height to geocentric latitude and radius.
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    const double rc = kSemiMajorAxis / std::sqrt(1 - kEccentricitySquared * sinPhi * sinPhi);
    const double p = (rc + heightKm) * cosPhi;
    const double z = (rc * (1 - kEccentricitySquared) + heightKm) * sinPhi;
    const double r = std::hypot(p, z);
    const double phiC = std::asin(z / r);

    // Legendre functions of cos(colatitude) and their derivatives by colatitude.
    const double x = std::sin(phiC), s = std::cos(phiC);
    double P[kDegree + 1][kDegree + 1] = {};
    double dP[kDegree + 1][kDegree + 1] = {};
    P[0][0] = 1;
    for (int n = 1; n <= kDegree; ++n) {
        for (int m = 0; m < n; ++m) {
            const double a = 2 * n - 1;
            const double b = n - 2 >= m ? std::sqrt(double((n - 1) * (n - 1) - m * m)) : 0;
            const double d = std::sqrt(double(n * n - m * m));
            const double before = n - 2 >= m ? P[n - 2][m] : 0;
            const double dBefore = n - 2 >= m ? dP[n - 2][m] : 0;
            P[n][m] = (a * x * P[n - 1][m] - b * before) / d;
            dP[n][m] = (a * (x * dP[n - 1][m] - s * P[n - 1][m]) - b * dBefore) / d;
        }
        const double k = n == 1 ? 1 : std::sqrt((2.0 * n - 1) / (2.0 * n));
        P[n][n] = k * s * P[n - 1][n - 1];
        dP[n][n] = k * (s * dP[n - 1][n - 1] + x * P[n - 1][n - 1]);
    }

    std::array<double, kDegree + 1> cosM{}, sinM{};
    for (int m = 0; m <= kDegree; ++m) {
        cosM[static_cast<std::size_t>(m)] = std::cos(m * lambda);
        sinM[static_cast<std::size_t>(m)] = std::sin(m * lambda);
    }

    const double dt = decimalYear - c.epoch;
    const double ratio = kReferenceRadius / r;
    double power = ratio * ratio;
    double north = 0, east = 0, down = 0;
    for (int n = 1; n <= kDegree; ++n) {
        power *= ratio;  // (a / r)^(n + 2)
        for (int m = 0; m <= n; ++m) {
            const auto i = static_cast<std::size_t>(n * (n + 1) / 2 + m);
            const auto mm = static_cast<std::size_t>(m);
            const double g = c.g[i] + dt * c.gDot[i];
            const double h = c.h[i] + dt * c.hDot[i];
            const double along = g * cosM[mm] + h * sinM[mm];
            north += power * along * dP[n][m];
            east += power * m * (g * sinM[mm] - h * cosM[mm]) * P[n][m];
            down -= power * (n + 1) * along * P[n][m];
        }
    }
    east /= s;

    // From the geocentric frame back to the geodetic one: a rotation about the east axis.
    const double psi = phiC - phi;
    const double northGeodetic = north * std::cos(psi) - down * std::sin(psi);
    Declination result;
    result.degrees = std::atan2(east, northGeodetic) / kDegreesToRadians;
    result.withinValidity = decimalYear >= kValidFrom && decimalYear <= kValidUntil;
    return result;
}

}  // namespace ventrose::magnetic
