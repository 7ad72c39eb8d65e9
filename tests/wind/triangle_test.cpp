// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/triangle.h"

#include <gtest/gtest.h>

#include "wind/facteurs.h"
#include "wind/sincos.h"
#include "wind/typevent.h"

namespace ventrose::wind {
namespace {

// One full pass of the chain, every text as the main window shows it.
struct ChainRow {
    const char* name;
    int Vp, Rm, V, Vw;
    int CasVent;
    const char* TypeVent;
    const char *FbText, *InvFbText, *AlphaText, *SinAlphaText, *CosAlphaText;
    const char *XText, *VtText, *VeText, *DeriveText, *TcText, *CapText, *VsText;
};

constexpr ChainRow kRows[] = {
    {"Start", 120, 0, 0, 0, 1, "vent de face", "0,50", "2,0 NM", "0 °", "0,0", "1,0", "0 °",
     " 0 kts", "0 kts", "0 °", " 0 mn/h", "000 °", "120 kts"},
    {"Case2", 120, 90, 120, 20, 2, "vent traversier de face à droite", "0,50", "2,0 NM", "30 °",
     "0,5", "0,9", "10 °", " 10 kts", "18 kts", "5 °", " 9 mn/h", "095 °", "102 kts"},
    // Alpha 20 gives a sine of 0.3, not 0.342: Vt is 9, not 10.
    {"Case8RoundedSine", 100, 10, 350, 30, 8, "vent traversier de face à gauche", "0,60", "1,7 NM",
     "20 °", "0,3", "0,9", "18 °", " 9 kts", "27 kts", "5 °", " 16 mn/h", "005 °", "73 kts"},
    {"Case8HeadingWrapsBelow0", 120, 2, 300, 40, 8, "vent traversier de face à gauche", "0,50",
     "2,0 NM", "62 °", "0,9", "0,5", "20 °", " 36 kts", "20 kts", "18 °", " 10 mn/h", "344 °",
     "100 kts"},
    {"Case16HeadingNotReduced", 120, 355, 40, 20, 16, "vent traversier de face à droite", "0,50",
     "2,0 NM", "45 °", "0,7", "0,7", "10 °", " 14 kts", "14 kts", "7 °", " 7 mn/h", "362 °",
     "106 kts"},
    {"Case15", 120, 300, 30, 20, 15, "vent perpendicailaire à droite", "0,50", "2,0 NM", "90 °",
     "1,0", "0,0", "10 °", " 20 kts", "0 kts", "10 °", " 0 mn/h", "310 °", "120 kts"},
    {"Case3", 200, 100, 190, 50, 3, "vent perpendiculaire à droite", "0,30", "3,3 NM", "90 °",
     "1,0", "0,0", "15 °", " 50 kts", "0 kts", "15 °", " 0 mn/h", "115 °", "200 kts"},
    {"Case12", 150, 200, 60, 25, 12, "vent traversier arrière à gauche", "0,40", "2,5 NM", "40 °",
     "0,6", "0,8", "10 °", " 15 kts", "20 kts", "6 °", " 8 mn/h", "194 °", "170 kts"},
    {"Case5", 120, 0, 180, 30, 5, "vent de dos", "0,50", "2,0 NM", "0 °", "0,0", "1,0", "15 °",
     " 0 kts", "30 kts", "0 °", " 15 mn/h", "000 °", "150 kts"},
    {"Case13", 120, 270, 90, 40, 13, "vent de dos", "0,50", "2,0 NM", "0 °", "0,0", "1,0", "20 °",
     " 0 kts", "40 kts", "0 °", " 20 mn/h", "270 °", "160 kts"},
    {"GroundSpeedZero", 60, 90, 90, 60, 1, "vent de face", "1,00", "1,0 NM", "0 °", "0,0", "1,0",
     "60 °", " 0 kts", "60 kts", "0 °", " 60 mn/h", "090 °", "0 kts"},
    {"GroundSpeedNegative", 60, 90, 90, 65, 1, "vent de face", "1,00", "1,0 NM", "0 °", "0,0",
     "1,0", "65 °", " 0 kts", "65 kts", "0 °", " 65 mn/h", "090 °", "-5 kts"},
    {"Case17KeepsRm360", 120, 360, 0, 20, 17, "vent de face", "0,50", "2,0 NM", "0 °", "0,0", "1,0",
     "10 °", " 0 kts", "20 kts", "0 °", " 10 mn/h", "360 °", "100 kts"},
    {"Case9", 120, 0, 360, 20, 9, "vent de face", "0,50", "2,0 NM", "0 °", "0,0", "1,0", "10 °",
     " 0 kts", "20 kts", "0 °", " 10 mn/h", "000 °", "100 kts"},
    {"Case1At360", 120, 360, 360, 20, 1, "vent de face", "0,50", "2,0 NM", "0 °", "0,0", "1,0",
     "10 °", " 0 kts", "20 kts", "0 °", " 10 mn/h", "360 °", "100 kts"},
    // Fb 0.67: X is 20.1.
    {"Vp90", 90, 0, 0, 30, 1, "vent de face", "0,67", "1,5 NM", "0 °", "0,0", "1,0", "20 °",
     " 0 kts", "30 kts", "0 °", " 20 mn/h", "000 °", "60 kts"},
    {"Case4TailAdds", 120, 0, 150, 20, 4, "vent traversier arrière à droite", "0,50", "2,0 NM",
     "30 °", "0,5", "0,9", "10 °", " 10 kts", "18 kts", "5 °", " 9 mn/h", "005 °", "138 kts"},
    {"Case14TailAdds", 120, 200, 0, 20, 14, "vent traversier arrière à droite", "0,50", "2,0 NM",
     "20 °", "0,3", "0,9", "10 °", " 6 kts", "18 kts", "3 °", " 9 mn/h", "203 °", "138 kts"},
    {"Case6", 120, 0, 200, 20, 6, "vent traversier arrière à gauche", "0,50", "2,0 NM", "20 °",
     "0,3", "0,9", "10 °", " 6 kts", "18 kts", "3 °", " 9 mn/h", "357 °", "138 kts"},
    // Rm - Derive is exactly 0: not below 0, so no 360 is added.
    {"Case7HeadingExactly0", 120, 10, 280, 20, 7, "vent perpendiculaire à gauche", "0,50", "2,0 NM",
     "90 °", "1,0", "0,0", "10 °", " 20 kts", "0 kts", "10 °", " 0 mn/h", "000 °", "120 kts"},
    {"Case10", 120, 30, 0, 20, 10, "vent traversier de face à gauche", "0,50", "2,0 NM", "30 °",
     "0,5", "0,9", "10 °", " 10 kts", "18 kts", "5 °", " 9 mn/h", "025 °", "102 kts"},
    {"Case11", 120, 90, 0, 20, 11, "vent perpendiculaire à gauche", "0,50", "2,0 NM", "90 °", "1,0",
     "0,0", "10 °", " 20 kts", "0 kts", "10 °", " 0 mn/h", "080 °", "120 kts"},
};

TEST(CalculTriangle, FullChainExamples) {
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.name);
        const Facteurs f = CalculFacteurs(row.Vp);
        const TypeVent tv = CalculTypeVent(row.V, row.Rm);
        const SinCos sc = CalculSinCos(tv.Alpha);
        const Triangle t =
            CalculTriangle(row.Vp, row.Rm, row.Vw, f.Fb, tv.CasVent, sc.SinAlpha, sc.CosAlpha);
        EXPECT_EQ(tv.CasVent, row.CasVent);
        EXPECT_EQ(tv.TypeVent, row.TypeVent);
        EXPECT_EQ(f.FbText, row.FbText);
        EXPECT_EQ(f.InvFbText, row.InvFbText);
        EXPECT_EQ(tv.AlphaText, row.AlphaText);
        EXPECT_EQ(sc.SinAlphaText, row.SinAlphaText);
        EXPECT_EQ(sc.CosAlphaText, row.CosAlphaText);
        EXPECT_EQ(t.XText, row.XText);
        EXPECT_EQ(t.VtText, row.VtText);
        EXPECT_EQ(t.VeText, row.VeText);
        EXPECT_EQ(t.DeriveText, row.DeriveText);
        EXPECT_EQ(t.TcText, row.TcText);
        EXPECT_EQ(t.CapText, row.CapText);
        EXPECT_EQ(t.VsText, row.VsText);
    }
}

