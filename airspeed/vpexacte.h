// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace ventrose::airspeed {

// True airspeed and Mach number by the compressible-flow equations, unrounded: the window rounds
// them for display.
struct VpExacte {
    double Vp = 0;  // knots
    double Mach = 0;
};

// The exact counterpart of CalculVp: Vi is taken as the calibrated airspeed (knots), Altitude is
// the pressure altitude (feet) and TempExt the outside air temperature (°C), the 1976 standard
// temperature at that altitude when absent. The Mach number depends on Vi and Altitude only; the
// temperature sets the speed of sound that turns it into knots.
//
// Nullopt when the inputs describe no air to fly in: a value that is not finite, a negative Vi,
// an altitude outside the standard atmosphere's two lowest layers (-16,404 to 65,616 ft, i.e.
// -5 to 20 km), a temperature at or below absolute zero (-273.15 °C), or a speed too large for a
// double (a Vi beyond about 1e155 kt, a temperature beyond about 4e305 °C). Whatever the
// window sends (Vi 0 to 1800 kt, 0 to 45,000 ft, a temperature from just above absolute zero to
// 1e300 °C) gives a finite result.
std::optional<VpExacte> CalculVpExacte(double Vi, double Altitude,
                                       std::optional<double> TempExt = std::nullopt);

// The exact speed and Mach number as the airspeed window shows them beside the rule's result:
// whole knots as the rule's «427 Kts», the Mach number to the thousandth «M 0,741». Both read
// «???» when CalculVpExacte gives nothing, which within the window's ranges only a typed
// temperature at or below absolute zero brings.
struct AffichageVpExacte {
    std::string VpText;    // "0 Kts"
    std::string MachText;  // "M 0.000"
};
AffichageVpExacte AfficheVpExacte(double Vi, double Altitude,
                                  std::optional<double> TempExt = std::nullopt);

// The building blocks, for the window's standard-atmosphere figures and for the tests. Altitudes
// are pressure altitudes in feet, within the range CalculVpExacte accepts.

// Static pressure over the sea-level pressure (δ) of the 1976 standard atmosphere.
double PressureRatio(double altitude);

// Temperature of the 1976 standard atmosphere, °C.
double StandardTemperature(double altitude);

// Impact pressure over static pressure (qc/p) at a Mach number ≥ 0: isentropic up to Mach 1,
// Rayleigh's pitot formula (behind the normal shock in front of the pitot) above. The same
// function gives qc/p0 from Vc/a0, which is how calibrated airspeed is defined.
double PitotRatio(double mach);

// The inverse of PitotRatio for qc/p ≥ 0 (0 or less gives 0): in closed form up to Mach 1, by
// Newton's method on Rayleigh's formula above, to within a few units of the last place.
double MachFromPitotRatio(double pitotRatio);

}  // namespace ventrose::airspeed
