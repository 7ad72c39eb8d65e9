// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ventrose::wind {

// Which way the wind pushes the aircraft relative to its course.
enum class Cote { Face, Dos, Droite, Gauche };

// The wind relative to the course, by the seventeen cases of the base-factor method. V and Rm
// are compared as they are, without reducing either modulo 360, so V 360 with Rm 0 (case 9)
// and V 0 with Rm 360 (case 17) are cases of their own.
struct TypeVent {
    std::uint8_t CasVent = 0;  // 1 to 17
    std::string TypeVent;      // the case's own text, "vent de face", ...
    std::int16_t Alpha = 0;    // acute wind angle, 0 to 90
    std::string AlphaText;     // "0 °"
};

// V: direction the wind comes from; Rm: magnetic course; both 0 to 360 (values outside are
// brought to the nearest end first).
TypeVent CalculTypeVent(int V, int Rm);

// Side of the wind for a case 1 to 17: decides the sign of the drift in the heading
// (Droite: Rm + Derive; Gauche: Rm - Derive) and of the effective wind in the ground speed.
Cote CoteDuCas(std::uint8_t CasVent);
// True for the cases whose wind has a tail component (4, 5, 6, 12, 13, 14).
bool VentArriere(std::uint8_t CasVent);

}  // namespace ventrose::wind
