// SPDX-License-Identifier: GPL-3.0-or-later
#include "waypointpass/passage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "geodesy/geodesic.h"
#include "waypointpass/leg_line.h"

namespace ventrose::waypointpass {
namespace {

using common::LatLon;

// Minutes of arc of latitude a distance north of the equator takes (the meridian's arc there is
// 1842.9 m a minute, not 1852), close enough for the distances these tests put aside.
double NorthOfEquator(double nm) { return nm / 60 * 1852.0 / 1842.9; }

LegLine Leg(LatLon start, LatLon waypoint) {
    const auto leg = LegLine::Between(start, waypoint);
    EXPECT_TRUE(leg);
    return leg.value_or(*LegLine::Between({0, 0}, {0, 1}));
}

// Along the equator, eastbound, to a waypoint at 1° E: the line through it is the meridian 1° E.
const LegLine kEquator = Leg({0, 0}, {0, 1});

TEST(LegLine, PlacesTheAircraftAlongAndAcrossTheLeg) {
    const Place onLeg = kEquator.Locate({0, 0.8});
    EXPECT_NEAR(onLeg.toGoNm, geodesy::PathBetween({0, 0.8}, {0, 1}).distanceNm, 1e-9);
    EXPECT_NEAR(onLeg.asideNm, 0, 1e-9);
    const Place south = kEquator.Locate({-NorthOfEquator(2), 1});
    EXPECT_NEAR(south.toGoNm, 0, 1e-9);
    EXPECT_NEAR(south.asideNm, 2, 0.01) << "the right of an eastbound leg is south";
    EXPECT_NEAR(kEquator.Locate({NorthOfEquator(2), 1.1}).asideNm, -2, 0.01);
    EXPECT_LT(kEquator.Locate({0, 1.1}).toGoNm, 0);
}

TEST(LegLine, ALegWithoutLengthHasNoLine) {
    EXPECT_FALSE(LegLine::Between({47.5, 2.5}, {47.5, 2.5}));
    EXPECT_FALSE(LegLine::Between({std::numeric_limits<double>::quiet_NaN(), 0}, {0, 1}));
    EXPECT_TRUE(LegLine::Between({47.5, 2.5}, {47.5, 2.5001}));
}

TEST(Judge, DecidesFromTwoFixes) {
    const double northOf4Nm = NorthOfEquator(4), northOf2_9Nm = NorthOfEquator(2.9);
    const struct {
        const char* what;
        Fix previous;
        Fix current;
        Outcome outcome;
        double topSeconds;
    } rows[] = {
        // 0.01° before the line and 0.02° past it: the line is a third of the way.
        {"a pass between two fixes, its time interpolated",
         {{0, 0.99}, 100},
         {{0, 1.02}, 103},
         Outcome::Top,
         101},
        {"a fix on the line tops", {{0, 0.99}, 100}, {{0, 1}, 101}, Outcome::Top, 101},
        {"leaving the line after a Top on it tops nothing again",
         {{0, 1}, 101},
         {{0, 1.01}, 102},
         Outcome::None,
         0},
        {"the pass just after midnight, between fixes either side of it",
         {{0, 0.99}, 86399.5},
         {{0, 1.02}, 2.5},
         Outcome::Top,
         0.5},
        {"2.9 NM abeam tops",
         {{northOf2_9Nm, 0.99}, 100},
         {{northOf2_9Nm, 1.02}, 103},
         Outcome::Top,
         101},
        {"4 NM abeam does not",
         {{northOf4Nm, 0.99}, 100},
         {{northOf4Nm, 1.02}, 103},
         Outcome::PassedAbeam,
         0},
        {"approaching", {{0, 0.9}, 100}, {{0, 0.95}, 110}, Outcome::None, 0},
        {"past the line and flying on", {{0, 1.01}, 100}, {{0, 1.03}, 110}, Outcome::None, 0},
        {"turning back over the line", {{0, 1.02}, 100}, {{0, 0.99}, 103}, Outcome::None, 0},
        {"a teleport: 24 NM in a second", {{0, 0.8}, 100}, {{0, 1.2}, 101}, Outcome::Jump, 0},
        {"24 NM in two seconds is a flight", {{0, 0.8}, 100}, {{0, 1.2}, 102}, Outcome::Top, 101},
        {"two fixes in FlightGear's same second",
         {{0, 0.999}, 100},
         {{0, 1.001}, 100},
         Outcome::Top,
         100},
        {"moved 24 NM while paused", {{0, 0.8}, 100}, {{0, 1.2}, 100}, Outcome::Jump, 0},
        {"the clock set back a second", {{0, 0.99}, 100}, {{0, 1.02}, 99}, Outcome::Jump, 0},
        {"the link lost for a minute", {{0, 0.99}, 100}, {{0, 1.02}, 160}, Outcome::Jump, 0},
        {"the line crossed 500 NM away",
         {{NorthOfEquator(500), 0.99}, 100},
         {{NorthOfEquator(500), 1.02}, 103},
         Outcome::None,
         0},
    };
    for (const auto& row : rows) {
        const Verdict verdict = Judge(kEquator, row.previous, row.current);
        EXPECT_EQ(verdict.outcome, row.outcome) << row.what;
        if (row.outcome == Outcome::Top) {
            EXPECT_NEAR(verdict.topSeconds, row.topSeconds, 1e-6) << row.what;
        }
        EXPECT_NEAR(verdict.place.toGoNm, kEquator.Locate(row.current.position).toGoNm, 1e-12)
            << row.what;
    }
    EXPECT_NEAR(Judge(kEquator, {{northOf4Nm, 0.99}, 100}, {{northOf4Nm, 1.02}, 103}).abeamNm, 4,
                0.01);
}

// The waypoint is part k of n of the geodesic from `from` to `to`; the fixes are parts k - 1 and
// k + 2, one second apart each part, so the line is crossed at a third of the pair's second.
void ExpectTopAtAThird(LatLon from, LatLon to, const char* what) {
    constexpr int kParts = 1000, kWaypoint = 600;
    const std::vector<geodesy::Part> parts = geodesy::Split(from, to, kParts);
    const auto at = [&](int k) { return parts[static_cast<std::size_t>(k - 1)].end; };
    const auto leg = LegLine::Between(from, at(kWaypoint));
    ASSERT_TRUE(leg) << what;
    const Verdict verdict = Judge(*leg, {at(kWaypoint - 1), 100}, {at(kWaypoint + 2), 103});
    EXPECT_EQ(verdict.outcome, Outcome::Top) << what;
    EXPECT_NEAR(verdict.topSeconds, 101, 1e-3) << what;
    EXPECT_NEAR(verdict.abeamNm, 0, 1e-6) << what;
}

TEST(Judge, TopsAnywhereOnEarth) {
    ExpectTopAtAThird({48.72, 2.38}, {46.9, 3.4}, "southeast across France");
    ExpectTopAtAThird({52.0, 179.7}, {52.3, -179.6}, "across 180° of longitude");
    ExpectTopAtAThird({-33.9, -179.8}, {-33.5, 179.5}, "across 180° the other way");
    ExpectTopAtAThird({89.7, 10}, {89.6, -170}, "over the north pole");
    ExpectTopAtAThird({-89.8, 45}, {-89.7, 120}, "beside the south pole");
}

// From the pole every way is south: the leg arrives heading north, and the aircraft flying on
// down the other side is past it.
TEST(Judge, TopsAWaypointAtThePole) {
    const LegLine leg = Leg({89, 0}, {90, 0});
    const Verdict verdict = Judge(leg, {{89.99, 0}, 100}, {{89.98, 180}, 103});
    EXPECT_EQ(verdict.outcome, Outcome::Top);
    EXPECT_NEAR(verdict.topSeconds, 101, 1e-3);
}

}  // namespace
}  // namespace ventrose::waypointpass
