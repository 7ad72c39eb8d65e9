// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "navlog/calcullog.h"
#include "wind/facteurs.h"
#include "wind/sincos.h"
#include "wind/tempsdistance.h"
#include "wind/triangle.h"
#include "wind/typevent.h"

namespace ventrose::navlog {
namespace {

// The airspeed, wind speed and distance of each sweep: the ends of the bars, a head wind as
// strong as the airspeed, ties of the rounding, and ordinary values.
struct Combination {
    int Vp, Vw, D;
};
constexpr Combination kCombinations[] = {
    {60, 0, 0}, {60, 60, 400}, {60, 66, 400}, {120, 30, 150}, {333, 77, 1}, {800, 360, 399},
};

// What FrmMainCalc::CalculVent shows for one leg in mode Temps, written out as it calls the wind
// core. Returns the first figure that differs from the log's, or nothing.
std::string Compare(const ResultatEtape& r, int Vp, int Rm, int V, int Vw, int D) {
    const wind::Facteurs f = wind::CalculFacteurs(Vp);
    const wind::TempsDistance td =
        wind::CalculTempsDistance(wind::ModeVol::Temps, D, f.Fb, f.InvFb);
    const wind::TypeVent type = wind::CalculTypeVent(V, Rm);
    const wind::SinCos sc = wind::CalculSinCos(type.Alpha);
    const wind::Triangle t =
        wind::CalculTriangle(Vp, Rm, Vw, f.Fb, type.CasVent, sc.SinAlpha, sc.CosAlpha);
    const wind::TempsAvecVent tav = wind::CalculTempsAvecVent(td.D, t.Vs);

    if (r.Derive != t.Derive || r.DeriveText != t.DeriveText) return "drift " + r.DeriveText;
    if (r.Cap != t.Cap || r.CapText != t.CapText) return "heading " + r.CapText;
    if (r.Vs != t.Vs || r.VsText != t.VsText) return "ground speed " + r.VsText;
    if (r.Tsv != td.Tsv || r.TsvText != td.TsvText) return "time without wind " + r.TsvText;
    if (r.Tav != tav.Tav || r.TavText != tav.TavText) return "time with wind " + r.TavText;
    return "";
}

// Every wind direction against every course: one log per course, one leg per wind direction
// (more legs than a file holds; the computation takes any number).
TEST(NavlogSweep, EveryLegIsTheMainWindowsComputation) {
    for (const Combination& c : kCombinations) {
        for (int Rm = 0; Rm <= 360; ++Rm) {
            LogNav log;
            log.Vp = c.Vp;
            for (int V = 0; V <= 360; ++V) log.etapes.push_back({"", Rm, c.D, V, c.Vw, {}});
            const ResultatLog r = CalculLog(log);
            ASSERT_EQ(r.etapes.size(), log.etapes.size());
            for (int V = 0; V <= 360; ++V) {
                ASSERT_EQ(Compare(r.etapes[static_cast<std::size_t>(V)], c.Vp, Rm, V, c.Vw, c.D),
                          "")
                    << "Vp " << c.Vp << " Rm " << Rm << " V " << V << " Vw " << c.Vw << " D "
                    << c.D;
            }
        }
    }
}

}  // namespace
}  // namespace ventrose::navlog
