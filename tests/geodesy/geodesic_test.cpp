// SPDX-License-Identifier: GPL-3.0-or-later
#include "geodesy/geodesic.h"

#include <gtest/gtest.h>

namespace ventrose::geodesy {
namespace {

// Reference legs solved by GeographicLib's own command-line tool, GeodSolve 2.1.2 (`GeodSolve
// -i` for the distance, then `GeodSolve -L` at half of it for the middle and its azimuth).
struct Reference {
    const char* name;
    common::LatLon from, to;
    double distanceNm;
    common::LatLon middle;
    double courseAtMiddle;
};

TEST(Measure, AgreesWithGeodSolve) {
    const Reference rows[] = {
        {"short: Orly to Toussus",
         {48.7233, 2.3794},
         {48.7519, 2.1061},
         10.989587,
         {48.73768103954812, 2.24278875922915},
         360 - 81.00970943224868},
        {"long: Kennedy to Heathrow, the course turning by 50 degrees",
         {40.6398, -73.7789},
         {51.47, -0.4543},
         2999.495479,
         {52.23692205581382, -41.29126973935155},
         75.34389510398125},
        {"across the Greenwich meridian",
         {51.5, -1.0},
         {48.0, 2.0},
         240.389030,
         {49.75996394092542, 0.55399640615100},
         150.99993852259257},
        {"across the 180th meridian: Nadi to Apia",
         {-17.75, 177.45},
         {-13.83, -171.99},
         654.098608,
         {-15.85447953071959, -177.21907493616584},
         68.98170735818212},
        {"over the north pole's edge",
         {85, 10},
         {86, -150},
         534.617992,
         {89.07512052010087, -37.83682143385756},
         360 - 56.71333326112512},
        {"nearly antipodal",
         {0, 0},
         {0.5, 179.5},
         10764.734654,
         {64.40180418444386, 89.23338956875709},
         89.42644387685357},
    };
    for (const Reference& r : rows) {
        const Leg leg = Measure(r.from, r.to);
        EXPECT_NEAR(leg.distanceNm, r.distanceNm, 1e-6) << r.name;
        EXPECT_NEAR(leg.trueCourse, r.courseAtMiddle, 1e-9) << r.name;
        EXPECT_NEAR(leg.middle.latitude, r.middle.latitude, 1e-9) << r.name;
        EXPECT_NEAR(leg.middle.longitude, r.middle.longitude, 1e-9) << r.name;
    }
}

TEST(Measure, GivesACourseFrom0ToBelow360) {
    EXPECT_EQ(Measure({45, 5}, {46, 5}).trueCourse, 0);            // due north
    EXPECT_NEAR(Measure({46, 5}, {45, 5}).trueCourse, 180, 1e-9);  // due south
    EXPECT_EQ(Measure({45, 5}, {45, 5}).distanceNm, 0);
}

TEST(PartsNeeded, CutsOnlyLegsOverTheLimit) {
    EXPECT_EQ(PartsNeeded(0, 400), 1);
    EXPECT_EQ(PartsNeeded(400, 400), 1);
    EXPECT_EQ(PartsNeeded(400.001, 400), 2);
    EXPECT_EQ(PartsNeeded(800, 400), 2);
    EXPECT_EQ(PartsNeeded(2999.5, 400), 8);
}

// Each part is a piece of the one geodesic, not a new geodesic between rounded points: its ends
// lie at the right distances from the start, and the pieces add up to the whole.
TEST(Split, CutsTheGeodesicIntoEqualPiecesAlongIt) {
    const common::LatLon from{40.6398, -73.7789}, to{51.47, -0.4543};
    const double total = Measure(from, to).distanceNm;
    const auto parts = Split(from, to, 8);
    ASSERT_EQ(parts.size(), 8u);
    for (std::size_t k = 0; k < parts.size(); ++k) {
        EXPECT_NEAR(parts[k].leg.distanceNm, total / 8, 1e-9) << k;
        EXPECT_NEAR(Measure(from, parts[k].end).distanceNm, total * double(k + 1) / 8, 1e-6) << k;
    }
    EXPECT_EQ(parts.back().end, to);
    // The first piece's middle is the whole leg's point at a sixteenth of the way.
    EXPECT_NEAR(Measure(from, parts[0].leg.middle).distanceNm, total / 16, 1e-6);
}

}  // namespace
}  // namespace ventrose::geodesy
