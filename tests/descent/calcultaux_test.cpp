// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/calcultaux.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>

#include "common/format.h"
#include "tests/descent/affichage_rows.h"

namespace ventrose::descent {
namespace {

constexpr std::optional<std::int16_t> kUnset = std::nullopt;

struct TauxRow {
    const char* name;
    std::int32_t AltA, AltB;
    std::optional<std::int16_t> Dist, Vs;
    const char* TexteAlt;
    const char* traits;
    const char* titre;
    const char* penteDeg;  // nullptr: absent
    const char* pente;
    const char* resultat;
    const char* tsv;
};

const TauxRow kRows[] = {
    {"Descent", 2000, 0, 10, 120, "- 2000 '", "011", "Vario de descente", "2,0", "3,3", "400 ft/mn",
     "5 mn"},
    {"Climb", 0, 3000, 15, 90, "+ 3000 '", "110", "Vario de montée", "2,0", "3,3", "300 ft/mn",
     "10 mn"},
    {"LevelStillHasTime", 3000, 3000, 15, 90, " 0 '", "100", "Vario nul", "0,0", "0,0", "0 ft/mn",
     "10 mn"},
    {"ZeroDistanceHasNoSlope", 2000, 0, 0, 120, "- 2000 '", "011", "Vario de descente", "???",
     "???", "0 ft/mn", "0 mn"},
    {"GroundSpeedUnsetLeavesTime", 2000, 0, 10, kUnset, "- 2000 '", "011", "Vario de descente",
     "2,0", "3,3", "0 ft/mn", nullptr},
    {"DistanceUnsetLeavesSlopes", 2000, 0, kUnset, 120, "- 2000 '", "011", "Vario de descente",
     nullptr, nullptr, "0 ft/mn", "0 mn"},
    {"NothingSet", 0, 0, kUnset, kUnset, " 0 '", "100", "Vario nul", nullptr, nullptr, "0 ft/mn",
     nullptr},
    // The first opening's ground speed moved by one: 2000 ÷ 10 ÷ 100 ÷ 0.6 × 61.
    {"FirstOpeningPlusOneKnot", 2000, 0, 10, 61, "- 2000 '", "011", "Vario de descente", "2,0",
     "3,3", "203 ft/mn", "10 mn"},
    // 100 ÷ 3 ÷ 100 = 0.3333 and 0.5556 %: the rounding of each step shows.
    {"ThirdOfAFootPerMile", 100, 0, 3, 60, "- 100 '", "011", "Vario de descente", "0,3", "0,6",
     "33 ft/mn", "3 mn"},
    {"SteepestPossible", 0, 50000, 1, 1800, "+ 50000 '", "110", "Vario de montée", "500,0", "833,3",
     "1500000 ft/mn", "0 mn"},
    // Out of the bar's range: no division by zero.
    {"ZeroGroundSpeedHasNoTime", 2000, 0, 10, 0, "- 2000 '", "011", "Vario de descente", "2,0",
     "3,3", "0 ft/mn", "???"},
};

TEST(CalculTaux, Cases) {
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.name);
        const EtatDescente etat{
            .AltA = row.AltA, .AltB = row.AltB, .Dist = row.Dist, .Vs = row.Vs, .Vz = 4000};
        const EtatDescente avant = etat;
        const AffichageDescente a = CalculTaux(etat);
        EXPECT_EQ(a.TexteAlt, row.TexteAlt);
        EXPECT_EQ(a.Traits, Traits(row.traits));
        EXPECT_EQ(a.TitreVario, Texte(row.titre));
        EXPECT_EQ(a.TextePenteDeg, Texte(row.penteDeg));
        EXPECT_EQ(a.TextePente, Texte(row.pente));
        EXPECT_EQ(a.TexteResultat, Texte(row.resultat));
        EXPECT_EQ(a.TexteTsv, Texte(row.tsv));
        EXPECT_FALSE(a.VzAZero);
        EXPECT_EQ(etat.Vz, avant.Vz);
    }
}

// The rules of thumb agree: the vertical speed is the altitude change over the flight time,
// up to the rounding of the display.
TEST(CalculTaux, VerticalSpeedIsChangeOverTime) {
    for (int dist = 1; dist <= 150; dist += 7) {
        for (int vs = 60; vs <= 1800; vs += 97) {
            for (int delta = 100; delta <= 50000; delta += 3700) {
                const EtatDescente etat{.AltA = delta,
                                        .AltB = 0,
                                        .Dist = static_cast<std::int16_t>(dist),
                                        .Vs = static_cast<std::int16_t>(vs)};
                const double exact = static_cast<double>(delta) * vs / (60.0 * dist);
                const std::string below = common::FormatNumber(exact * (1 - 1e-12), "0 ft/mn");
                const std::string above = common::FormatNumber(exact * (1 + 1e-12), "0 ft/mn");
                const auto shown = CalculTaux(etat).TexteResultat;
                ASSERT_TRUE(shown == below || shown == above)
                    << "delta " << delta << " dist " << dist << " vs " << vs << ": " << *shown;
            }
        }
    }
}

}  // namespace
}  // namespace ventrose::descent
