// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "wind/tempsdistance.h"
#include "wind/triangle.h"

namespace ventrose::wind {

// What the main window and the log say when no heading holds the course: the French, and the
// text in the current language.
inline constexpr std::string_view kCapImpossibleText = "cap impossible : vent traversier > Vp";
std::string CapImpossibleText();

// The wind triangle solved exactly on a flat earth, beside the base-factor method's rounded
// sines and maximum drift, so that a pilot sees how far the method strays.
struct ExactTriangle {
    // False when the cross wind is stronger than the airspeed: no heading holds the course, and
    // nothing below but the texts' "X" means anything.
    bool possible = false;
    double Wca = 0;  // wind correction angle, degrees, -90 to 90, positive to the right
    double Cap = 0;  // heading to fly, degrees, 0 (included) to 360 (excluded)
    double Vs = 0;   // ground speed, kt: zero or below when the head wind is as strong as Vp
    // The heading as written: whole degrees 1 to 360, north being 360 as on a compass, never 0.
    int CapShown = 0;
    std::string CapText;  // "147 °" ("000 °", of 1 to 360), "X" when not possible
    std::string VsText;   // "97 kts" ("0 kts"), "X" when not possible
};

// Vp: true airspeed, kt (above zero); Rm: course, degrees; V: direction the wind comes from,
// degrees; Vw: wind speed, kt. Any angle is taken modulo 360.
ExactTriangle SolveExactTriangle(double Vp, double Rm, double V, double Vw);

// The exact figures as the main window shows them under the method's, and the method's figures
// less the exact ones. Each difference is that of the two figures as they are written (the
// heading and ground speed in whole units, the times in whole minutes, the distances in whole
// NM), so that a reader who subtracts what the window shows finds it; a heading difference is
// taken the short way round, -179 to 180. A positive difference has a '+', a negative one the
// minus sign U+2212 «−» (not the hyphen-minus of the windows' other figures). A part whose exact
// or method figure is not known (no heading, a ground speed of zero or less, a time beyond
// 32767 mn) reads "X".
struct ExactComparison {
    std::string CapText;  // «Cap exact : 147 °», or kCapImpossibleText
    std::string VsText;   // «Vs exacte : 97 kts», «Vs exacte : X»
    // Both modes' differences, written by every pass as the leg's labels are, so that a switch
    // of mode shows the one of the new mode without a recomputation.
    std::string EcartTempsText;     // «Écart : cap 0 °, Vs +3 kts, temps −1 mn»
    std::string EcartDistanceText;  // «Écart : cap 0 °, Vs +3 kts, distance −2 NM»
};

// `method`, `leg` and `methodTime` are the method's figures of the same pass (CalculTriangle,
// CalculTempsDistance, CalculTempsAvecVent). The time compared is the time with wind for the
// leg's D, the exact one at the exact ground speed. The distance compared is the leg's D (the
// method's Tsv x InvFb in mode Distance) against the exact still-air distance Tsv x Vp / 60:
// the method's D does not count the wind either, and its error is that of the rounded InvFb.
ExactComparison CompareExact(const ExactTriangle& exact, const Triangle& method,
                             const TempsDistance& leg, const TempsAvecVent& methodTime, double Vp);

}  // namespace ventrose::wind
