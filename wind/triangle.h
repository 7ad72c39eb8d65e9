// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace ventrose::wind {

// The wind triangle by the base-factor method, in double precision without rounding. X, Vt, Ve,
// Derive and Tc are magnitudes; the case alone decides the side of the heading correction and
// whether the effective wind adds to or takes from the airspeed.
struct Triangle {
    double X = 0;        // maximum drift, degrees
    double Vt = 0;       // cross wind, knots
    double Ve = 0;       // effective wind, knots
    double Derive = 0;   // drift, degrees
    double Tc = 0;       // time correction, minutes per hour
    double Cap = 0;      // heading to fly, degrees (right-side sums above 360 are kept as they are)
    double Vs = 0;       // ground speed, knots (zero or negative when the head wind is as strong)
    std::string XText;   // "0 °"
    std::string VtText;  // " 0 kts"
    std::string VeText;  // "0 kts"
    std::string DeriveText;  // "0 °"
    std::string TcText;      // " 0 mn/h"
    std::string CapText;     // "000 °"
    std::string VsText;      // "0 kts"
};

Triangle CalculTriangle(int Vp, int Rm, int Vw, double Fb, std::uint8_t CasVent, double SinAlpha,
                        double CosAlpha);

// Texts of the four inputs as the main window shows them.
struct AffichageEntrees {
    std::string VpText;  // "### kts"
    std::string RmText;  // "000 °"
    std::string VText;   // "000 °"
    std::string VwText;  // "0 kts"
};

AffichageEntrees AfficherEntrees(int Vp, int Rm, int V, int Vw);

}  // namespace ventrose::wind
