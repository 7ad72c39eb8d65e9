// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/latlon.h"

// The flight plans that pilots' planners export, read from their bytes: X-Plane's .fms (versions
// 3 and 1100), FlightGear's route manager XML, Little Navmap's .lnmpln, Microsoft Flight
// Simulator's .pln and GPX 1.0/1.1. The format is recognised from the content, never from the
// file's name. Each reader is bounded and refuses what it does not understand with one French
// message; nothing is ever read in part.
namespace ventrose::flightplan {

// A plan file larger than this is refused without being read whole; the largest real plans are
// a few tens of KiB.
inline constexpr std::size_t kMaxPlanBytes = 1024 * 1024;
inline constexpr std::size_t kMaxPoints = 1000;

enum class Format { XPlane3, XPlane1100, FlightGear, LittleNavmap, Msfs, Gpx };

// Why a point of a plan has no position of its own. FlightGear saves procedure legs whose end is
// only known in flight, and may give the departure or destination as an airport code alone.
enum class WhyNoPosition {
    NotInFile,          // the point simply has none (any format)
    Runway,             // FlightGear: a runway, named by its airport and number only
    HeadingToAltitude,  // FlightGear: fly a heading until an altitude
    Vectors,            // FlightGear: radar vectors
    Discontinuity,      // FlightGear: a break in the route
    AirportCode,        // FlightGear: the departure or destination airport, by its code alone
    RelativeToNavaid,   // FlightGear: a point placed from a navaid (offset, DME or radial)
};

struct Waypoint {
    // Both are UTF-8 without control characters, spaces collapsed and trimmed; either may be
    // empty. The ident is the short code (LFPO, ERIGA), the name what a person reads.
    std::string ident;
    std::string name;
    std::optional<common::LatLon> position;        // within range and finite when present
    WhyNoPosition why = WhyNoPosition::NotInFile;  // meaningful only without a position
    friend bool operator==(const Waypoint&, const Waypoint&) = default;
};

struct Plan {
    Format format = Format::XPlane1100;
    std::vector<Waypoint> points;  // 1 to kMaxPoints, in the order they are flown
};

// Why a file is refused, in French for a person, with the line when there is one («Ligne 7 : la
// latitude «4x» n'est pas un nombre.»). The caller adds the file's name.
struct PlanError {
    std::string message;
    friend bool operator==(const PlanError&, const PlanError&) = default;
};

// Reads a plan from a file's bytes. Refused: more than kMaxPlanBytes, empty, binary, not UTF-8
// (a UTF-8 byte order mark is skipped), no format it knows, XML that is not well-formed or that
// declares entities or a DOCTYPE internal subset, a number that is not one, a position out of
// range, more than kMaxPoints points, no point at all.
std::variant<Plan, PlanError> ReadPlan(std::string_view bytes);

// The format's name as a person knows it: «X-Plane (.fms 1100)», «GPX».
std::string_view FormatName(Format format);

}  // namespace ventrose::flightplan
