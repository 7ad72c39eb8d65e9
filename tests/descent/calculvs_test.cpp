// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/calculvs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "tests/descent/affichage_rows.h"

namespace ventrose::descent {
namespace {

constexpr std::optional<std::int16_t> kUnset = std::nullopt;

struct VsRow {
    const char* name;
    std::int32_t AltA, AltB;
    std::optional<std::int16_t> Dist, Vz;
    const char* TexteAlt;
    const char* traits;
    const char* penteDeg;  // nullptr: absent
    const char* pente;
    const char* resultat;
    const char* tsv;
    bool VzAZero;
    std::optional<std::int16_t> VzAfter;
};

const VsRow kRows[] = {
    {"FirstOpening", 2000, 0, 10, 200, "- 2000 '", "011", "2,0", "3,33", "60 kts", "10 mn", false,
     200},
    {"Climb", 0, 3000, 15, 300, "+ 3000 '", "110", "2,0", "3,33", "90 kts", "10 mn", false, 300},
    {"ZeroVarioHasNoTime", 2000, 0, 10, 0, "- 2000 '", "011", "2,0", "3,33", "0 kts", "???", false,
     0},
    {"ZeroDistanceHasNothing", 2000, 0, 0, 200, "- 2000 '", "011", "???", "???", "???", "???",
     false, 200},
    {"LevelForcesVarioToZero", 2000, 2000, 10, 500, " 0 '", "100", "0,0", "0,00", "???", "???",
     true, 0},
    {"LevelWithoutDistanceStillForces", 2000, 2000, kUnset, 500, " 0 '", "100", nullptr, nullptr,
     nullptr, nullptr, true, 0},
    {"DistanceUnsetOnlyAltitude", 2000, 0, kUnset, 200, "- 2000 '", "011", nullptr, nullptr,
     nullptr, nullptr, false, 200},
    {"VarioUnsetCountsAsZero", 2000, 0, 10, kUnset, "- 2000 '", "011", "2,0", "3,33", "0 kts",
     "???", false, kUnset},
    // 100 ft over 150 miles: a slope of 0,0 degrees still gives a ground speed.
    {"GentlestSlope", 100, 0, 150, 10, "- 100 '", "011", "0,0", "0,01", "900 kts", "10 mn", false,
     10},
    // A ground speed under half a knot shows as 0 but still has a time.
    {"SteepestSlowest", 0, 50000, 1, 10, "+ 50000 '", "110", "500,0", "833,33", "0 kts", "5000 mn",
     false, 10},
};

TEST(CalculVs, Cases) {
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.name);
        EtatDescente etat{
            .AltA = row.AltA, .AltB = row.AltB, .Dist = row.Dist, .Vs = 300, .Vz = row.Vz};
        const AffichageDescente a = CalculVs(etat);
        EXPECT_EQ(a.TexteAlt, row.TexteAlt);
        EXPECT_EQ(a.Traits, Traits(row.traits));
        EXPECT_EQ(a.TitreVario, std::nullopt);
        EXPECT_EQ(a.TextePenteDeg, Texte(row.penteDeg));
        EXPECT_EQ(a.TextePente, Texte(row.pente));
        EXPECT_EQ(a.TexteResultat, Texte(row.resultat));
        EXPECT_EQ(a.TexteTsv, Texte(row.tsv));
        EXPECT_EQ(a.VzAZero, row.VzAZero);
        EXPECT_EQ(etat.Vz, row.VzAfter);
        EXPECT_EQ(etat.Vs, 300);
    }
}

}  // namespace
}  // namespace ventrose::descent
