// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "simlink/sim_values.h"

// What the simulator's values set in the calculators, each as its bar or box can take it: the
// bar's unit and rounding, clamped to the bar's range. A quantity the simulator has not given
// sets nothing (an empty optional), and so does a value that is not finite.
//
// The adapter sets these through the forms model, as a person would, so that every handler
// runs. In the airspeed window a bar's change empties the temperature box, so the bars are set
// first, then the temperature is typed and confirmed with OK.
namespace ventrose::simlink {

// The main window (Ventrose pour FS).
struct MainInputs {
    std::optional<int> Vp;  // kt, the true airspeed, 60 to 800 (hscVp)
    // The magnetic direction the wind comes from, 0 to 359 (hscV goes to 360, which is also north;
    // north is written 0, where the bar starts, and never 360). It needs the magnetic variation:
    // the course Rm is magnetic, and a true direction beside it would be wrong by the variation.
    std::optional<int> V;
    std::optional<int> Vw;  // kt, 0 to 360 (hscVw)
};

// The airspeed window (IAS to TAS).
struct AirspeedInputs {
    std::optional<int> Vi;  // kt, the indicated airspeed, 60 to 1800 (hscVi)
    // The bar's step nearest the pressure altitude: a multiple of 1000 ft from 0 to 45000, the
    // altitudes of the window's table (a pressure altitude is the standard atmosphere's altitude,
    // which is what the table is read by).
    std::optional<int> Altitude;
    // The altitude bar's value for Altitude (AltitudeBarValue).
    std::optional<int> AltitudeBar;
    // The outside temperature as it is typed in the box: whole degrees («-15», «7», «0»), as the
    // window rounds a typed temperature anyway (to the nearest, a half to even).
    std::optional<std::string> TempExtText;
    // The simulator's own true airspeed, to show beside the window's: «152 Kts», as the window
    // writes its own.
    std::optional<std::string> SimTasText;
};

// The descent window (Taux Descente), the same in its three modes.
struct DescentInputs {
    // Point A: the pressure altitude to the nearest 100 ft (the bar's arrow step), 0 to 50000 ft,
    // so that the bar does not move for every few feet the aircraft drifts.
    std::optional<int> AltA;
    std::optional<int>
        AltABar;            // the point A bar's value: half the altitude (hscPtA, hscPtA2, hscPtA3)
    std::optional<int> Vs;  // kt, the ground speed, 60 to 1800 (hscVs, hscVs2)
};

MainInputs MainFromSim(const SimValues& values);
AirspeedInputs AirspeedFromSim(const SimValues& values);
DescentInputs DescentFromSim(const SimValues& values);

// The airspeed window's altitude bar grows upward: its top (value 0) is 45000 ft, its foot (value
// 22500) sea level, and each 500 of value is 1000 ft (FrmVitesse::LireAltitude reads an altitude
// of 2 × (22500 − value) on the multiples of 500). `altitudeFt` is a multiple of 1000 from 0 to
// 45000.
int AltitudeBarValue(int altitudeFt);

}  // namespace ventrose::simlink
