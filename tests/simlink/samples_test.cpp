// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/samples.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace ventrose::simlink {
namespace {

// Two sources of the wind speed, the preferred first, and one of the temperature.
constexpr std::array<Quantity, 3> kSources = {Quantity::WindSpeed, Quantity::WindSpeed,
                                              Quantity::Oat};

TEST(Samples, NothingReceivedGivesNothing) {
    const Samples samples(kSources);
    EXPECT_EQ(samples.Fresh(0), SimValues{});
}

TEST(Samples, TheFirstSourceThatIsNotZeroWins) {
    const struct {
        const char* what;
        std::optional<double> preferred;
        std::optional<double> other;
        std::optional<double> expected;
    } rows[] = {
        {"both answer: the preferred", 12.0, 11.5, 12.0},
        {"only the preferred", 12.0, std::nullopt, 12.0},
        {"only the other", std::nullopt, 11.5, 11.5},
        {"the preferred reads zero, as a name unknown may", 0.0, 11.5, 11.5},
        {"both read zero: a calm", 0.0, 0.0, 0.0},
        {"the other reads zero", 12.0, 0.0, 12.0},
        {"neither", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& row : rows) {
        Samples samples(kSources);
        if (row.preferred) samples.Put(0, *row.preferred, 1000);
        if (row.other) samples.Put(1, *row.other, 1000);
        EXPECT_EQ(samples.Fresh(1000).windSpeedKt, row.expected) << row.what;
    }
}

TEST(Samples, AValueIsFreshForTwoSeconds) {
    Samples samples(kSources);
    samples.Put(2, -15.0, 1000);
    EXPECT_EQ(samples.Fresh(1000).oatC, -15.0);
    EXPECT_EQ(samples.Fresh(2999).oatC, -15.0);
    EXPECT_EQ(samples.Fresh(3000).oatC, std::nullopt);
}

TEST(Samples, AStaleSourceGivesWayToAFreshOne) {
    Samples samples(kSources);
    samples.Put(0, 20.0, 0);
    samples.Put(1, 18.0, 2500);
    EXPECT_EQ(samples.Fresh(2500).windSpeedKt, 18.0);
}

TEST(Samples, TheLatestValueOfASourceCounts) {
    Samples samples(kSources);
    samples.Put(2, -15.0, 0);
    samples.Put(2, -16.0, 10);
    EXPECT_EQ(samples.Fresh(10).oatC, -16.0);
}

TEST(Samples, ASourceOutOfRangeIsIgnored) {
    Samples samples(kSources);
    samples.Put(3, 99.0, 0);
    samples.Put(kMaxSources + 5, 99.0, 0);
    EXPECT_EQ(samples.Fresh(0), SimValues{});
}

TEST(Samples, ClearForgetsEverything) {
    Samples samples(kSources);
    samples.Put(0, 20.0, 0);
    samples.Clear();
    EXPECT_EQ(samples.Fresh(0), SimValues{});
}

}  // namespace
}  // namespace ventrose::simlink
