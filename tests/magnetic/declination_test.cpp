// SPDX-License-Identifier: GPL-3.0-or-later
#include "magnetic/declination.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "magnetic/cof.h"

namespace ventrose::magnetic {
namespace {

// The values of the WMM2025 report's own table, which NOAA gives to two decimals.
struct Row {
    const char* name;
    double year, heightKm, latitude, longitude, declination;
};

TEST(Wmm2025Declination, GivesTheReportsTestValues) {
    const Row rows[] = {
        {"north, sea level", 2025.0, 0, 80, 0, 1.28},
        {"equator, sea level", 2025.0, 0, 0, 120, -0.16},
        {"south, longitude past 180", 2025.0, 0, -80, 240, 68.78},
        {"north, 100 km, mid-validity", 2027.5, 100, 80, 0, 2.16},
    };
    for (const Row& r : rows) {
        const Declination d = Wmm2025Declination({r.latitude, r.longitude}, r.heightKm, r.year);
        EXPECT_NEAR(d.degrees, r.declination, 0.005) << r.name;
        EXPECT_TRUE(d.withinValidity) << r.name;
    }
}

// NOAA's hundred test points, spread over the globe, the heights and the five years.
TEST(Wmm2025Declination, GivesNoaasHundredTestValues) {
    std::ifstream in(VENTROSE_WMM2025_TEST_VALUES);
    ASSERT_TRUE(in) << VENTROSE_WMM2025_TEST_VALUES;
    std::string line;
    int count = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        double year = 0, height = 0, latitude = 0, longitude = 0, declination = 0;
        ASSERT_TRUE(fields >> year >> height >> latitude >> longitude >> declination) << line;
        const Declination d = Wmm2025Declination({latitude, longitude}, height, year);
        EXPECT_NEAR(d.degrees, declination, 0.005) << line;
        ++count;
    }
    EXPECT_EQ(count, 100);
}

TEST(Wmm2025Declination, SaysWhenTheDateIsOutsideTheModelsYears) {
    EXPECT_FALSE(Wmm2025Declination({45, 5}, 0, 2024.99).withinValidity);
    EXPECT_TRUE(Wmm2025Declination({45, 5}, 0, 2030.0).withinValidity);
    const Declination late = Wmm2025Declination({45, 5}, 0, 2031.5);
    EXPECT_FALSE(late.withinValidity);
    EXPECT_TRUE(std::isfinite(late.degrees));
}

// At a pole every direction is south (or north): the declination is that of the pole's edge
// along the meridian given, finite, and continuous with the points beside it.
TEST(Wmm2025Declination, StaysFiniteAndContinuousAtThePoles) {
    for (const double latitude : {90.0, -90.0}) {
        const double at = Wmm2025Declination({latitude, 30}, 0, 2026).degrees;
        const double beside =
            Wmm2025Declination({latitude > 0 ? 89.9999 : -89.9999, 30}, 0, 2026).degrees;
        EXPECT_TRUE(std::isfinite(at));
        EXPECT_NEAR(at, beside, 0.01) << latitude;
    }
}

TEST(DecimalYear, CountsDaysAsNoaaDoes) {
    EXPECT_DOUBLE_EQ(DecimalYear({2025, 1, 1}), 2025.0);
    EXPECT_DOUBLE_EQ(DecimalYear({2025, 7, 2}), 2025.0 + 182.0 / 365);
    EXPECT_DOUBLE_EQ(DecimalYear({2028, 12, 31}), 2028.0 + 365.0 / 366);  // leap year
    EXPECT_DOUBLE_EQ(DecimalYear({2027, 2, 31}), DecimalYear({2027, 2, 28}));
}

TEST(ReadCof, ReadsTheCompiledModel) {
    const Coefficients& c = Wmm2025();
    EXPECT_EQ(c.epoch, 2025.0);
    EXPECT_EQ(c.name, "WMM-2025");
    EXPECT_EQ(c.g[1], -29351.8);                 // n 1, m 0
    EXPECT_EQ(c.hDot[kCoefficients - 1], -0.1);  // n 12, m 12
}

TEST(ReadCof, RefusesAFileWithALineMissingOrTwice) {
    const std::string text(Wmm2025CofText());
    ASSERT_TRUE(ReadCof(text));
    const auto line = text.find("  5  3");
    const auto next = text.find('\n', line) + 1;
    const std::string missing = text.substr(0, line) + text.substr(next);
    const std::string twice = text.substr(0, next) + text.substr(line);
    const std::string unended = text.substr(0, text.find("9999"));
    EXPECT_FALSE(ReadCof(missing));
    EXPECT_FALSE(ReadCof(twice));
    EXPECT_FALSE(ReadCof(unended));
}

}  // namespace
}  // namespace ventrose::magnetic
