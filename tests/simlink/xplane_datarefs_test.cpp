// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/xplane_datarefs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace ventrose::simlink {
namespace {

TEST(XPlaneDatarefs, EachIsItsOwnRequestAndIndex) {
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < kXPlaneDatarefCount; ++i) {
        const XPlaneDataref& d = kXPlaneDatarefs[i];
        EXPECT_EQ(d.index, static_cast<std::int32_t>(i)) << d.name;
        EXPECT_TRUE(EncodeRref(kRrefFrequency, d.index, d.name)) << d.name;
        EXPECT_TRUE(d.name.starts_with("sim/")) << d.name;
        EXPECT_EQ(FindXPlaneDataref(d.index), &d) << d.name;
        names.insert(d.name);
    }
    EXPECT_EQ(names.size(), kXPlaneDatarefCount);
}

TEST(XPlaneDatarefs, EveryQuantityIsAskedFor) {
    for (const Quantity q : kQuantities) {
        int sources = 0;
        for (const XPlaneDataref& d : kXPlaneDatarefs) sources += d.quantity == q;
        EXPECT_GE(sources, 1) << NameOf(q);
    }
}

// The weather moved in X-Plane 12: its new name comes first, so that it wins when both answer.
TEST(XPlaneDatarefs, TheNewNameOfAMovedDatarefComesFirst) {
    const struct {
        std::string_view xplane12;
        std::string_view xplane11;
    } renamed[] = {
        {"sim/weather/aircraft/wind_now_direction_degt", "sim/weather/wind_direction_degt"},
        {"sim/weather/aircraft/wind_now_speed_msc", "sim/weather/wind_speed_kt"},
        {"sim/weather/aircraft/temperature_ambient_deg_c", "sim/weather/temperature_ambient_c"},
        {"sim/flightmodel2/position/pressure_altitude", "sim/weather/barometer_current_inhg"},
    };
    for (const auto& pair : renamed) {
        const XPlaneDataref* newer = nullptr;
        const XPlaneDataref* older = nullptr;
        for (const XPlaneDataref& d : kXPlaneDatarefs) {
            if (d.name == pair.xplane12) newer = &d;
            if (d.name == pair.xplane11) older = &d;
        }
        ASSERT_TRUE(newer && older) << pair.xplane12;
        EXPECT_EQ(newer->quantity, older->quantity) << pair.xplane12;
        EXPECT_LT(newer->index, older->index) << pair.xplane12;
    }
}

TEST(FindXPlaneDataref, NothingForAnIndexNeverAskedFor) {
    const auto past = static_cast<std::int32_t>(kXPlaneDatarefCount);
    for (const std::int32_t index : {-1, past, past + 1, 1000, -2147483647 - 1, 2147483647}) {
        EXPECT_EQ(FindXPlaneDataref(index), nullptr) << index;
    }
}

TEST(FromXPlaneUnit, ConvertsToTheProgramsUnits) {
    const struct {
        const char* what;
        XPlaneUnit unit;
        double value;
        double expected;
        double tolerance;
    } rows[] = {
        {"1 m/s", XPlaneUnit::MetresPerSecond, 1.0, 1.9438444924, 1e-9},
        {"100 kt in m/s", XPlaneUnit::MetresPerSecond, 51.4444444444, 100.0, 1e-8},
        {"a calm", XPlaneUnit::MetresPerSecond, 0.0, 0.0, 0},
        {"knots as they are", XPlaneUnit::Knots, 120.5, 120.5, 0},
        {"a direction as it is", XPlaneUnit::DegreesTrue, 270.0, 270.0, 0},
        {"X-Plane's 10 west is the charts' -10", XPlaneUnit::DegreesWestPositive, 10.0, -10.0, 0},
        {"X-Plane's -3 is 3 east", XPlaneUnit::DegreesWestPositive, -3.0, 3.0, 0},
        {"feet as they are", XPlaneUnit::Feet, 8500.0, 8500.0, 0},
        {"degrees Celsius as they are", XPlaneUnit::Celsius, -15.0, -15.0, 0},
        {"a western longitude stays west", XPlaneUnit::Degrees, -122.3, -122.3, 0},
        {"the standard pressure at sea level", XPlaneUnit::InchesOfMercury, 29.9213, 0.0, 2.0},
        {"the standard pressure at 10000 ft", XPlaneUnit::InchesOfMercury, 20.577, 10000.0, 2.0},
    };
    for (const auto& row : rows) {
        const auto value = FromXPlaneUnit(row.unit, row.value);
        ASSERT_TRUE(value) << row.what;
        EXPECT_NEAR(*value, row.expected, row.tolerance) << row.what;
    }
}

TEST(FromXPlaneUnit, APressureBeyondTheAtmosphereGivesNothing) {
    EXPECT_FALSE(FromXPlaneUnit(XPlaneUnit::InchesOfMercury, 0.0));
    EXPECT_FALSE(FromXPlaneUnit(XPlaneUnit::InchesOfMercury, -5.0));
}

TEST(XPlaneSubscriptions, AskForEveryDatarefAtTheLinksFrequency) {
    const XPlaneRequests& requests = XPlaneSubscriptions();
    for (std::size_t i = 0; i < kXPlaneDatarefCount; ++i) {
        const XPlaneDataref& d = kXPlaneDatarefs[i];
        EXPECT_EQ(requests[i], EncodeRref(kRrefFrequency, d.index, d.name)) << d.name;
    }
}

TEST(XPlaneCancellations, AskForTheSameAtFrequencyZero) {
    const XPlaneRequests& requests = XPlaneCancellations();
    for (std::size_t i = 0; i < kXPlaneDatarefCount; ++i) {
        const XPlaneDataref& d = kXPlaneDatarefs[i];
        EXPECT_EQ(requests[i], EncodeRref(0, d.index, d.name)) << d.name;
    }
}

}  // namespace
}  // namespace ventrose::simlink
