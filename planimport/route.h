// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "common/latlon.h"
#include "flightplan/plan.h"
#include "magnetic/declination.h"

// A flight plan's points made into the legs of a navigation log: each leg's magnetic course and
// distance from the geodesic between its waypoints, as a pilot flying by dead reckoning needs
// them. Plain values: the log's window maps them into its own legs.
namespace ventrose::planimport {

// What the log can hold: its own limits, repeated here so that this core needs no window's.
inline constexpr std::size_t kMaxLegs = 100;
inline constexpr std::size_t kMaxRepere = 40;  // code points
inline constexpr double kMaxLegNm = 400;
// A point nearer than this to the previous point kept (a runway beside its airport) adds no leg.
inline constexpr double kMinLegNm = 0.5;

struct Origin {
    std::string repere;  // its ident, else its name, at most kMaxRepere code points
    common::LatLon position;
};

struct Leg {
    std::string repere;       // as Origin's; «ERIGA (1/3)» for the parts of a split leg
    int Rm = 360;             // magnetic course at the leg's middle, 1..360 (north is 360)
    int D = 0;                // whole NM, 0..400
    common::LatLon position;  // of the waypoint the leg reaches
};

struct Split {
    std::string repere;  // the waypoint's, before the parts' numbers
    int parts = 2;
    friend bool operator==(const Split&, const Split&) = default;
};

struct Route {
    Origin origin;
    std::vector<Leg> legs;  // 1..kMaxLegs
    // What the import left out or changed, each point named as the log would.
    std::vector<std::string> withoutPosition;  // skipped: no position in the plan
    std::vector<std::string> tooClose;         // dropped: under kMinLegNm from the one before
    std::vector<Split> splits;                 // legs over kMaxLegNm cut into parts
    bool outsideModelValidity = false;         // the date is outside WMM2025's 2025.0..2030.0
};

struct RouteError {
    std::string message;  // for a person, in the current language
    friend bool operator==(const RouteError&, const RouteError&) = default;
};

// The route of `points` on `date` (the magnetic model's date). The first point with a position
// is the origin; each later point with one is a leg, unless it is under kMinLegNm from the last
// point kept; a leg over kMaxLegNm is cut into the fewest equal parts of at most kMaxLegNm.
// D is the geodesic distance rounded to the whole NM, halves up; Rm the true course at the leg's
// middle less the declination there, rounded to the degree, halves up. Refused: no leg, or more
// than kMaxLegs.
std::variant<Route, RouteError> BuildRoute(const std::vector<flightplan::Waypoint>& points,
                                           magnetic::Date date);

// The one message to show after an import, or "" when nothing was skipped, dropped, split or
// computed outside the model's years: «Points sans position ignorés : RW27, VECTORS. Étape ERIGA
// coupée en 3.» In the current language, as the refusals' messages (context "PlanImport").
std::string ImportNotice(const Route& route);

// A point's name as a leg shows it: its ident, else its name, cut to `room` code points.
std::string Repere(const flightplan::Waypoint& point, std::size_t room = kMaxRepere);

}  // namespace ventrose::planimport
