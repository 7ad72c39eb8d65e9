// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/typevent.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace ventrose::wind {
namespace {

struct TypeVentRow {
    const char* name;
    int V;
    int Rm;
    int CasVent;
    const char* TypeVent;
    int Alpha;
    const char* AlphaText;
};

// Outside 0..360 each input is first brought to the nearest end of the range.
constexpr TypeVentRow kRows[] = {
    {"NegativeVClampedTo0", -10, 0, 1, "vent de face", 0, "0 °"},
    {"LargeVClampedTo360", 400, 0, 9, "vent de face", 0, "0 °"},
    {"LargeRmClampedTo360", 0, 361, 17, "vent de face", 0, "0 °"},
    {"BothOutside", 500, -5, 9, "vent de face", 0, "0 °"},
    {"NegativeRmClampedTo0", 30, -90, 2, "vent traversier de face à droite", 30, "30 °"},
};

TEST(CalculTypeVent, InputsOutsideRangeAreClamped) {
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.name);
        const TypeVent t = CalculTypeVent(row.V, row.Rm);
        EXPECT_EQ(t.CasVent, row.CasVent);
        EXPECT_EQ(t.TypeVent, row.TypeVent);
        EXPECT_EQ(t.Alpha, row.Alpha);
        EXPECT_EQ(t.AlphaText, row.AlphaText);
    }
}

// The wind seen from the aircraft, classified by the bearing (V - Rm) mod 360 into eight sectors;
// each sector is one case when V >= Rm and another when V < Rm.
struct Sector {
    int caseVAtLeastRm;
    int caseVBelowRm;
    const char* text;
    Cote side;
    bool tail;
};

Sector SectorOf(int bearing) {
    if (bearing == 0) return {1, 17, "vent de face", Cote::Face, false};
    if (bearing < 90) return {2, 16, "vent traversier de face à droite", Cote::Droite, false};
    if (bearing == 90) return {3, 15, nullptr, Cote::Droite, false};
    if (bearing < 180) return {4, 14, "vent traversier arrière à droite", Cote::Droite, true};
    if (bearing == 180) return {5, 13, "vent de dos", Cote::Dos, true};
    if (bearing < 270) return {6, 12, "vent traversier arrière à gauche", Cote::Gauche, true};
    if (bearing == 270) return {7, 11, "vent perpendiculaire à gauche", Cote::Gauche, false};
    return {8, 10, "vent traversier de face à gauche", Cote::Gauche, false};
}

TEST(CalculTypeVent, WholeRangeAgreesWithBearingSectors) {
    for (int V = 0; V <= 360; ++V) {
        for (int Rm = 0; Rm <= 360; ++Rm) {
            const int bearing = ((V - Rm) % 360 + 360) % 360;
            const Sector sector = SectorOf(bearing);
            int expectedCase = V >= Rm ? sector.caseVAtLeastRm : sector.caseVBelowRm;
            if (V - Rm == 360) expectedCase = 9;  // same bearing as V == Rm, a case of its own
            std::string expectedText = sector.text != nullptr ? sector.text
                                       : V >= Rm              ? "vent perpendiculaire à droite"
                                                              : "vent perpendicailaire à droite";
            const int offCourse = std::abs(V - Rm) % 180;
            const int acute = offCourse <= 90 ? offCourse : 180 - offCourse;

            const TypeVent t = CalculTypeVent(V, Rm);
            ASSERT_EQ(t.CasVent, expectedCase) << "V " << V << " Rm " << Rm;
            ASSERT_EQ(t.TypeVent, expectedText) << "V " << V << " Rm " << Rm;
            ASSERT_EQ(t.Alpha, acute) << "V " << V << " Rm " << Rm;
            ASSERT_EQ(t.AlphaText, std::to_string(acute) + " °") << "V " << V << " Rm " << Rm;
            ASSERT_EQ(CoteDuCas(t.CasVent), sector.side) << "V " << V << " Rm " << Rm;
            ASSERT_EQ(VentArriere(t.CasVent), sector.tail) << "V " << V << " Rm " << Rm;
        }
    }
}

}  // namespace
}  // namespace ventrose::wind
