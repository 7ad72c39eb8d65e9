// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ventrose::wind {

// Base factor Fb = 60 / Vp (minutes per nautical mile) and its inverse InvFb = Vp / 60
// (nautical miles per minute). Both are kept rounded as they are shown, Fb to two decimals and
// InvFb to one: every later product uses the rounded values.
struct Facteurs {
    double Fb = 0;
    double InvFb = 0;
    std::string FbText;     // "0.00"
    std::string InvFbText;  // "0.0 NM"
};

// Vp: true airspeed in knots, 60 to 800 (the only divisor, never zero).
Facteurs CalculFacteurs(int Vp);

}  // namespace ventrose::wind
