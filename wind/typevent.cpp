// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/typevent.h"

#include <algorithm>
#include <array>

#include "common/format.h"
#include "common/tr.h"

namespace ventrose::wind {

namespace {

// Texts by case number (index 0 unused). Case 15 keeps the spelling "perpendicailaire" that the
// program has always shown; case 3, the same wind reached with V >= Rm, is spelt correctly.
constexpr std::array<const char*, 18> kTexts = {
    "",
    common::TrNoop("TypeVent", "vent de face"),
    common::TrNoop("TypeVent", "vent traversier de face à droite"),
    common::TrNoop("TypeVent", "vent perpendiculaire à droite"),
    common::TrNoop("TypeVent", "vent traversier arrière à droite"),
    common::TrNoop("TypeVent", "vent de dos"),
    common::TrNoop("TypeVent", "vent traversier arrière à gauche"),
    common::TrNoop("TypeVent", "vent perpendiculaire à gauche"),
    common::TrNoop("TypeVent", "vent traversier de face à gauche"),
    common::TrNoop("TypeVent", "vent de face"),
    common::TrNoop("TypeVent", "vent traversier de face à gauche"),
    common::TrNoop("TypeVent", "vent perpendiculaire à gauche"),
    common::TrNoop("TypeVent", "vent traversier arrière à gauche"),
    common::TrNoop("TypeVent", "vent de dos"),
    common::TrNoop("TypeVent", "vent traversier arrière à droite"),
    common::TrNoop("TypeVent", "vent perpendicailaire à droite"),
    common::TrNoop("TypeVent", "vent traversier de face à droite"),
    common::TrNoop("TypeVent", "vent de face"),
};

}  // namespace

TypeVent CalculTypeVent(int V, int Rm) {
    V = std::clamp(V, 0, 360);
    Rm = std::clamp(Rm, 0, 360);

    // The difference (V - Rm when V >= Rm, else Rm - V) lies in 0..360. Its zones alternate between
    // an exact multiple of 90 and an open interval: zone = 2 * quadrant + (inside an interval).
    // Cases 1..9 follow the zones of V - Rm; cases 10..17 those of Rm - V, which is never 0.
    const bool vAtLeastRm = V >= Rm;
    const int difference = vAtLeastRm ? V - Rm : Rm - V;
    const int quadrant = difference / 90;
    const int remainder = difference % 90;
    const int zone = 2 * quadrant + (remainder != 0 ? 1 : 0);

    TypeVent t;
    t.CasVent = static_cast<std::uint8_t>((vAtLeastRm ? 1 : 9) + zone);
    t.TypeVent = common::TrMarked("TypeVent", kTexts[t.CasVent]);
    // Acute angle to the course line: rising through even quadrants, falling through odd ones.
    t.Alpha = static_cast<std::int16_t>(quadrant % 2 == 0 ? remainder : 90 - remainder);
    t.AlphaText = common::FormatNumber(static_cast<double>(t.Alpha), "0 °");
    return t;
}

Cote CoteDuCas(std::uint8_t CasVent) {
    switch (CasVent) {
        case 2:
        case 3:
        case 4:
        case 14:
        case 15:
        case 16: return Cote::Droite;
        case 6:
        case 7:
        case 8:
        case 10:
        case 11:
        case 12: return Cote::Gauche;
        case 5:
        case 13: return Cote::Dos;
        default:
            // 1, 9, 17, and 0 before the first computation, which shows "vent de face".
            return Cote::Face;
    }
}

bool VentArriere(std::uint8_t CasVent) {
    switch (CasVent) {
        case 4:
        case 5:
        case 6:
        case 12:
        case 13:
        case 14: return true;
        default: return false;
    }
}

}  // namespace ventrose::wind
