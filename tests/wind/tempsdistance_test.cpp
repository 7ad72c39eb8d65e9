// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/tempsdistance.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "wind/facteurs.h"

namespace ventrose::wind {
namespace {

struct LegRow {
    const char* name;
    ModeVol mode;
    int Vp;
    double entered;
    double D, Tsv;
    const char *DEntryText, *DText, *TsvText, *TsvEntryText;
    int computedEntry;
};

constexpr auto kTemps = ModeVol::Temps;
constexpr auto kDistance = ModeVol::Distance;

constexpr LegRow kLegRows[] = {
    {"StartTemps", kTemps, 120, 0, 0, 0, " 0 NM", "0 NM", "0 mn", " 0 mn", 0},
    {"Temps100NM", kTemps, 120, 100, 100, 50, " 100 NM", "100 NM", "50 mn", " 50 mn", 50},
    // Fb 0.67, not 2/3: 201, not 200.
    {"TempsRoundedFb", kTemps, 90, 300, 300, 201, " 300 NM", "300 NM", "201 mn", " 201 mn", 201},
    // The label rounds the half up, the bar to even.
    {"TempsTieLabelUpBarEven", kTemps, 120, 5, 5, 2.5, " 5 NM", "5 NM", "3 mn", " 3 mn", 2},
    {"TempsTieBothUp", kTemps, 120, 7, 7, 3.5, " 7 NM", "7 NM", "4 mn", " 4 mn", 4},
    {"TempsBarAtItsEnd", kTemps, 60, 240, 240, 240, " 240 NM", "240 NM", "240 mn", " 240 mn", 240},
    {"TempsBarPinned", kTemps, 60, 400, 400, 400, " 400 NM", "400 NM", "400 mn", " 400 mn", 240},
    {"StartDistance", kDistance, 120, 0, 0, 0, " 0 NM", "0 NM", "0 mn", " 0mn", 0},
    {"Distance60mn", kDistance, 100, 60, 102, 60, " 102 NM", "102 NM", "60 mn", " 60mn", 102},
    {"Distance30mn", kDistance, 150, 30, 75, 30, " 75 NM", "75 NM", "30 mn", " 30mn", 75},
    {"DistanceTieLabelUpBarEven", kDistance, 90, 3, 4.5, 3, " 5 NM", "5 NM", "3 mn", " 3mn", 4},
    {"TempsBeyond16BitsPinned", kTemps, 60, 40000, 40000, 40000, " 40000 NM", "40000 NM",
     "40000 mn", " 40000 mn", 240},
    {"DistanceBarPinned", kDistance, 800, 240, 3192, 240, " 3192 NM", "3192 NM", "240 mn", " 240mn",
     400},
};

TEST(CalculTempsDistance, Examples) {
    for (const auto& row : kLegRows) {
        SCOPED_TRACE(row.name);
        const Facteurs f = CalculFacteurs(row.Vp);
        const TempsDistance r = CalculTempsDistance(row.mode, row.entered, f.Fb, f.InvFb);
        EXPECT_DOUBLE_EQ(r.D, row.D);
        EXPECT_DOUBLE_EQ(r.Tsv, row.Tsv);
        EXPECT_EQ(r.DEntryText, row.DEntryText);
        EXPECT_EQ(r.DText, row.DText);
        EXPECT_EQ(r.TsvText, row.TsvText);
        EXPECT_EQ(r.TsvEntryText, row.TsvEntryText);
        EXPECT_EQ(r.computedEntry, row.computedEntry);
    }
}

struct WindTimeRow {
    const char* name;
    double D, Vs;
    std::optional<std::int16_t> Tav;
    const char* TavText;
};

const WindTimeRow kWindTimeRows[] = {
    {"Start", 0, 120, 0, "0 mn"},
    {"RoundsUp", 100, 102, 59, "59 mn"},  // 58.8
    {"TieToEven", 5, 120, 2, "2 mn"},     // 2.5, while Tsv shows «3 mn»
    {"TieToEvenUp", 7, 120, 4, "4 mn"},   // 3.5
    {"TailWind", 75, 170, 26, "26 mn"},   // 26.47
    // 60 x (41 / 40) is just below 61.5; 60 x 41 / 40 would be the tie 61.5, going to 62.
    {"QuotientFirst", 41, 40, 61, "61 mn"},
    {"LargestThatFits", 32767, 60, 32767, "32767 mn"},
    {"JustTooLarge", 32768, 60, std::nullopt, "> 32767 mn"},
    {"TinyGroundSpeed", 1, 1e-9, std::nullopt, "> 32767 mn"},
    {"GroundSpeedZero", 100, 0, std::nullopt, "X"},
    {"GroundSpeedZeroNoDistance", 0, 0, std::nullopt, "X"},
    {"GroundSpeedNegative", 100, -10, std::nullopt, "X"},
};

TEST(CalculTempsAvecVent, Examples) {
    for (const auto& row : kWindTimeRows) {
        SCOPED_TRACE(row.name);
        const TempsAvecVent r = CalculTempsAvecVent(row.D, row.Vs);
        EXPECT_EQ(r.Tav, row.Tav);
        EXPECT_EQ(r.TavText, row.TavText);
    }
}

}  // namespace
}  // namespace ventrose::wind
