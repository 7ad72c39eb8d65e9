// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/inputs.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/numbers.h"
#include "common/tr.h"

namespace ventrose::simlink {

namespace {

// The bars' ranges, as the windows' designs give them.
constexpr int kVpMin = 60, kVpMax = 800;   // hscVp
constexpr int kVwMax = 360;                // hscVw
constexpr int kViMin = 60, kViMax = 1800;  // hscVi
constexpr int kMaxAltitudeFt = 45000;      // vscAlt's top
constexpr int kAltBarSeaLevel = 22500;     // vscAlt's foot
constexpr int kFeetPerAltBarUnit = 2;      // 500 of value for 1000 ft
constexpr int kMaxAltAFt = 50000;          // hscPtA: 0 to 25000, twice that in feet
constexpr int kAltAStepFt = 100;           // hscPtA's arrow step: 50 of value
constexpr int kVsMin = 60, kVsMax = 1800;  // hscVs

// The program's own rounding (to the nearest, a half to even), then the bar's limits. A value
// too large for 32 bits is beyond any bar and takes its end.
std::optional<int> Rounded(const std::optional<double>& value, int min, int max) {
    if (!value || !std::isfinite(*value)) return std::nullopt;
    const double clamped = std::clamp(*value, static_cast<double>(min), static_cast<double>(max));
    return common::ToInteger32(clamped);
}

// To the nearest multiple of `step`, a half to even, within min and max (multiples of step).
std::optional<int> RoundedTo(const std::optional<double>& value, int step, int min, int max) {
    if (!value || !std::isfinite(*value)) return std::nullopt;
    const auto steps = Rounded(*value / step, min / step, max / step);
    if (!steps) return std::nullopt;
    return *steps * step;
}

}  // namespace

int AltitudeBarValue(int altitudeFt) { return kAltBarSeaLevel - altitudeFt / kFeetPerAltBarUnit; }

MainInputs MainFromSim(const SimValues& values) {
    MainInputs inputs;
    inputs.Vp = Rounded(values.tasKt, kVpMin, kVpMax);
    inputs.Vw = Rounded(values.windSpeedKt, 0, kVwMax);
    if (values.windFromTrueDeg && values.magVarDeg) {
        const double magnetic = *values.windFromTrueDeg - *values.magVarDeg;
        if (const auto whole = common::ToInteger32(std::fmod(magnetic, 360.0))) {
            inputs.V = (*whole % 360 + 360) % 360;
        }
    }
    return inputs;
}

AirspeedInputs AirspeedFromSim(const SimValues& values) {
    AirspeedInputs inputs;
    inputs.Vi = Rounded(values.iasKt, kViMin, kViMax);
    inputs.Altitude = RoundedTo(values.pressureAltFt, 1000, 0, kMaxAltitudeFt);
    if (inputs.Altitude) inputs.AltitudeBar = AltitudeBarValue(*inputs.Altitude);
    if (values.oatC) {
        if (const auto whole = common::ToInteger16(*values.oatC)) {
            inputs.TempExtText = common::FormatWhole(*whole);
        }
    }
    // A speed a little below zero at rest reads «0 Kts»; the unit follows the language, as the
    // window's own speed beside it does.
    if (values.tasKt && std::isfinite(*values.tasKt)) {
        inputs.SimTasText =
            common::FormatFigure(std::max(0.0, *values.tasKt), common::Tr("SimInputs", "0 Kts"));
    }
    return inputs;
}

DescentInputs DescentFromSim(const SimValues& values) {
    DescentInputs inputs;
    inputs.AltA = RoundedTo(values.pressureAltFt, kAltAStepFt, 0, kMaxAltAFt);
    if (inputs.AltA) inputs.AltABar = *inputs.AltA / 2;
    inputs.Vs = Rounded(values.groundSpeedKt, kVsMin, kVsMax);
    return inputs;
}

}  // namespace ventrose::simlink
