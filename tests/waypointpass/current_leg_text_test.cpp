// SPDX-License-Identifier: GPL-3.0-or-later
#include "waypointpass/current_leg_text.h"

#include <gtest/gtest.h>

namespace ventrose::waypointpass {
namespace {

TEST(CurrentLegText, SaysTheLegTheDistanceAndTheEstimate) {
    const struct {
        const char* what;
        CurrentLeg leg;
        std::string text;
    } rows[] = {
        {"the distance to the nearest NM, half up",
         {3, "Montargis", "10:33", true, 11.5},
         "Étape 3 → Montargis : 12 NM, HE 10:33"},
        {"on the line, never «-0»",
         {3, "Montargis", "10:33", true, -0.4},
         "Étape 3 → Montargis : 0 NM, HE 10:33"},
        {"past the line",
         {3, "Montargis", "10:33", true, -2.4},
         "Étape 3 → Montargis : -2 NM, HE 10:33"},
        {"no position from the simulator",
         {3, "Montargis", "10:33", true, std::nullopt},
         "Étape 3 → Montargis : HE 10:33"},
        {"a leg without position",
         {12, "Point tapé", "X", false, std::nullopt},
         "Étape 12 → Point tapé : sans position, Top à la main, HE X"},
        {"a leg without a name", {1, "", "09:05", true, 0.2}, "Étape 1 : 0 NM, HE 09:05"},
    };
    for (const auto& row : rows) EXPECT_EQ(CurrentLegText(row.leg), row.text) << row.what;
}

}  // namespace
}  // namespace ventrose::waypointpass
