// SPDX-License-Identifier: GPL-3.0-or-later
#include "planimport/route.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace ventrose::planimport {
namespace {

using flightplan::Waypoint;

Waypoint At(const char* ident, double latitude, double longitude, const char* name = "") {
    return {ident, name, common::LatLon{latitude, longitude}, {}};
}

Waypoint Unplaced(const char* ident) { return {ident, "", std::nullopt, {}}; }

constexpr magnetic::Date kJune2026{2026, 6, 15};

Route Build(const std::vector<Waypoint>& points, magnetic::Date date = kJune2026) {
    auto built = BuildRoute(points, date);
    if (auto* e = std::get_if<RouteError>(&built)) ADD_FAILURE() << e->message;
    return std::holds_alternative<Route>(built) ? std::get<Route>(built) : Route{};
}

std::string Refusal(const std::vector<Waypoint>& points) {
    const auto built = BuildRoute(points, kJune2026);
    return std::holds_alternative<RouteError>(built) ? std::get<RouteError>(built).message
                                                     : "(built)";
}

struct Expected {
    const char* repere;
    int Rm;
    int D;
};

void ExpectLegs(const Route& route, const std::vector<Expected>& expected) {
    ASSERT_EQ(route.legs.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(route.legs[i].repere, expected[i].repere) << i;
        EXPECT_EQ(route.legs[i].Rm, expected[i].Rm) << i;
        EXPECT_EQ(route.legs[i].D, expected[i].D) << i;
    }
}

// The figures come from outside this code: the distance and the azimuth at the middle from
// GeographicLib's GeodSolve tool, the declination there from another WMM2025 implementation
// (the npm package geomagnetism 0.2.0), on 15 June 2026. Rm = true - declination, rounded.
TEST(BuildRoute, GivesEachLegsMagneticCourseAndDistance) {
    const Route route = Build({
        At("KYKM", 46.568199, -120.543999, "Yakima Air Terminal"),
        At("", 47.676601, -120.848, "User defined point"),
        At("DIABO", 48.833759, -120.93708),
        At("CYLW", 49.957199, -119.377998, "Kelowna"),
    });
    EXPECT_EQ(route.origin.repere, "KYKM");
    EXPECT_EQ(route.origin.position, (common::LatLon{46.568199, -120.543999}));
    // true 349.3982 - 14.4912; 357.0576 - 14.7763; 42.1629 - 14.8665
    ExpectLegs(route, {{"User defined point", 335, 68}, {"DIABO", 342, 70}, {"CYLW", 27, 91}});
    EXPECT_EQ(route.legs[2].position, (common::LatLon{49.957199, -119.377998}));
    EXPECT_EQ(ImportNotice(route), "");
}

// Kennedy to Heathrow, 2999.5 NM: eight parts of 374.9 NM, each with the course at its own
// middle, the course turning from 68 to 105 on the way.
TEST(BuildRoute, SplitsALongLegAlongTheGeodesic) {
    const Route route = Build({At("KJFK", 40.6398, -73.7789), At("EGLL", 51.47, -0.4543)});
    ExpectLegs(route, {{"EGLL (1/8)", 68, 375},
                       {"EGLL (2/8)", 75, 375},
                       {"EGLL (3/8)", 82, 375},
                       {"EGLL (4/8)", 88, 375},
                       {"EGLL (5/8)", 93, 375},
                       {"EGLL (6/8)", 97, 375},
                       {"EGLL (7/8)", 101, 375},
                       {"EGLL", 105, 375}});
    EXPECT_NEAR(route.legs[3].position.latitude, 52.236922056, 1e-8);
    EXPECT_NEAR(route.legs[3].position.longitude, -41.291269739, 1e-8);
    EXPECT_EQ(route.legs.back().position, (common::LatLon{51.47, -0.4543}));
    EXPECT_EQ(route.splits, (std::vector<Split>{{"EGLL", 8}}));
}

// The message after an import names what was left out or cut, as the log shows it.
TEST(BuildRoute, NamesWhatItSkippedAndSplit) {
    const Route route = Build({
        Unplaced("RW27"),
        At("LFPO", 48.7233, 2.3794),
        At("", 48.7266, 2.3794, "Orly Sud"),  // 0.2 NM away: a runway beside its airport
        Unplaced("VECTORS"),
        At("ERIGA", 38.0, -12.0),
    });
    EXPECT_EQ(route.origin.repere, "LFPO");
    ASSERT_EQ(route.legs.size(), 3u);
    EXPECT_EQ(ImportNotice(route),
              "Points sans position ignorés : RW27, VECTORS. Points à moins de 0,5 NM du "
              "précédent ignorés : Orly Sud. Étape ERIGA coupée en 3.");
}

TEST(BuildRoute, KeepsAPointHalfAMileAwayAndMeasuresFromTheLastKept) {
    // 0.4 NM, then 0.4 NM more: the second is 0.8 NM from the last kept, and is a leg.
    const Route route =
        Build({At("A", 45, 5), At("B", 45 + 0.4 / 60, 5), At("C", 45 + 0.8 / 60, 5)});
    ExpectLegs(route, {{"C", 357, 1}});  // due north, declination 2.7 E
    EXPECT_EQ(route.tooClose, std::vector<std::string>{"B"});
}

// Every direction from one place: the courses are 1 to 360, each of them reached, north
// written 360 and never 0.
TEST(BuildRoute, WritesCoursesFrom1To360) {
    std::set<int> seen;
    for (int tenth = 0; tenth < 3600; ++tenth) {
        const double angle = tenth / 10.0 * 3.14159265358979323846 / 180;
        const Route route =
            Build({At("A", 45, 5), At("B", 45 + 0.2 * std::cos(angle), 5 + 0.2 * std::sin(angle))});
        ASSERT_EQ(route.legs.size(), 1u);
        seen.insert(route.legs[0].Rm);
    }
    EXPECT_EQ(seen.size(), 360u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 360);
}

TEST(BuildRoute, CutsNamesTo40CharactersWithRoomForThePartNumber) {
    const std::string long_(45, 'X');
    const std::string accented = "Aérodrome de Saint-Étienne-de-Saint-Geoirs Grenoble";
    const Route route = Build({At(accented.c_str(), 40, 5), At(long_.c_str(), 51, 5)});
    EXPECT_EQ(route.origin.repere, "Aérodrome de Saint-Étienne-de-Saint-Geoi");
    EXPECT_EQ(route.legs[0].repere, std::string(34, 'X') + " (1/2)");
    EXPECT_EQ(route.legs[1].repere, std::string(40, 'X'));
}

TEST(BuildRoute, SaysWhenTheDateIsOutsideTheModelsYears) {
    const Route route = Build({At("A", 45, 5), At("B", 46, 5)}, {2031, 3, 1});
    EXPECT_TRUE(route.outsideModelValidity);
    EXPECT_EQ(ImportNotice(route),
              "La date est hors de la période de validité du modèle magnétique WMM2025 (2025 à "
              "2030) : les Rm sont calculés avec le modèle tel quel.");
}

std::vector<Waypoint> Line(int count) {
    std::vector<Waypoint> points;
    for (int i = 0; i < count; ++i) points.push_back(At("P", 40 + i * 0.1, 5));
    return points;
}

TEST(BuildRoute, RefusesNoLegOrMoreThanTheLogHolds) {
    EXPECT_EQ(Refusal({Unplaced("RW27"), Unplaced("LFPO")}),
              "Aucun point du plan n'a de position : il n'y a pas d'étape à calculer.");
    EXPECT_EQ(Refusal({At("LFPO", 48.7233, 2.3794), At("RW06", 48.7240, 2.3800)}),
              "Le plan ne donne aucune étape : il lui faut au moins deux points avec une position, "
              "à 0,5 NM au moins l'un de l'autre.");
    EXPECT_EQ(Refusal(Line(102)), "Le plan donne plus de 100 étapes : le log n'en tient que 100.");
    EXPECT_EQ(Refusal(Line(101)), "(built)");
    // Split parts count as legs: 98 legs, then one cut in 3.
    std::vector<Waypoint> split = Line(99);
    split.push_back(At("FAR", 65, 5));
    EXPECT_EQ(Refusal(split), "Le plan donne plus de 100 étapes : le log n'en tient que 100.");
}

}  // namespace
}  // namespace ventrose::planimport
