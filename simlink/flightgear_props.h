// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "simlink/sim_values.h"

// FlightGear's property server (`fgfs --telnet=5401`, FlightGear's "Telnet usage"; its code is
// src/Network/props.cxx): text lines over TCP, each command ended by "\r\n".
//
// `data` switches the connection to raw data mode, where `get /path` is answered by the value
// alone on a line ("120.53\r\n"), an empty line for a property that does not exist, and no prompt
// follows. In the default interactive mode the answer names the property and its type
// ("/velocities/airspeed-kt = '120.53' (double)") and a prompt ("/> ", without a line end) is
// written after each command; such lines are read too, should the server ignore `data`.
//
// The properties are FlightGear's own, in the units their names give. The true airspeed comes
// from the airspeed indicator, which every aircraft with a standard one fills; the indicated
// airspeed from the flight model (/velocities/airspeed-kt, the calibrated airspeed that every
// flight model writes). /environment/magnetic-variation-deg is east positive, like SimValues.
//
// The position and the clock are FlightGear's own too (src/Main/fg_props.cxx): the aircraft's
// /position/latitude-deg and /position/longitude-deg; /sim/time/utc/day-seconds, the simulator's
// UTC time of day in whole seconds (hour × 3600 + minute × 60 + second); and
// /sim/time/local-offset, the seconds that the local time of the aircraft's time zone is ahead
// of UTC (SimGear's SGTime::get_local_offset, local minus UTC, updated every half hour). The
// server has no local time of day: the link adds the offset to the UTC (LocalSecondsFromOffset).
namespace ventrose::simlink {

inline constexpr std::uint16_t kFlightGearPort = 5401;

struct FlightGearProperty {
    std::string_view path;
    Quantity quantity;
};

inline constexpr std::array<FlightGearProperty, 12> kFlightGearProperties = {{
    {"/instrumentation/airspeed-indicator/true-speed-kt", Quantity::Tas},
    {"/velocities/airspeed-kt", Quantity::Ias},
    {"/environment/wind-from-heading-deg", Quantity::WindFromTrue},
    {"/environment/wind-speed-kt", Quantity::WindSpeed},
    {"/environment/magnetic-variation-deg", Quantity::MagVar},
    {"/instrumentation/altimeter/pressure-alt-ft", Quantity::PressureAlt},
    {"/environment/temperature-degc", Quantity::Oat},
    {"/velocities/groundspeed-kt", Quantity::GroundSpeed},
    {"/position/latitude-deg", Quantity::Latitude},
    {"/position/longitude-deg", Quantity::Longitude},
    {"/sim/time/utc/day-seconds", Quantity::UtcTime},
    // The one property not in its quantity's unit: an offset from UTC, not a time of day.
    {"/sim/time/local-offset", Quantity::LocalTime},
}};
inline constexpr std::size_t kFlightGearPropertyCount = kFlightGearProperties.size();
inline constexpr std::size_t kLocalOffsetProperty = kFlightGearPropertyCount - 1;

// The widest offset from UTC any clock admits (ISO 8601, a java.time ZoneOffset): the world's time
// zones go from 12 h behind UTC to 14 h ahead.
inline constexpr double kMaxLocalOffsetSeconds = 18 * 3600;

// The local time of day for FlightGear's UTC time of day (0 to 86400) and its local offset:
// their sum, brought into 0 to 86400 (exclusive). Nothing for an offset beyond
// kMaxLocalOffsetSeconds either way or not finite.
std::optional<double> LocalSecondsFromOffset(double utcSeconds, double offsetSeconds);

// Sent once, right after connecting.
inline constexpr std::string_view kDataModeCommand = "data\r\n";

// "get <path>\r\n".
std::string GetCommand(std::string_view path);

// A get for every property, in the table's order: one poll.
const std::string& PollCommands();

// The position of `path` in kFlightGearProperties.
std::optional<std::size_t> FindFlightGearProperty(std::string_view path);

struct FlightGearReply {
    std::string_view path;  // empty in data mode, where a reply does not say what it answers
    double value;           // finite, not yet checked against the quantity's limits
};

enum class FlightGearLineError : std::uint8_t {
    NoNumber,   // empty (a property that does not exist), words, an error, a number and more
    NotFinite,  // "nan", "inf", or beyond a double
};

// One line of a reply, without its line end. A number may have spaces around it and be written
// as C writes doubles ("120.53", "-4", "1.5e-05"), always with a point.
std::variant<FlightGearReply, FlightGearLineError> ParseFlightGearLine(std::string_view line);

}  // namespace ventrose::simlink
