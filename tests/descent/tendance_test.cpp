// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/tendance.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "tests/descent/affichage_rows.h"

namespace ventrose::descent {
namespace {

struct AltitudeRow {
    const char* name;
    std::int32_t AltA, AltB;
    Tendance tendance;
    const char* TexteAlt;
    const char* traits;
    const char* titre;
};

constexpr AltitudeRow kRows[] = {
    {"DescentCarriesMinusBeforeBlank", 2000, 0, Tendance::Descente, "- 2000 '", "011",
     "Vario de descente"},
    {"ClimbHasPlusSign", 0, 3000, Tendance::Montee, "+ 3000 '", "110", "Vario de montée"},
    {"LevelIsBlankZero", 4500, 4500, Tendance::Nul, " 0 '", "100", "Vario nul"},
    {"SmallestClimb", 49900, 50000, Tendance::Montee, "+ 100 '", "110", "Vario de montée"},
    {"WholeRangeDescent", 50000, 0, Tendance::Descente, "- 50000 '", "011", "Vario de descente"},
};

TEST(CalculAltitude, Cases) {
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.name);
        const ChangementAltitude c = CalculAltitude({.AltA = row.AltA, .AltB = row.AltB});
        EXPECT_EQ(c.tendance, row.tendance);
        EXPECT_EQ(c.TexteAlt, row.TexteAlt);
        EXPECT_EQ(c.Traits, Traits(row.traits));
        EXPECT_STREQ(TitreVario(c.tendance), row.titre);
    }
}

// Altitudes at the ends of their type must not overflow the difference.
TEST(CalculAltitude, ExtremeRecordDoesNotOverflow) {
    constexpr auto lo = std::numeric_limits<std::int32_t>::min();
    constexpr auto hi = std::numeric_limits<std::int32_t>::max();
    const ChangementAltitude c = CalculAltitude({.AltA = lo, .AltB = hi});
    EXPECT_EQ(c.Delta, std::int64_t{hi} - lo);
    EXPECT_EQ(c.TexteAlt, "+ 4294967295 '");
}

}  // namespace
}  // namespace ventrose::descent
