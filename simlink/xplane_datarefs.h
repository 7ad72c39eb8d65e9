// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "simlink/sim_values.h"
#include "simlink/xplane_rref.h"

// The datarefs read from X-Plane, as X-Plane's own list of them (Resources/plugins/DataRefs.txt,
// checked against the one of X-Plane 12.1.0) names them and gives their units.
//
// X-Plane 12 moved the weather read at the aircraft from sim/weather/ to sim/weather/aircraft/
// and marks the old names deprecated ("REPLACED"), though they still answer. X-Plane 11 knows
// only the old ones. Both names of each moved quantity are subscribed to; the newer wins when
// both answer (see Samples in samples.h for the exact rule).
//
// Several speeds come in metres per second whatever their names say: sim/weather/wind_speed_kt
// is documented "WARNING: this dataref is in meters/second - the dataref NAME has a bug".
// sim/weather/aircraft/wind_direction_degt and .../wind_speed_kts, which look like the new names
// of the wind, are 13-element arrays of the wind layers, not the wind at the aircraft: the
// wind_now_ datarefs are.
//
// X-Plane 11 before the pressure altitude dataref existed (it is not in every list of X-Plane 11)
// still gives the static pressure at the aircraft, sim/weather/barometer_current_inhg, which is
// the pressure altitude by the standard atmosphere's definition.
//
// sim/flightmodel/position/magnetic_variation is documented only as "The local magnetic
// variation", in degrees. Its sign is the opposite of the charts': a westerly variation is
// positive (magnetic = true + value), as the programs that read it know (Little Navmap's X-Plane
// connection negates it). It is negated here, so that SimValues::magVarDeg is east positive.
//
// The aircraft's position and the simulator's clock, from the same list: the latitude and the
// longitude are doubles in degrees (sent as floats, as every RREF value is: a float's step there
// is under 2 m); sim/time/zulu_time_sec and sim/time/local_time_sec are floats documented only as
// "Zulu time (seconds since midnight??)" and "Local time (seconds since midnight??)". Both clocks
// stop while the simulator is paused and run faster with its time acceleration.
namespace ventrose::simlink {

enum class XPlaneUnit : std::uint8_t {
    Knots,
    MetresPerSecond,
    DegreesTrue,
    DegreesWestPositive,
    Feet,
    InchesOfMercury,  // a static pressure, read as a pressure altitude
    Celsius,
    Degrees,  // a latitude or a longitude
    Seconds,  // a time of day
};

struct XPlaneDataref {
    std::int32_t index;  // sent in the request and echoed in each reply
    std::string_view name;
    Quantity quantity;
    XPlaneUnit unit;
    std::string_view versions;  // the X-Plane versions that answer it
};

inline constexpr std::array<XPlaneDataref, 16> kXPlaneDatarefs = {{
    {0, "sim/flightmodel/position/true_airspeed", Quantity::Tas, XPlaneUnit::MetresPerSecond,
     "11, 12"},
    {1, "sim/flightmodel/position/indicated_airspeed", Quantity::Ias, XPlaneUnit::Knots, "11, 12"},
    {2, "sim/weather/aircraft/wind_now_direction_degt", Quantity::WindFromTrue,
     XPlaneUnit::DegreesTrue, "12"},
    {3, "sim/weather/wind_direction_degt", Quantity::WindFromTrue, XPlaneUnit::DegreesTrue,
     "11, 12 (deprecated)"},
    {4, "sim/weather/aircraft/wind_now_speed_msc", Quantity::WindSpeed, XPlaneUnit::MetresPerSecond,
     "12"},
    {5, "sim/weather/wind_speed_kt", Quantity::WindSpeed, XPlaneUnit::MetresPerSecond,
     "11, 12 (deprecated)"},
    {6, "sim/flightmodel/position/magnetic_variation", Quantity::MagVar,
     XPlaneUnit::DegreesWestPositive, "11, 12"},
    {7, "sim/flightmodel2/position/pressure_altitude", Quantity::PressureAlt, XPlaneUnit::Feet,
     "12, not every 11"},
    {8, "sim/weather/barometer_current_inhg", Quantity::PressureAlt, XPlaneUnit::InchesOfMercury,
     "11, 12 (deprecated)"},
    {9, "sim/weather/aircraft/temperature_ambient_deg_c", Quantity::Oat, XPlaneUnit::Celsius, "12"},
    {10, "sim/weather/temperature_ambient_c", Quantity::Oat, XPlaneUnit::Celsius,
     "11, 12 (deprecated)"},
    {11, "sim/flightmodel/position/groundspeed", Quantity::GroundSpeed, XPlaneUnit::MetresPerSecond,
     "11, 12"},
    {12, "sim/flightmodel/position/latitude", Quantity::Latitude, XPlaneUnit::Degrees, "11, 12"},
    {13, "sim/flightmodel/position/longitude", Quantity::Longitude, XPlaneUnit::Degrees, "11, 12"},
    {14, "sim/time/zulu_time_sec", Quantity::UtcTime, XPlaneUnit::Seconds, "11, 12"},
    {15, "sim/time/local_time_sec", Quantity::LocalTime, XPlaneUnit::Seconds, "11, 12"},
}};
inline constexpr std::size_t kXPlaneDatarefCount = kXPlaneDatarefs.size();

// Values a second asked of X-Plane: more than the windows take (kReleaseEveryMs in
// link_state.h), few enough to cost it nothing.
inline constexpr std::int32_t kRrefFrequency = 5;

// The dataref sent with `index`, or null for an index this program never asks for.
const XPlaneDataref* FindXPlaneDataref(std::int32_t index);

// A value as X-Plane sends it, in the program's unit. Nullopt where it has none (a pressure
// beyond the standard atmosphere's table); the value is not otherwise checked.
std::optional<double> FromXPlaneUnit(XPlaneUnit unit, double value);

using XPlaneRequests = std::array<RrefRequest, kXPlaneDatarefCount>;
// Every subscription, at kRrefFrequency; sent at the start and again while X-Plane is silent.
const XPlaneRequests& XPlaneSubscriptions();
// The same at frequency 0, which ends them, sent when the program closes the link.
const XPlaneRequests& XPlaneCancellations();

}  // namespace ventrose::simlink
