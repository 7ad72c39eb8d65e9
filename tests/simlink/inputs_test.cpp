// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/inputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace ventrose::simlink {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
using std::nullopt;

TEST(MainFromSim, VpIsTheTrueAirspeedInTheBarsRange) {
    const struct {
        const char* what;
        std::optional<double> tas;
        std::optional<int> Vp;
    } rows[] = {
        {"a cruise", 120.4, 120},           {"a half goes to even", 120.5, 120},
        {"the other half", 121.5, 122},     {"on the ground: the bar's start", 12.0, 60},
        {"just below the start", 59.6, 60}, {"faster than the bar", 950.0, 800},
        {"not given", nullopt, nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(MainFromSim({.tasKt = row.tas}).Vp, row.Vp) << row.what;
}

// V is where the wind comes from, magnetic: true minus an east variation, plus a west one.
TEST(MainFromSim, VIsTheWindDirectionMadeMagnetic) {
    const struct {
        const char* what;
        double windFromTrue;
        double magVarEast;
        int V;
    } rows[] = {
        {"no variation", 270, 0, 270},
        {"10° east", 270, 10, 260},
        {"10° west", 270, -10, 280},
        {"east across north", 5, 10, 355},
        {"west across north", 355, -10, 5},
        {"north is 0, never 360", 360, 0, 0},
        {"just below north rounds to north", 359.6, 0, 0},
        {"just east of north", 0.4, 0, 0},
        {"a half goes to even", 10.5, 0, 10},
        {"the other half", 11.5, 0, 12},
        {"a direction given below zero", -30, 0, 330},
        {"a direction given beyond a turn", 700, 0, 340},
        {"a westerly variation past north", 350, -15.4, 5},
        {"a large easterly variation", 20, 170, 210},
    };
    for (const auto& row : rows) {
        const MainInputs inputs =
            MainFromSim({.windFromTrueDeg = row.windFromTrue, .magVarDeg = row.magVarEast});
        EXPECT_EQ(inputs.V, row.V) << row.what;
    }
}

TEST(MainFromSim, NoMagneticDirectionWithoutTheVariation) {
    EXPECT_EQ(MainFromSim({.windFromTrueDeg = 270}).V, nullopt);
    EXPECT_EQ(MainFromSim({.magVarDeg = 3}).V, nullopt);
}

// Every direction against every variation a chart shows: V stays on the bar, and true is
// magnetic plus the variation, to the nearest degree.
TEST(MainFromSim, VIsAlwaysOnTheBar) {
    for (int direction = 0; direction <= 360; ++direction) {
        for (double variation = -30; variation <= 30; variation += 0.5) {
            const auto V = MainFromSim({.windFromTrueDeg = direction, .magVarDeg = variation}).V;
            ASSERT_TRUE(V);
            ASSERT_GE(*V, 0);
            ASSERT_LE(*V, 359);
            const double back = std::fmod(*V + variation - direction + 720.0, 360.0);
            EXPECT_TRUE(back <= 0.5 || back >= 359.5) << direction << " " << variation;
        }
    }
}

TEST(MainFromSim, VwIsTheWindSpeedInTheBarsRange) {
    const struct {
        const char* what;
        std::optional<double> windSpeed;
        std::optional<int> Vw;
    } rows[] = {
        {"a breeze", 12.4, 12},          {"a calm", 0.0, 0},
        {"a jet stream", 250.0, 250},    {"beyond the bar", 400.0, 360},
        {"not given", nullopt, nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MainFromSim({.windSpeedKt = row.windSpeed}).Vw, row.Vw) << row.what;
    }
}

TEST(AirspeedFromSim, ViIsTheIndicatedAirspeedInTheBarsRange) {
    const struct {
        const char* what;
        std::optional<double> ias;
        std::optional<int> Vi;
    } rows[] = {
        {"an approach", 95.3, 95},
        {"taxiing: the bar's start", 15.0, 60},
        {"beyond the bar", 2500.0, 1800},
        {"not given", nullopt, nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(AirspeedFromSim({.iasKt = row.ias}).Vi, row.Vi) << row.what;
    }
}

// FrmVitesse::LireAltitude reads 2 × (22500 − value) feet on the multiples of 500: the bar's top
// is 45000 ft, its foot sea level.
TEST(AltitudeBarValue, IsTheAirspeedWindowsBarForEachThousandFeet) {
    for (int thousands = 0; thousands <= 45; ++thousands) {
        const int altitude = 1000 * thousands;
        const int value = AltitudeBarValue(altitude);
        EXPECT_EQ(value, 22500 - 500 * thousands) << altitude;
        EXPECT_EQ(value % 500, 0) << altitude;
        EXPECT_EQ(2 * (22500 - value), altitude) << altitude;
    }
    EXPECT_EQ(AltitudeBarValue(0), 22500);
    EXPECT_EQ(AltitudeBarValue(45000), 0);
}

TEST(AirspeedFromSim, TheAltitudeIsTheStepNearestThePressureAltitude) {
    const struct {
        const char* what;
        std::optional<double> pressureAlt;
        std::optional<int> Altitude;
        std::optional<int> AltitudeBar;
    } rows[] = {
        {"sea level", 0.0, 0, 22500},
        {"below half a step", 499.0, 0, 22500},
        {"half a step goes to even", 500.0, 0, 22500},
        {"one and a half goes to two", 1500.0, 2000, 21500},
        {"two and a half goes to two", 2500.0, 2000, 21500},
        {"a cruise", 10400.0, 10000, 17500},
        {"a flight level", 35020.0, 35000, 5000},
        {"below sea level: the foot", -300.0, 0, 22500},
        {"above the bar: the top", 47000.0, 45000, 0},
        {"not given", nullopt, nullopt, nullopt},
    };
    for (const auto& row : rows) {
        const AirspeedInputs inputs = AirspeedFromSim({.pressureAltFt = row.pressureAlt});
        EXPECT_EQ(inputs.Altitude, row.Altitude) << row.what;
        EXPECT_EQ(inputs.AltitudeBar, row.AltitudeBar) << row.what;
    }
}

// The window's temperature is a 16-bit whole number: it is typed whole, rounded as the window
// rounds what is typed, so typing it changes nothing.
TEST(AirspeedFromSim, TheTemperatureIsTypedInWholeDegrees) {
    const struct {
        const char* what;
        std::optional<double> oat;
        std::optional<std::string> text;
    } rows[] = {
        {"below zero", -15.4, "-15"},      {"a half goes to even", -15.5, "-16"},
        {"a half above zero", 14.5, "14"}, {"just below zero reads no minus sign", -0.3, "0"},
        {"a whole number", 7.0, "7"},      {"a hot day", 41.6, "42"},
        {"not given", nullopt, nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(AirspeedFromSim({.oatC = row.oat}).TempExtText, row.text) << row.what;
    }
}

TEST(AirspeedFromSim, TheSimulatorsTrueAirspeedIsWrittenAsTheWindowWritesItsOwn) {
    const struct {
        const char* what;
        std::optional<double> tas;
        std::optional<std::string> text;
    } rows[] = {
        {"a cruise", 152.2, "152 Kts"},
        {"a half goes up, as the window shows it", 151.5, "152 Kts"},
        {"faster than any bar", 1900.0, "1900 Kts"},
        {"noise below zero at rest", -2.0, "0 Kts"},
        {"not given", nullopt, nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(AirspeedFromSim({.tasKt = row.tas}).SimTasText, row.text) << row.what;
    }
}

TEST(DescentFromSim, PointAIsThePressureAltitudeToTheHundredFeet) {
    const struct {
        const char* what;
        std::optional<double> pressureAlt;
        std::optional<int> AltA;
        std::optional<int> AltABar;
    } rows[] = {
        {"a cruise", 5462.0, 5500, 2750},
        {"just under the half", 5449.0, 5400, 2700},
        {"a half goes to even", 5450.0, 5400, 2700},
        {"sea level", 3.0, 0, 0},
        {"below sea level: the bar's start", -100.0, 0, 0},
        {"above the bar: its end", 60000.0, 50000, 25000},
        {"not given", nullopt, nullopt, nullopt},
    };
    for (const auto& row : rows) {
        const DescentInputs inputs = DescentFromSim({.pressureAltFt = row.pressureAlt});
        EXPECT_EQ(inputs.AltA, row.AltA) << row.what;
        EXPECT_EQ(inputs.AltABar, row.AltABar) << row.what;
    }
}

TEST(DescentFromSim, TheGroundSpeedIsInTheBarsRange) {
    const struct {
        const char* what;
        std::optional<double> groundSpeed;
        std::optional<int> Vs;
    } rows[] = {
        {"a descent", 142.7, 143},
        {"taxiing: the bar's start", 10.0, 60},
        {"beyond the bar", 2000.0, 1800},
        {"not given", nullopt, nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DescentFromSim({.groundSpeedKt = row.groundSpeed}).Vs, row.Vs) << row.what;
    }
}

// SimValues from the link hold only finite values; should one not be, it sets nothing.
TEST(FromSim, NothingNotFiniteReachesABar) {
    for (const double bad : {kNaN, kInf, -kInf}) {
        const SimValues values{bad, bad, bad, bad, bad, bad, bad, bad};
        const MainInputs main = MainFromSim(values);
        EXPECT_FALSE(main.Vp || main.V || main.Vw) << bad;
        const AirspeedInputs airspeed = AirspeedFromSim(values);
        EXPECT_FALSE(airspeed.Vi || airspeed.Altitude || airspeed.AltitudeBar ||
                     airspeed.TempExtText || airspeed.SimTasText)
            << bad;
        const DescentInputs descent = DescentFromSim(values);
        EXPECT_FALSE(descent.AltA || descent.AltABar || descent.Vs) << bad;
    }
}

TEST(FromSim, NothingGivenSetsNothing) {
    const MainInputs main = MainFromSim({});
    EXPECT_FALSE(main.Vp || main.V || main.Vw);
    const AirspeedInputs airspeed = AirspeedFromSim({});
    EXPECT_FALSE(airspeed.Vi || airspeed.Altitude || airspeed.TempExtText || airspeed.SimTasText);
    const DescentInputs descent = DescentFromSim({});
    EXPECT_FALSE(descent.AltA || descent.Vs);
}

}  // namespace
}  // namespace ventrose::simlink