// Values behind texts that hide them: 5.4 shows «5 °», 16.2 « 16 mn/h», 4.6 «005 °», 20.1 «20 °».
TEST(CalculTriangle, KeepsUnroundedValues) {
    const Triangle left = CalculTriangle(100, 10, 30, 0.6, 8, 0.3, 0.9);
    EXPECT_DOUBLE_EQ(left.X, 18);
    EXPECT_DOUBLE_EQ(left.Derive, 5.4);
    EXPECT_DOUBLE_EQ(left.Tc, 16.2);
    EXPECT_DOUBLE_EQ(left.Cap, 4.6);
    EXPECT_DOUBLE_EQ(left.Vs, 73);
    EXPECT_DOUBLE_EQ(CalculTriangle(90, 0, 30, 0.67, 1, 0, 1).X, 20.1);
}

TEST(AfficherEntrees, Patterns) {
    struct Row {
        const char* name;
        int Vp, Rm, V, Vw;
        const char *VpText, *RmText, *VText, *VwText;
    };
    constexpr Row kEntries[] = {
        {"Start", 120, 0, 0, 0, "120 kts", "000 °", "000 °", "0 kts"},
        {"SmallValuesPadded", 60, 7, 45, 5, "60 kts", "007 °", "045 °", "5 kts"},
        {"Maxima", 800, 360, 360, 360, "800 kts", "360 °", "360 °", "360 kts"},
    };
    for (const auto& row : kEntries) {
        SCOPED_TRACE(row.name);
        const AffichageEntrees a = AfficherEntrees(row.Vp, row.Rm, row.V, row.Vw);
        EXPECT_EQ(a.VpText, row.VpText);
        EXPECT_EQ(a.RmText, row.RmText);
        EXPECT_EQ(a.VText, row.VText);
        EXPECT_EQ(a.VwText, row.VwText);
    }
}

}  // namespace
}  // namespace ventrose::wind
