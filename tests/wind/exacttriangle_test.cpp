// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/exacttriangle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "wind/facteurs.h"
#include "wind/sincos.h"
#include "wind/typevent.h"

namespace ventrose::wind {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Figures worked out by hand (and on an E6B's wind side) for each kind of wind.
struct TriangleRow {
    const char* name;
    double Vp, Rm, V, Vw;
    bool possible;
    double Wca, Cap, Vs;
    const char *CapText, *VsText;
};

constexpr TriangleRow kTriangles[] = {
    {"QuarteringHeadWind", 110, 135, 200, 25, true, 11.8868, 146.8868, 97.0757, "147 °", "97 kts"},
    {"TailWindAddsInFull", 120, 90, 270, 30, true, 0, 90, 150, "090 °", "150 kts"},
    {"HeadWindTakesInFull", 120, 90, 90, 30, true, 0, 90, 90, "090 °", "90 kts"},
    // sin(WCA) = 60 / 120: thirty degrees into the wind, Vs = 120 cos 30°.
    {"CrossWindFromTheRight", 120, 0, 90, 60, true, 30, 30, 103.9230, "030 °", "104 kts"},
    {"CrossWindFromTheLeft", 120, 0, 270, 60, true, -30, 330, 103.9230, "330 °", "104 kts"},
    // Nose into the wind, standing still over the ground.
    {"CrossWindEqualToVp", 100, 0, 90, 100, true, 90, 90, 0, "090 °", "0 kts"},
    {"CrossWindAboveVp", 60, 0, 90, 61, false, 0, 0, 0, "X", "X"},
    // 120 sin 330° is exactly -60, though the sine of 330° comes out a hair beyond -0.5.
    {"CrossWindAtVpThroughARoundedSine", 60, 0, 330, 120, true, -90, 270, -103.9230, "270 °",
     "-104 kts"},
    // V - Rm is -340: the wind is 20° off the right of the nose.
    {"WindAngleAcross360", 120, 350, 10, 30, true, 4.9051, 354.9051, 91.3697, "355 °", "91 kts"},
    {"HeadingAcrossNorth", 120, 358, 90, 30, true, 14.4685, 12.4685, 117.2412, "012 °", "117 kts"},
    // North is written 360, whether the heading is 0 or rounds up to it from 359.75.
    {"NorthIs360", 120, 0, 0, 10, true, 0, 0, 110, "360 °", "110 kts"},
    {"RoundsUpTo360", 120, 0, 359, 30, true, -0.2500, 359.7500, 90.0034, "360 °", "90 kts"},
};

TEST(SolveExactTriangle, HandCheckedWinds) {
    for (const auto& row : kTriangles) {
        SCOPED_TRACE(row.name);
        const ExactTriangle t = SolveExactTriangle(row.Vp, row.Rm, row.V, row.Vw);
        ASSERT_EQ(t.possible, row.possible);
        EXPECT_EQ(t.CapText, row.CapText);
        EXPECT_EQ(t.VsText, row.VsText);
        if (!row.possible) continue;
        EXPECT_NEAR(t.Wca, row.Wca, 1e-4);
        EXPECT_NEAR(t.Cap, row.Cap, 1e-4);
        EXPECT_NEAR(t.Vs, row.Vs, 1e-4);
    }
}

// Every whole course against every whole wind direction, at airspeeds and winds from the ends of
// the main window's bars: the ground vector (Vs along the course) plus the wind vector (Vw
// toward where the wind comes from) is the air vector (Vp along the heading), east and north,
// computed here without the solver's own reduction of the angles; and there is no heading only
// when the cross wind is above Vp.
TEST(SolveExactTriangle, GroundVectorPlusWindIsTheAirVector) {
    struct Speeds {
        double Vp, Vw;
    };
    constexpr Speeds kSpeeds[] = {{60, 60}, {60, 360}, {137, 61}, {800, 359}};
    const auto rad = [](double degrees) { return degrees * kPi / 180; };
    int checked = 0, impossible = 0;
    for (const Speeds s : kSpeeds) {
        for (int Rm = 0; Rm <= 360; ++Rm) {
            for (int V = 0; V <= 360; ++V) {
                const ExactTriangle t = SolveExactTriangle(s.Vp, Rm, V, s.Vw);
                const double cross = std::fabs(s.Vw * std::sin(rad(V - Rm)));
                if (!t.possible) {
                    ASSERT_GT(cross, s.Vp) << "Rm " << Rm << " V " << V << " Vp " << s.Vp;
                    ++impossible;
                    continue;
                }
                ASSERT_LE(cross, s.Vp * (1 + 1e-9)) << "Rm " << Rm << " V " << V;
                const double east = t.Vs * std::sin(rad(Rm)) + s.Vw * std::sin(rad(V)) -
                                    s.Vp * std::sin(rad(t.Cap));
                const double north = t.Vs * std::cos(rad(Rm)) + s.Vw * std::cos(rad(V)) -
                                     s.Vp * std::cos(rad(t.Cap));
                ASSERT_LT(std::hypot(east, north), 1e-9)
                    << "Rm " << Rm << " V " << V << " Vp " << s.Vp << " Vw " << s.Vw;
                ASSERT_TRUE(t.Cap >= 0 && t.Cap < 360 && t.Wca >= -90 && t.Wca <= 90);
                const double apart = std::fabs(t.CapShown - t.Cap);
                ASSERT_TRUE(t.CapShown >= 1 && t.CapShown <= 360 &&
                            std::fmin(apart, 360 - apart) <= 0.5)
                    << t.CapShown << " for " << t.Cap;
                ++checked;
            }
        }
    }
    EXPECT_GT(impossible, 0);
    EXPECT_GT(checked, impossible);
}

// The method's chain as the main window runs it, then the comparison.
ExactComparison Compare(int Vp, int Rm, int V, int Vw, ModeVol mode, int entered) {
    const Facteurs f = CalculFacteurs(Vp);
    const TypeVent type = CalculTypeVent(V, Rm);
    const SinCos sc = CalculSinCos(type.Alpha);
    const Triangle method =
        CalculTriangle(Vp, Rm, Vw, f.Fb, type.CasVent, sc.SinAlpha, sc.CosAlpha);
    const TempsDistance leg = CalculTempsDistance(mode, entered, f.Fb, f.InvFb);
    const TempsAvecVent time = CalculTempsAvecVent(leg.D, method.Vs);
    return CompareExact(SolveExactTriangle(Vp, Rm, V, Vw), method, leg, time, Vp);
}

struct ComparisonRow {
    const char* name;
    int Vp, Rm, V, Vw;
    ModeVol mode;
    int entered;  // D in mode Temps, Tsv in mode Distance
    const char *CapText, *VsText, *EcartText;
};

constexpr ComparisonRow kComparisons[] = {
    // The method: «147 °», «100 kts», 30 mn for 50 NM; exactly 146.9°, 97.1 kt and 30.9 mn.
    {"MethodFastInAQuarteringHeadWind", 110, 135, 200, 25, ModeVol::Temps, 50, "Cap exact : 147 °",
     "Vs exacte : 97 kts", "Écart : cap 0 °, Vs +3 kts, temps −1 mn"},
    // 60 min at 110 kt is 110 NM, where the InvFb of 1.8 gives 108.
    {"DistanceOfTheRoundedInvFb", 110, 135, 200, 25, ModeVol::Distance, 60, "Cap exact : 147 °",
     "Vs exacte : 97 kts", "Écart : cap 0 °, Vs +3 kts, distance −2 NM"},
    // The method turns 50° into a cross wind of 50 kt at 60 kt, the exact triangle 56°.
    {"MethodShortInAStrongCrossWind", 60, 0, 90, 50, ModeVol::Temps, 100, "Cap exact : 056 °",
     "Vs exacte : 33 kts", "Écart : cap −6 °, Vs +27 kts, temps −81 mn"},
    // The method writes «362 °», the exact triangle «002 °».
    {"HeadingsAcrossNorthAgree", 120, 355, 40, 20, ModeVol::Temps, 0, "Cap exact : 002 °",
     "Vs exacte : 105 kts", "Écart : cap 0 °, Vs +1 kts, temps 0 mn"},
    {"NoGroundSpeedNoTime", 60, 90, 90, 65, ModeVol::Temps, 10, "Cap exact : 090 °",
     "Vs exacte : -5 kts", "Écart : cap 0 °, Vs 0 kts, temps X"},
    // Still air needs no heading: the distance is compared all the same.
    {"NoHeadingStillADistance", 110, 0, 90, 200, ModeVol::Distance, 60,
     "cap impossible : vent traversier > Vp", "Vs exacte : X",
     "Écart : cap X, Vs X, distance −2 NM"},
};

TEST(CompareExact, MethodLessExact) {
    for (const auto& row : kComparisons) {
        SCOPED_TRACE(row.name);
        const ExactComparison c = Compare(row.Vp, row.Rm, row.V, row.Vw, row.mode, row.entered);
        EXPECT_EQ(c.CapText, row.CapText);
        EXPECT_EQ(c.VsText, row.VsText);
        EXPECT_EQ(row.mode == ModeVol::Temps ? c.EcartTempsText : c.EcartDistanceText,
                  row.EcartText);
    }
}

}  // namespace
}  // namespace ventrose::wind
