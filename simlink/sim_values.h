// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// What a flight simulator tells the calculators, in the program's own units, whichever
// simulator it came from. A quantity the simulator has not given (or gave as nonsense, or not
// for the last two seconds) is absent: nothing is ever guessed.
namespace ventrose::simlink {

enum class Quantity : std::uint8_t {
    Tas,           // true airspeed
    Ias,           // indicated airspeed
    WindFromTrue,  // the direction the wind comes from, from true north
    WindSpeed,
    MagVar,       // magnetic variation
    PressureAlt,  // altitude in the standard atmosphere, from the static pressure
    Oat,          // outside air temperature
    GroundSpeed,
    Latitude,   // of the aircraft
    Longitude,  // of the aircraft
    UtcTime,    // the simulator's UTC time of day
    LocalTime,  // the simulator's local time of day, where the aircraft is
};
inline constexpr std::size_t kQuantityCount = 12;

struct SimValues {
    std::optional<double> tasKt = std::nullopt;
    std::optional<double> iasKt = std::nullopt;
    std::optional<double> windFromTrueDeg = std::nullopt;
    std::optional<double> windSpeedKt = std::nullopt;
    // East positive, as charts write it: magnetic = true - magVarDeg. X-Plane gives the opposite
    // sign and its value is turned round as it is read (xplane_datarefs.h).
    std::optional<double> magVarDeg = std::nullopt;
    std::optional<double> pressureAltFt = std::nullopt;
    std::optional<double> oatC = std::nullopt;
    std::optional<double> groundSpeedKt = std::nullopt;
    // Degrees, north and east positive, on WGS84 as both simulators give them.
    std::optional<double> latitudeDeg = std::nullopt;
    std::optional<double> longitudeDeg = std::nullopt;
    // Seconds after midnight, 0 to 86400 (the last instant of a day may round up to 86400 in
    // X-Plane's floats). The local time is the simulator's for the aircraft's time zone.
    std::optional<double> utcSeconds = std::nullopt;
    std::optional<double> localSeconds = std::nullopt;

    friend bool operator==(const SimValues&, const SimValues&) = default;
};

std::optional<double>& ValueOf(SimValues& values, Quantity quantity);
const std::optional<double>& ValueOf(const SimValues& values, Quantity quantity);

// The values a simulator can really give, with a margin: beyond them a value is a fault (a
// garbled reply, a unit mistaken, an aircraft that has left the world) and is dropped rather
// than shown. They are wider than the windows' bars, which clamp what they cannot show.
struct Limits {
    double min;
    double max;
};
Limits LimitsOf(Quantity quantity);

// Finite and within LimitsOf(quantity).
bool IsPlausible(Quantity quantity, double value);

std::string_view NameOf(Quantity quantity);

inline constexpr std::array<Quantity, kQuantityCount> kQuantities = {
    Quantity::Tas,      Quantity::Ias,         Quantity::WindFromTrue, Quantity::WindSpeed,
    Quantity::MagVar,   Quantity::PressureAlt, Quantity::Oat,          Quantity::GroundSpeed,
    Quantity::Latitude, Quantity::Longitude,   Quantity::UtcTime,      Quantity::LocalTime,
};

inline constexpr double kSecondsPerDay = 86400;

// Units the simulators use that the program does not.
inline constexpr double kKnotsPerMetrePerSecond = 3600.0 / 1852.0;  // a knot is 1852 m an hour

// The pressure altitude of a static pressure in inches of mercury, by the 1976 standard
// atmosphere (troposphere, then the isothermal layer from 36089 ft up to 65617 ft). Nullopt for a
// pressure that is not positive or is below that of 65617 ft.
std::optional<double> PressureAltitudeFtFromInHg(double pressureInHg);

}  // namespace ventrose::simlink
