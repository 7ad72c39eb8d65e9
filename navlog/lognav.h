// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/latlon.h"

namespace ventrose::navlog {

// The fuel units of the conversions window, in its order. A log holds all its fuel figures in
// one of them; nothing is converted.
enum class UniteCarbu { USGall, Litres, Lbs, Kilo };

// The unit as the conversions window labels its fuel box: "US Gallons", "Litres", "Lbs", "Kilo".
std::string_view UniteText(UniteCarbu unite);

// Ranges of what a log holds. The wind and the course are whole numbers as the main window's
// bars give them, and so is the distance: a leg's figures are then exactly the main window's for
// the same bars. Fuel figures are any number within 0..kMaxCarburant.
inline constexpr int kVpMin = 60;
inline constexpr int kVpMax = 800;
inline constexpr int kVpDefaut = 120;
inline constexpr int kRmMax = 360;
inline constexpr int kDMax = 400;
inline constexpr int kVMax = 360;
inline constexpr int kVwMax = 360;
inline constexpr double kMaxCarburant = 100000;
inline constexpr std::size_t kMaxEtapes = 100;
// Characters (Unicode code points) of a waypoint's name.
inline constexpr std::size_t kMaxRepere = 40;
inline constexpr int kMinutesParJour = 24 * 60;

// One leg, flown from the previous waypoint (or the origin) to `repere`.
struct Etape {
    std::string repere;  // UTF-8, at most kMaxRepere characters, no control character
    // The course and the distance as given (typed, or computed by an import); nothing until
    // then. A course or a distance of 0 is one given as 0, and shows so.
    std::optional<int> Rm;  // magnetic course, 0..360
    std::optional<int> D;   // distance, NM, 0..400
    int V = 0;              // direction the wind comes from, 0..360
    int Vw = 0;             // wind speed, kt, 0..360
    // Actual time at the waypoint, typed in flight: minutes after midnight, 0..1439.
    std::optional<int> HR;
    // Where the waypoint is, when the leg came from a flight plan: it moves with the leg, and a
    // course or a distance typed over the plan's keeps it. Fields added after HR take a
    // default, so that a leg written {repere, Rm, D, V, Vw, HR} stays whole.
    std::optional<common::LatLon> position = std::nullopt;
    friend bool operator==(const Etape&, const Etape&) = default;
};

struct LogNav {
    // Where the route starts, named as a waypoint is, and its place when a plan gave it.
    std::string origin;
    std::optional<common::LatLon> originPosition;
    int Vp = kVpDefaut;                        // true airspeed, kt, 60..800
    int departure = 0;                         // departure time, minutes after midnight, 0..1439
    UniteCarbu fuelUnit = UniteCarbu::USGall;  // the conversions window's first unit
    double fuelAtDeparture = 0;                // in fuelUnit, 0..kMaxCarburant
    double fuelPerHour = 0;                    // consumption per hour, in fuelUnit
    double finalReserve = 0;                   // in fuelUnit
    std::vector<Etape> etapes;                 // at most kMaxEtapes in a file or the window
    // Whether the window, the printed pages and the CSV show the exact triangle's heading and
    // ground speed beside the method's. How the log is shown rather than what it holds, but kept
    // with it: the pilot who checks the method chooses it once for the route.
    bool exactTriangle = false;
    // Which time a Top writes, the clock's local time or its UTC, and whether the simulator's
    // passes of the waypoints top the legs by themselves: chosen once for the flight.
    bool heureUTC = false;
    bool topAuto = false;
    friend bool operator==(const LogNav&, const LogNav&) = default;
};

// The leg that the window adds after the last one: no waypoint, course or distance yet, and the
// wind of the previous leg, since the wind changes little from one leg to the next.
Etape NouvelleEtape(const LogNav& log);

// What is wrong with a log, in the current language for a person («Étape 3 : «Rm» vaut 400, hors de
// 0 à 360.»), or nothing when every value is in its range. The first fault found is named: the
// origin, the log's own values, then the legs in order.
std::optional<std::string> VerifierLog(const LogNav& log);

// The characters a waypoint's name may hold: every Unicode scalar value but the control
// characters (C0, DEL and C1, U+0080 to U+009F). The waypoint box's keys, what a paste leaves in
// it and the file reader all go by this one rule, so that a name typed is a name saved and read
// back.
bool IsWaypointCharacter(char32_t c);

// Whether a position is one: finite, latitude -90..90, longitude -180..180.
bool IsPosition(const common::LatLon& position);

// Number of code points of a UTF-8 waypoint name, or nothing when it is not valid UTF-8 (shortest
// forms only, no surrogates, nothing above U+10FFFF).
std::optional<std::size_t> Utf8Length(std::string_view text);

// A time of day as the log shows it: "HH:MM", minutes taken modulo 24 h (so 1500 reads «01:00»,
// -10 reads «23:50»).
std::string HeureText(int minutes);
// "HH:MM" with two digits each, 00:00 to 23:59, as minutes after midnight; nothing otherwise.
std::optional<int> LireHeure(std::string_view text);

}  // namespace ventrose::navlog
