// SPDX-License-Identifier: GPL-3.0-or-later
#include "airspeed/vpexacte.h"

#include <cmath>

#include "airspeed/calculvp.h"
#include "common/format.h"

// The atmosphere is that of the U.S. Standard Atmosphere, 1976 (NOAA, NASA and USAF, 1976): its
// constants, and the pressure of its first two layers (a lapse of 6.5 K/km up to 11 km, then
// isothermal at 216.65 K up to 20 km) as functions of geopotential height, which is what a
// pressure altitude is. The pitot relations are those of NACA Report 1135, "Equations, tables,
// and charts for compressible flow" (Ames Research Staff, 1953): the isentropic relation below
// Mach 1 and Rayleigh's supersonic pitot formula above it.

namespace ventrose::airspeed {

namespace {

constexpr double kMetresPerFoot = 0.3048;
constexpr double kMetresPerSecondPerKnot = 1852.0 / 3600.0;
constexpr double kZeroCelsius = 273.15;  // kelvin

constexpr double kGamma = 1.4;              // ratio of specific heats of air
constexpr double kGasConstant = 287.05287;  // J/(kg K): R* / M0 = 8314.32 / 28.9644
constexpr double kG0 = 9.80665;             // m/s²
constexpr double kSeaLevelKelvin = 288.15;
constexpr double kLapse = 0.0065;  // K/m
constexpr double kTropopauseMetres = 11000;
constexpr double kTropopauseKelvin = 216.65;
constexpr double kLowestMetres = -5000;   // the 1976 tables start here
constexpr double kHighestMetres = 20000;  // above, the temperature rises again

constexpr double kTroposphereExponent = kG0 / (kGasConstant * kLapse);         // 5.25588
constexpr double kScaleHeightMetres = kGasConstant * kTropopauseKelvin / kG0;  // 6341.6 m
// (216.65 / 288.15)^kTroposphereExponent: std::pow is not constexpr. The tests hold the two
// layers together at 11 km, which would catch a wrong digit here.
constexpr double kTropopausePressureRatio = 0.22336086943012889;

// (γ - 1) / 2 and γ / (γ - 1): 0.2 and 3.5 for air.
constexpr double kHalfGammaMinusOne = (kGamma - 1) / 2;
constexpr double kIsentropicExponent = kGamma / (kGamma - 1);

// From its starting point Newton's method needs at most six steps to reach the last place,
// anywhere above Mach 1: the bound only guards the loop.
constexpr int kMaxNewtonSteps = 20;
constexpr double kNewtonTolerance = 1e-15;  // relative size of a step small enough to stop

double StandardKelvin(double metres) {
    return metres <= kTropopauseMetres ? kSeaLevelKelvin - kLapse * metres : kTropopauseKelvin;
}

double SpeedOfSoundKnots(double kelvin) {
    return std::sqrt(kGamma * kGasConstant * kelvin) / kMetresPerSecondPerKnot;
}

// qc/p + 1 at Mach 1, where the isentropic and Rayleigh formulas meet: 1.2^3.5.
double PitotAtMachOne() { return std::pow(1 + kHalfGammaMinusOne, kIsentropicExponent); }

// Rayleigh's formula, qc/p + 1 = ((γ+1)²M² / (4γM² - 2(γ-1)))^(γ/(γ-1)) · (2γM² - (γ-1)) / (γ+1),
// reads for γ = 1.4: 1.2^3.5 · 6^2.5 · M^7 / (7M² - 1)^2.5. This is its constant, 166.9215801.
double RayleighConstant() { return PitotAtMachOne() * std::pow(6.0, 2.5); }

}  // namespace

double PressureRatio(double altitude) {
    const double metres = altitude * kMetresPerFoot;
    if (metres <= kTropopauseMetres) {
        return std::pow(StandardKelvin(metres) / kSeaLevelKelvin, kTroposphereExponent);
    }
    return kTropopausePressureRatio * std::exp(-(metres - kTropopauseMetres) / kScaleHeightMetres);
}

double StandardTemperature(double altitude) {
    return StandardKelvin(altitude * kMetresPerFoot) - kZeroCelsius;
}

// Rayleigh's formula is written as 166.92 · M² / (7 - 1/M²)^2.5, which does not overflow before
// M² does, as M^7 would.
double PitotRatio(double mach) {
    const double m2 = mach * mach;
    if (m2 <= 1) return std::pow(1 + kHalfGammaMinusOne * m2, kIsentropicExponent) - 1;
    return RayleighConstant() * m2 / std::pow(7 - 1 / m2, 2.5) - 1;
}

// Above Mach 1, Rayleigh's formula is rewritten as M = C · (1 - 1/(7M²))^1.25, with
// C = sqrt((qc/p + 1) · 7^2.5 / 166.92) = 0.881285 · sqrt(qc/p + 1). The right-hand side g(M)
// rises towards C and is concave for M ≥ 1, so M - g(M) is increasing and convex there: Newton's
// method started from C, which lies above the root, comes down onto it without overshooting.
double MachFromPitotRatio(double pitotRatio) {
    if (pitotRatio <= 0) return 0;
    const double total = pitotRatio + 1;
    if (total <= PitotAtMachOne()) {
        return std::sqrt((std::pow(total, 1 / kIsentropicExponent) - 1) / kHalfGammaMinusOne);
    }
    const double c = std::sqrt(total * std::pow(7.0, 2.5) / RayleighConstant());
    double mach = c;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const double s = 1 - 1 / (7 * mach * mach);
        const double s4 = std::sqrt(std::sqrt(s));  // s^0.25
        const double g = c * s * s4;
        const double slope = c * s4 * 2.5 / (7 * mach * mach * mach);
        const double change = (mach - g) / (1 - slope);
        mach -= change;
        // Also stops on a NaN, which only an infinite or NaN pitotRatio brings.
        if (!(change > kNewtonTolerance * mach)) break;
    }
    return mach;
}

std::optional<VpExacte> CalculVpExacte(double Vi, double Altitude, std::optional<double> TempExt) {
    if (!std::isfinite(Vi) || Vi < 0) return std::nullopt;
    const double metres = Altitude * kMetresPerFoot;
    if (!(metres >= kLowestMetres && metres <= kHighestMetres)) return std::nullopt;
    const double kelvin = TempExt ? *TempExt + kZeroCelsius : StandardKelvin(metres);
    if (!std::isfinite(kelvin) || !(kelvin > 0)) return std::nullopt;

    // Calibrated airspeed is defined by the sea-level impact pressure qc/p0 it stands for.
    const double impactOverSeaLevel = PitotRatio(Vi / SpeedOfSoundKnots(kSeaLevelKelvin));
    VpExacte r;
    r.Mach = MachFromPitotRatio(impactOverSeaLevel / PressureRatio(Altitude));
    r.Vp = r.Mach * SpeedOfSoundKnots(kelvin);
    if (!std::isfinite(r.Mach) || !std::isfinite(r.Vp)) return std::nullopt;
    return r;
}

AffichageVpExacte AfficheVpExacte(double Vi, double Altitude, std::optional<double> TempExt) {
    const std::optional<VpExacte> exacte = CalculVpExacte(Vi, Altitude, TempExt);
    if (!exacte) return {"???", "???"};
    return {FormatVp(exacte->Vp), common::FormatFigure(exacte->Mach, "M 0.000")};
}

}  // namespace ventrose::airspeed
