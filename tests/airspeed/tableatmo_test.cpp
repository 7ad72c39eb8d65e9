// SPDX-License-Identifier: GPL-3.0-or-later
#include "airspeed/tableatmo.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "common/format.h"

namespace ventrose::airspeed {
namespace {

enum class Temp { Literal, RowAboveMinus2 };

struct ExpectedRow {
    double AltPieds, AltMetres, TempStd;
    Temp how;
    double PressionStd, PasDensite;
};

constexpr Temp L = Temp::Literal;
constexpr Temp C = Temp::RowAboveMinus2;

// The standard atmosphere as the window must hold it, row k for k x 1000 ft.
constexpr ExpectedRow kTable[kLignesAtmo] = {
    {0, 0, 15, L, 1013.2, 0},
    {1000, 305, 13, C, 977.2, 1},
    {2000, 610, 11, C, 942.1, 3},
    {3000, 915, 9.1, L, 908.1, 5},
    {4000, 1220, 7.1, C, 875.1, 6},
    {5000, 1525, 5.1, C, 843.1, 8},
    {6000, 1830, 3.1, C, 812, 10},
    {7000, 2135, 1.1, C, 781.9, 11},
    {8000, 2440, -0.8, L, 752.7, 13},
    {9000, 2745, -2.8, C, 724.4, 15},
    {10000, 3050, -4.8, C, 696.9, 16},
    {11000, 3355, -6.8, C, 670.4, 18},
    {12000, 3660, -8.8, C, 644.6, 20},
    {13000, 3965, -10.8, C, 619.6, 21},
    {14000, 4270, -12.7, L, 595.5, 23},
    {15000, 4575, -14.7, C, 572.1, 25},
    {16000, 4880, -16.7, C, 549.4, 26},
    {17000, 5185, -18.7, C, 527.5, 28},
    {18000, 5490, -20.7, C, 506.3, 30},
    {19000, 5795, -22.6, L, 485.8, 31},
    {20000, 6100, -24.6, C, 466, 33},
    {21000, 6405, -26.6, C, 446.8, 35},
    {22000, 6710, -28.6, C, 428.3, 36},
    {23000, 7015, -30.6, C, 410.5, 38},
    {24000, 7320, -32.5, L, 393.2, 40},
    {25000, 7625, -34.5, C, 376.5, 41},
    {26000, 7930, -36.5, C, 360.4, 43},
    {27000, 8235, -38.5, C, 344.9, 45},
    {28000, 8540, -40.5, C, 329.9, 46},
    {29000, 8845, -42.5, C, 315.4, 48},
    {30000, 9150, -44.4, L, 301.5, 50},
    {31000, 9455, -46.4, C, 288.1, 51},
    {32000, 9760, -48.4, C, 275.1, 53},
    {33000, 10065, -50.4, C, 262.6, 55},
    {34000, 10370, -52.4, C, 250.6, 56},
    {35000, 10675, -54.3, L, 239.1, 58},
    {36000, 10980, -56.3, L, 228, 60},
    {37000, 11285, -56.5, L, 217.3, 61},
    {38000, 11590, -56.5, L, 207.1, 63},
    {39000, 11895, -56.5, L, 197.5, 65},
    {40000, 12200, -56.5, L, 188.2, 66},
    {41000, 12505, -56.5, L, 179.4, 68},
    {42000, 12810, -56.5, L, 171, 70},
    {43000, 13115, -56.5, L, 163, 71},
    {44000, 13420, -56.5, L, 155.4, 73},
    {45000, 13725, -56.5, L, 148.2, 75},
};

TEST(InitTableAtmo, EveryRowAndColumn) {
    const TableAtmo table = InitTableAtmo();
    for (std::size_t k = 0; k < kLignesAtmo; ++k) {
        SCOPED_TRACE("row " + std::to_string(k));
        const ExpectedRow& e = kTable[k];
        const LigneAtmo& r = table[k];
        EXPECT_EQ(r.AltPieds, e.AltPieds);
        EXPECT_EQ(r.AltMetres, e.AltMetres);
        EXPECT_EQ(r.PressionStd, e.PressionStd);
        EXPECT_EQ(r.PasDensite, e.PasDensite);
        if (e.how == Temp::Literal) {
            EXPECT_EQ(r.TempStd, e.TempStd);
        } else {
            // Computed rows carry the drift of repeated subtraction, so they equal the row above
            // minus 2 bit for bit, and not always the decimal literal.
            EXPECT_EQ(r.TempStd, table[k - 1].TempStd - 2);
            EXPECT_NEAR(r.TempStd, e.TempStd, 1e-12);
        }
        EXPECT_EQ(common::FormatNumber(r.TempStd, "0.0 °"),
                  common::FormatNumber(e.TempStd, "0.0 °"));
    }
}

// A table typed in as finished decimals would hold 3.1 and 1.1 exactly at rows 6 and 7.
TEST(InitTableAtmo, SubtractedRowsLieJustBelowTheirDecimals) {
    const TableAtmo table = InitTableAtmo();
    EXPECT_LT(table[6].TempStd, 3.1);
    EXPECT_LT(table[7].TempStd, 1.1);
    EXPECT_EQ(common::FormatNumber(table[6].TempStd, "0.0 °"), "3,1 °");
    EXPECT_EQ(common::FormatNumber(table[7].TempStd, "0.0 °"), "1,1 °");
}

struct LigneCase {
    const char* name;
    std::int32_t altitude;
    std::int32_t ligne;
};

constexpr LigneCase kLignes[] = {
    {"SeaLevel", 0, 0},
    {"Exact10000", 10000, 10},
    {"Top", 45000, 45},
    {"TieGoesDownToEven", 2500, 2},
    {"TieGoesUpToEven", 3500, 4},
    {"TieAtHalfRowGoesToZero", 500, 0},
    {"JustAboveHalfRoundsUp", 501, 1},
    {"JustBelowHalfRoundsDown", 1499, 1},
    {"HighestOfContract", 45499, 45},
};

TEST(LigneAltitude, NearestRowTieToEven) {
    for (const auto& c : kLignes) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LigneAltitude(c.altitude), c.ligne);
    }
}

TEST(LigneDe, AltitudeOutsideTheTableThrowsInsteadOfReadingPastIt) {
    const TableAtmo table = InitTableAtmo();
    EXPECT_EQ(LigneDe(table, 45000).AltMetres, 13725);
    EXPECT_THROW(LigneDe(table, 45500), std::out_of_range);
    EXPECT_THROW(LigneDe(table, -501), std::out_of_range);
}

}  // namespace
}  // namespace ventrose::airspeed
