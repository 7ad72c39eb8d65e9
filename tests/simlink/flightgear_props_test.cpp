// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/flightgear_props.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <set>
#include <string>
#include <variant>

namespace ventrose::simlink {
namespace {

TEST(FlightGearCommands, AreThePropertyServersLines) {
    EXPECT_EQ(kDataModeCommand, "data\r\n");
    EXPECT_EQ(GetCommand("/velocities/airspeed-kt"), "get /velocities/airspeed-kt\r\n");
    EXPECT_EQ(PollCommands(),
              "get /instrumentation/airspeed-indicator/true-speed-kt\r\n"
              "get /velocities/airspeed-kt\r\n"
              "get /environment/wind-from-heading-deg\r\n"
              "get /environment/wind-speed-kt\r\n"
              "get /environment/magnetic-variation-deg\r\n"
              "get /instrumentation/altimeter/pressure-alt-ft\r\n"
              "get /environment/temperature-degc\r\n"
              "get /velocities/groundspeed-kt\r\n"
              "get /position/latitude-deg\r\n"
              "get /position/longitude-deg\r\n"
              "get /sim/time/utc/day-seconds\r\n"
              "get /sim/time/local-offset\r\n");
}

TEST(FlightGearProperties, OnePerQuantity) {
    std::set<Quantity> quantities;
    for (const FlightGearProperty& p : kFlightGearProperties) {
        quantities.insert(p.quantity);
        EXPECT_EQ(FindFlightGearProperty(p.path),
                  static_cast<std::size_t>(&p - kFlightGearProperties.data()));
    }
    EXPECT_EQ(quantities.size(), kQuantityCount);
    EXPECT_FALSE(FindFlightGearProperty("/velocities"));
    EXPECT_FALSE(FindFlightGearProperty(""));
}

TEST(LocalSecondsFromOffset, AddsTheOffsetWithinTheDay) {
    const struct {
        const char* what;
        double utc;
        double offset;
        std::optional<double> local;
    } rows[] = {
        {"Paris in summer", 36000, 7200, 43200},
        {"ahead past midnight", 82800, 7200, 3600},
        {"behind past midnight", 3600, -5 * 3600, 72000},
        {"Kiribati, 14 h ahead", 0, 14 * 3600, 50400},
        {"an offset of more than 18 h", 3600, 19 * 3600, std::nullopt},
        {"an offset that is no number", 3600, std::numeric_limits<double>::quiet_NaN(),
         std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(LocalSecondsFromOffset(row.utc, row.offset), row.local) << row.what;
    }
}

struct Expected {
    std::string path;
    double value;
};

TEST(ParseFlightGearLine, ReadsTheValueOfAReply) {
    const struct {
        const char* what;
        std::string line;
        Expected expected;
    } rows[] = {
        {"data mode", "120.53", {"", 120.53}},
        {"a whole number", "-4", {"", -4}},
        {"zero", "0", {"", 0}},
        {"an exponent", "1.5e-05", {"", 1.5e-05}},
        {"spaces and a tab around it", " \t42 ", {"", 42}},
        {"a CR left over", "7\r", {"", 7}},
        {"interactive mode",
         "/velocities/airspeed-kt = '120.5' (double)",
         {"/velocities/airspeed-kt", 120.5}},
        {"interactive mode without a type",
         "/environment/wind-speed-kt = '7'",
         {"/environment/wind-speed-kt", 7}},
        {"after the prompt",
         "/> /environment/temperature-degc = '-15.25' (double)",
         {"/environment/temperature-degc", -15.25}},
        {"after another directory's prompt",
         "/environment> /environment/wind-speed-kt = '3' (float)",
         {"/environment/wind-speed-kt", 3}},
        {"a path the link did not ask for",
         "/sim/time/elapsed-sec = '12' (double)",
         {"/sim/time/elapsed-sec", 12}},
    };
    for (const auto& row : rows) {
        const auto parsed = ParseFlightGearLine(row.line);
        const auto* reply = std::get_if<FlightGearReply>(&parsed);
        ASSERT_TRUE(reply) << row.what;
        EXPECT_EQ(reply->path, row.expected.path) << row.what;
        EXPECT_EQ(reply->value, row.expected.value) << row.what;
    }
}

TEST(ParseFlightGearLine, SaysWhyALineHoldsNoValue) {
    const struct {
        const char* what;
        std::string line;
        FlightGearLineError error;
    } rows[] = {
        {"empty: the property does not exist", "", FlightGearLineError::NoNumber},
        {"blank", "   ", FlightGearLineError::NoNumber},
        {"a word", "abc", FlightGearLineError::NoNumber},
        {"a boolean property", "true", FlightGearLineError::NoNumber},
        {"a number and more", "12abc", FlightGearLineError::NoNumber},
        {"two numbers", "12 34", FlightGearLineError::NoNumber},
        {"a decimal comma", "1,5", FlightGearLineError::NoNumber},
        {"a plus sign", "+5", FlightGearLineError::NoNumber},
        {"hexadecimal", "0x1A", FlightGearLineError::NoNumber},
        {"a number too long to be one of FlightGear's", std::string(65, '1'),
         FlightGearLineError::NoNumber},
        {"an error", "-ERR \"node 'x' not found\"", FlightGearLineError::NoNumber},
        {"the help text", "Valid commands are:", FlightGearLineError::NoNumber},
        {"an empty value", "/velocities/airspeed-kt = '' (double)", FlightGearLineError::NoNumber},
        {"an unclosed quote", "/velocities/airspeed-kt = '12", FlightGearLineError::NoNumber},
        {"a value that is no number", "/velocities/airspeed-kt = 'abc' (string)",
         FlightGearLineError::NoNumber},
        {"no path", " = '12' (double)", FlightGearLineError::NoNumber},
        {"a prompt alone", "/> ", FlightGearLineError::NoNumber},
        {"nan", "nan", FlightGearLineError::NotFinite},
        {"NaN in interactive mode", "/velocities/airspeed-kt = 'nan' (double)",
         FlightGearLineError::NotFinite},
        {"inf", "inf", FlightGearLineError::NotFinite},
        {"-inf", "-inf", FlightGearLineError::NotFinite},
        {"beyond a double", "1e999", FlightGearLineError::NotFinite},
    };
    for (const auto& row : rows) {
        const auto parsed = ParseFlightGearLine(row.line);
        const auto* error = std::get_if<FlightGearLineError>(&parsed);
        ASSERT_TRUE(error) << row.what;
        EXPECT_EQ(*error, row.error) << row.what;
    }
}

}  // namespace
}  // namespace ventrose::simlink
