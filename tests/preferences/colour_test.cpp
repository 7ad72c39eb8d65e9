// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/colour.h"

#include <gtest/gtest.h>

namespace ventrose::preferences {
namespace {

TEST(ContrastRatio, KnownValuesOfTheFormula) {
    const struct {
        const char* what;
        Colour a, b;
        double expected;
    } rows[] = {
        {"black on white, the largest", 0x000000, 0xFFFFFF, 21.0},
        {"a colour against itself", 0xD00000, 0xD00000, 1.0},
        {"the grey that just passes on white", 0x767676, 0xFFFFFF, 4.54},
        {"pure red on black", 0xFF0000, 0x000000, 5.25},
        {"pure blue on white", 0x0000FF, 0xFFFFFF, 8.59},
        {"the linear segment of the curve", 0x0A0A0A, 0x000000, 1.06},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(ContrastRatio(row.a, row.b), row.expected, 0.005) << row.what;
        EXPECT_DOUBLE_EQ(ContrastRatio(row.a, row.b), ContrastRatio(row.b, row.a))
            << row.what << ", either order";
    }
}

TEST(RelativeLuminance, EndsAndChannelWeights) {
    EXPECT_DOUBLE_EQ(RelativeLuminance(0x000000), 0.0);
    EXPECT_DOUBLE_EQ(RelativeLuminance(0xFFFFFF), 1.0);
    EXPECT_DOUBLE_EQ(RelativeLuminance(0xFF0000), 0.2126);
    EXPECT_DOUBLE_EQ(RelativeLuminance(0x00FF00), 0.7152);
    EXPECT_DOUBLE_EQ(RelativeLuminance(0x0000FF), 0.0722);
    EXPECT_DOUBLE_EQ(RelativeLuminance(kDefaultColour), 1.0) << "the top byte is not a channel";
}

}  // namespace
}  // namespace ventrose::preferences
