// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/calculdist.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "tests/descent/affichage_rows.h"

namespace ventrose::descent {
namespace {

constexpr std::optional<std::int16_t> kUnset = std::nullopt;

struct DistRow {
    const char* name;
    std::int32_t AltA, AltB;
    std::optional<std::int16_t> Vz, Vs;
    const char* TexteAlt;
    const char* traits;
    const char* pente;  // nullptr: absent
    const char* penteDeg;
    const char* resultat;
    const char* tsv;
    bool VzAZero;
    std::optional<std::int16_t> VzAfter;
};

const DistRow kRows[] = {
    // f = 300 ft per mile, Floor(2000 ÷ 300) = 6 miles, whose time 3.6 mn shows as 4.
    {"TimeOfWholeMiles", 2000, 0, 500, 100, "- 2000 '", "011", "5,0", "3,0", "6 NM", "4 mn", false,
     500},
    {"FirstOpeningPlusOneKnot", 2000, 0, 200, 61, "- 2000 '", "011", "3,3", "2,0", "10 NM", "10 mn",
     false, 200},
    {"TwoHundredAtSixty", 2000, 0, 200, 60, "- 2000 '", "011", "3,3", "2,0", "10 NM", "10 mn",
     false, 200},
    {"Climb", 0, 3000, 500, 100, "+ 3000 '", "110", "5,0", "3,0", "10 NM", "6 mn", false, 500},
    // One foot per mile exactly: still a distance.
    {"OneFootPerMileAtLimit", 2000, 0, 10, 600, "- 2000 '", "011", "0,0", "0,0", "2000 NM",
     "200 mn", false, 10},
    // Just under one foot per mile: no distance, and the time of 0 miles.
    {"UnderOneFootPerMile", 2000, 0, 10, 601, "- 2000 '", "011", "0,0", "0,0", "???", "0 mn", false,
     10},
    {"ZeroVarioHasNoDistance", 2000, 0, 0, 100, "- 2000 '", "011", "0,0", "0,0", "???", "0 mn",
     false, 0},
    {"LevelForcesVarioToZero", 3000, 3000, 700, 100, " 0 '", "100", "0,0", "0,0", "???", "0 mn",
     true, 0},
    {"LevelWithVarioUnsetSetsIt", 3000, 3000, kUnset, 100, " 0 '", "100", "0,0", "0,0", "???",
     "0 mn", true, 0},
    {"LevelWithoutGroundSpeedStillForces", 3000, 3000, 700, kUnset, " 0 '", "100", nullptr, nullptr,
     nullptr, nullptr, true, 0},
    {"GroundSpeedUnsetOnlyAltitude", 2000, 0, 200, kUnset, "- 2000 '", "011", nullptr, nullptr,
     nullptr, nullptr, false, 200},
    {"VarioUnsetCountsAsZero", 2000, 0, kUnset, 100, "- 2000 '", "011", "0,0", "0,0", "???", "0 mn",
     false, kUnset},
    // 7000 ÷ 60 = 116.7 %, 7000 ft per mile: under one mile for a 5000 ft change.
    {"SteepestUnderOneMile", 5000, 0, 7000, 60, "- 5000 '", "011", "116,7", "70,0", "0 NM", "0 mn",
     false, 7000},
    {"WholeRange", 50000, 0, 10, 60, "- 50000 '", "011", "0,2", "0,1", "5000 NM", "5000 mn", false,
     10},
    // Out of the bar's range: no division by zero.
    {"ZeroGroundSpeed", 2000, 0, 200, 0, "- 2000 '", "011", "???", "???", "???", "???", false, 200},
};

TEST(CalculDist, Cases) {
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.name);
        EtatDescente etat{
            .AltA = row.AltA, .AltB = row.AltB, .Dist = 40, .Vs = row.Vs, .Vz = row.Vz};
        const AffichageDescente a = CalculDist(etat);
        EXPECT_EQ(a.TexteAlt, row.TexteAlt);
        EXPECT_EQ(a.Traits, Traits(row.traits));
        EXPECT_EQ(a.TitreVario, std::nullopt);
        EXPECT_EQ(a.TextePente, Texte(row.pente));
        EXPECT_EQ(a.TextePenteDeg, Texte(row.penteDeg));
        EXPECT_EQ(a.TexteResultat, Texte(row.resultat));
        EXPECT_EQ(a.TexteTsv, Texte(row.tsv));
        EXPECT_EQ(a.VzAZero, row.VzAZero);
        EXPECT_EQ(etat.Vz, row.VzAfter);
        EXPECT_EQ(etat.Dist, 40);
    }
}

// Over every vertical speed and ground speed of the bars: the whole feet per mile that the
// rule uses are the exact ones (Vz × 60 ÷ Vs, in integers) or, where the double steps land
// just below a whole number, one less; the miles shown are those of that figure, and a slope
// under one foot per mile shows no distance and a time of 0.
TEST(CalculDist, WholeRangeUsesWholeFeetPerMile) {
    constexpr long kChange = 50000;
    for (int vz = 0; vz <= 7000; vz += 10) {
        for (int vs = 60; vs <= 1800; vs += 13) {
            EtatDescente etat{.AltA = kChange,
                              .AltB = 0,
                              .Vs = static_cast<std::int16_t>(vs),
                              .Vz = static_cast<std::int16_t>(vz)};
            const AffichageDescente a = CalculDist(etat);
            ASSERT_TRUE(a.TexteResultat && a.TexteTsv);
            const long exact = vz * 60L / vs;
            if (*a.TexteResultat == "???") {
                ASSERT_LE(exact, 1) << vz << " " << vs;
                ASSERT_EQ(*a.TexteTsv, "0 mn") << vz << " " << vs;
                continue;
            }
            const long miles = std::stol(*a.TexteResultat);
            ASSERT_GE(exact, 1) << vz << " " << vs;
            ASSERT_TRUE(miles == kChange / exact || (exact > 1 && miles == kChange / (exact - 1)))
                << vz << " " << vs << ": " << miles;
        }
    }
}

}  // namespace
}  // namespace ventrose::descent
