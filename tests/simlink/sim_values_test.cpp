// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/sim_values.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

namespace ventrose::simlink {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(SimValues, EachQuantityHasItsOwnField) {
    SimValues values;
    double next = 1;
    for (const Quantity q : kQuantities) ValueOf(values, q) = next++;
    EXPECT_EQ(values.tasKt, 1);
    EXPECT_EQ(values.iasKt, 2);
    EXPECT_EQ(values.windFromTrueDeg, 3);
    EXPECT_EQ(values.windSpeedKt, 4);
    EXPECT_EQ(values.magVarDeg, 5);
    EXPECT_EQ(values.pressureAltFt, 6);
    EXPECT_EQ(values.oatC, 7);
    EXPECT_EQ(values.groundSpeedKt, 8);
    EXPECT_EQ(values.latitudeDeg, 9);
    EXPECT_EQ(values.longitudeDeg, 10);
    EXPECT_EQ(values.utcSeconds, 11);
    EXPECT_EQ(values.localSeconds, 12);
    const SimValues& constant = values;
    for (const Quantity q : kQuantities) EXPECT_EQ(&ValueOf(constant, q), &ValueOf(values, q));
}

TEST(SimValues, EachQuantityHasItsOwnName) {
    std::set<std::string_view> names;
    for (const Quantity q : kQuantities) names.insert(NameOf(q));
    EXPECT_EQ(names.size(), kQuantityCount);
}

TEST(IsPlausible, DropsWhatNoSimulatorGives) {
    const struct {
        const char* what;
        Quantity quantity;
        double value;
        bool plausible;
    } rows[] = {
        {"a cruising true airspeed", Quantity::Tas, 250, true},
        {"noise about zero at rest", Quantity::Tas, -0.3, true},
        {"backward at 20 kt", Quantity::Tas, -20, false},
        {"Mach 5", Quantity::Tas, 2900, true},
        {"a million knots", Quantity::Tas, 1e6, false},
        {"an indicated airspeed", Quantity::Ias, 120, true},
        {"NaN", Quantity::Ias, kNaN, false},
        {"infinity", Quantity::Ias, kInf, false},
        {"minus infinity", Quantity::Oat, -kInf, false},
        {"north", Quantity::WindFromTrue, 0, true},
        {"a direction unwrapped once", Quantity::WindFromTrue, 700, true},
        {"a direction unwrapped twice", Quantity::WindFromTrue, 1000, false},
        {"a calm", Quantity::WindSpeed, 0, true},
        {"a negative wind speed", Quantity::WindSpeed, -1, false},
        {"a jet stream", Quantity::WindSpeed, 250, true},
        {"the variation near a magnetic pole", Quantity::MagVar, -170, true},
        {"more than half a turn", Quantity::MagVar, 181, false},
        {"the Dead Sea", Quantity::PressureAlt, -1400, true},
        {"far below the sea", Quantity::PressureAlt, -6000, false},
        {"a stratospheric balloon", Quantity::PressureAlt, 99000, true},
        {"orbit", Quantity::PressureAlt, 1e6, false},
        {"Vostok station", Quantity::Oat, -89, true},
        {"Death Valley", Quantity::Oat, 57, true},
        {"a temperature in kelvin", Quantity::Oat, 288, false},
        {"taxiing", Quantity::GroundSpeed, 15, true},
        {"a negative ground speed", Quantity::GroundSpeed, -1, false},
        {"the south pole", Quantity::Latitude, -90, true},
        {"beyond a pole", Quantity::Latitude, 90.5, false},
        {"beyond the antimeridian", Quantity::Longitude, -180.5, false},
        {"midnight as a float may round the day's last instant", Quantity::UtcTime, 86400, true},
        {"a time of day after midnight", Quantity::UtcTime, 86401, false},
        {"a negative time of day", Quantity::LocalTime, -1, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsPlausible(row.quantity, row.value), row.plausible) << row.what;
    }
}

TEST(IsPlausible, TheLimitsThemselvesPass) {
    for (const Quantity q : kQuantities) {
        const Limits limits = LimitsOf(q);
        EXPECT_LT(limits.min, limits.max) << NameOf(q);
        EXPECT_TRUE(IsPlausible(q, limits.min)) << NameOf(q);
        EXPECT_TRUE(IsPlausible(q, limits.max)) << NameOf(q);
    }
}

// The 1976 standard atmosphere's pressures at round altitudes, in inches of mercury.
TEST(PressureAltitudeFtFromInHg, FollowsTheStandardAtmosphere) {
    const struct {
        const char* what;
        double inHg;
        double feet;
    } rows[] = {
        {"sea level", 29.9213, 0},
        {"a high pressure below sea level", 30.8962, -890},
        {"5000 ft", 24.8959, 5000},
        {"10000 ft", 20.5770, 10000},
        {"30000 ft", 8.8854, 30000},
        {"the tropopause", 6.6833, 36089},
        {"45000 ft, in the isothermal layer", 4.3550, 45000},
        {"60000 ft", 2.1178, 60000},
    };
    for (const auto& row : rows) {
        const auto feet = PressureAltitudeFtFromInHg(row.inHg);
        ASSERT_TRUE(feet) << row.what;
        EXPECT_NEAR(*feet, row.feet, 6.0) << row.what;
    }
}

TEST(PressureAltitudeFtFromInHg, NothingBeyondTheTable) {
    for (const double inHg : {1.5, 0.0, -29.92, kNaN, kInf, -kInf}) {
        EXPECT_FALSE(PressureAltitudeFtFromInHg(inHg)) << inHg;
    }
}

TEST(PressureAltitudeFtFromInHg, ClimbsAsThePressureFalls) {
    double previous = -1e9;
    for (double inHg = 32.0; inHg > 1.7; inHg -= 0.01) {
        const auto feet = PressureAltitudeFtFromInHg(inHg);
        ASSERT_TRUE(feet) << inHg;
        EXPECT_GT(*feet, previous) << inHg;
        previous = *feet;
    }
}

TEST(KnotsPerMetrePerSecond, IsTheNauticalMile) {
    EXPECT_NEAR(1852.0 / 3600.0 * kKnotsPerMetrePerSecond, 1.0, 1e-15);
}

}  // namespace
}  // namespace ventrose::simlink
