// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/sim_values.h"

#include <cmath>

namespace ventrose::simlink {

namespace {

// The 1976 standard atmosphere, in SI units.
constexpr double kSeaLevelPa = 101325.0;
constexpr double kSeaLevelK = 288.15;
constexpr double kLapseKPerM = 0.0065;
constexpr double kGasConstant = 287.05287;  // J/(kg·K), dry air
constexpr double kGravity = 9.80665;
constexpr double kTropopauseM = 11000.0;
constexpr double kTropopauseK = 216.65;
constexpr double kTropopausePa = 22632.04;
constexpr double kStratosphereTopPa = 5474.89;  // at 20000 m
constexpr double kPaPerInHg = 3386.38864;
constexpr double kFeetPerMetre = 1.0 / 0.3048;

}  // namespace

std::optional<double>& ValueOf(SimValues& values, Quantity quantity) {
    switch (quantity) {
        case Quantity::Tas: return values.tasKt;
        case Quantity::Ias: return values.iasKt;
        case Quantity::WindFromTrue: return values.windFromTrueDeg;
        case Quantity::WindSpeed: return values.windSpeedKt;
        case Quantity::MagVar: return values.magVarDeg;
        case Quantity::PressureAlt: return values.pressureAltFt;
        case Quantity::Oat: return values.oatC;
        case Quantity::GroundSpeed: return values.groundSpeedKt;
        case Quantity::Latitude: return values.latitudeDeg;
        case Quantity::Longitude: return values.longitudeDeg;
        case Quantity::UtcTime: return values.utcSeconds;
        case Quantity::LocalTime: break;
    }
    return values.localSeconds;
}

const std::optional<double>& ValueOf(const SimValues& values, Quantity quantity) {
    return ValueOf(const_cast<SimValues&>(values), quantity);
}

// Speeds may read a little below zero: noise about zero at rest, which the bars clamp. Angles
// may come unwrapped by up to a turn either way. Altitudes cover the Dead Sea on a day of high
// pressure and the highest a simulated aircraft climbs; temperatures the coldest and hottest
// air ever measured, with a margin. Positions and times have their own ranges and no margin: a
// latitude beyond a pole or a time after midnight is no place or time at all.
Limits LimitsOf(Quantity quantity) {
    switch (quantity) {
        case Quantity::Tas: return {-10.0, 3000.0};
        case Quantity::Ias: return {-10.0, 3000.0};
        case Quantity::WindFromTrue: return {-360.0, 720.0};
        case Quantity::WindSpeed: return {0.0, 1000.0};
        case Quantity::MagVar: return {-180.0, 180.0};
        case Quantity::PressureAlt: return {-5000.0, 100000.0};
        case Quantity::Oat: return {-120.0, 80.0};
        case Quantity::GroundSpeed: return {0.0, 3000.0};
        case Quantity::Latitude: return {-90.0, 90.0};
        case Quantity::Longitude: return {-180.0, 180.0};
        case Quantity::UtcTime:
        case Quantity::LocalTime: break;
    }
    return {0.0, kSecondsPerDay};
}

bool IsPlausible(Quantity quantity, double value) {
    const Limits limits = LimitsOf(quantity);
    return std::isfinite(value) && value >= limits.min && value <= limits.max;
}

std::string_view NameOf(Quantity quantity) {
    switch (quantity) {
        case Quantity::Tas: return "true airspeed";
        case Quantity::Ias: return "indicated airspeed";
        case Quantity::WindFromTrue: return "wind direction";
        case Quantity::WindSpeed: return "wind speed";
        case Quantity::MagVar: return "magnetic variation";
        case Quantity::PressureAlt: return "pressure altitude";
        case Quantity::Oat: return "outside temperature";
        case Quantity::GroundSpeed: return "ground speed";
        case Quantity::Latitude: return "latitude";
        case Quantity::Longitude: return "longitude";
        case Quantity::UtcTime: return "UTC time of day";
        case Quantity::LocalTime: break;
    }
    return "local time of day";
}

std::optional<double> PressureAltitudeFtFromInHg(double pressureInHg) {
    const double pa = pressureInHg * kPaPerInHg;
    if (!std::isfinite(pa) || pa < kStratosphereTopPa) return std::nullopt;
    double metres = 0;
    if (pa >= kTropopausePa) {
        const double exponent = kGasConstant * kLapseKPerM / kGravity;
        metres = kSeaLevelK / kLapseKPerM * (1.0 - std::pow(pa / kSeaLevelPa, exponent));
    } else {
        metres =
            kTropopauseM + kGasConstant * kTropopauseK / kGravity * std::log(kTropopausePa / pa);
    }
    return metres * kFeetPerMetre;
}

}  // namespace ventrose::simlink
