// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/sincos.h"

#include <gtest/gtest.h>

#include <string>

namespace ventrose::wind {
namespace {

// The method's sine and cosine of each whole wind angle, in tenths.
struct SinCosBand {
    int firstAlpha;
    int lastAlpha;
    int sinTenths;
    int cosTenths;
};

constexpr SinCosBand kBands[] = {
    {0, 2, 0, 10},   {3, 8, 1, 10},  {9, 14, 2, 10},  {15, 18, 3, 10}, {19, 20, 3, 9},
    {21, 26, 4, 9},  {27, 31, 5, 9}, {32, 33, 5, 8},  {34, 40, 6, 8},  {41, 41, 7, 8},
    {42, 48, 7, 7},  {49, 49, 8, 7}, {50, 56, 8, 6},  {57, 58, 8, 5},  {59, 63, 9, 5},
    {64, 69, 9, 4},  {70, 71, 9, 3}, {72, 75, 10, 3}, {76, 81, 10, 2}, {82, 87, 10, 1},
    {88, 90, 10, 0},
};

std::string Tenths(int tenths) {
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

TEST(CalculSinCos, EveryAlphaMatchesTheMethodsTable) {
    for (const auto& band : kBands) {
        for (int Alpha = band.firstAlpha; Alpha <= band.lastAlpha; ++Alpha) {
            const SinCos s = CalculSinCos(Alpha);
            EXPECT_EQ(s.SinAlpha, band.sinTenths / 10.0) << "Alpha " << Alpha;
            EXPECT_EQ(s.CosAlpha, band.cosTenths / 10.0) << "Alpha " << Alpha;
            EXPECT_EQ(s.SinAlphaText, Tenths(band.sinTenths)) << "Alpha " << Alpha;
            EXPECT_EQ(s.CosAlphaText, Tenths(band.cosTenths)) << "Alpha " << Alpha;
        }
    }
}

}  // namespace
}  // namespace ventrose::wind
