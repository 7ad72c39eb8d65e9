// SPDX-License-Identifier: GPL-3.0-or-later
#include "planimport/route.h"

#include <cmath>
#include <optional>
#include <utility>

#include "common/tr.h"
#include "flightplan/text.h"
#include "geodesy/geodesic.h"

namespace ventrose::planimport {

namespace {

using common::Arg;
using common::Tr;

// A log's figures are rounded as a pilot reads them: halves up, never to even.
int RoundHalfUp(double value) { return static_cast<int>(std::floor(value + 0.5)); }

// The magnetic course of a leg measured on the geodesic, 1..360.
int MagneticCourse(const geodesy::Leg& leg, double decimalYear, bool& outsideValidity) {
    const magnetic::Declination d = magnetic::Wmm2025Declination(leg.middle, 0, decimalYear);
    if (!d.withinValidity) outsideValidity = true;
    int course = RoundHalfUp(leg.trueCourse - d.degrees) % 360;
    if (course <= 0) course += 360;
    return course;
}

std::string Joined(const std::vector<std::string>& names) {
    // A plan of a thousand unplaced points is named by its first few.
    constexpr std::size_t kNamed = 10;
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < kNamed; ++i) {
        if (i > 0) text += ", ";
        text += names[i].empty() ? Tr("PlanImport", "(sans nom)") : names[i];
    }
    if (names.size() > kNamed) {
        text =
            Arg(Tr("PlanImport", "%1 et %2 autres"), {text, std::to_string(names.size() - kNamed)});
    }
    return text;
}

}  // namespace

std::string Repere(const flightplan::Waypoint& point, std::size_t room) {
    const std::string& name = point.ident.empty() ? point.name : point.ident;
    // The readers clean names already; cleaning again costs little and keeps the log's rule
    // (no control character) whoever built the point.
    return flightplan::detail::FirstCodePoints(flightplan::detail::CleanName(name), room);
}

std::variant<Route, RouteError> BuildRoute(const std::vector<flightplan::Waypoint>& points,
                                           magnetic::Date date) {
    const double year = magnetic::DecimalYear(date);
    Route route;
    std::optional<common::LatLon> last;
    for (const flightplan::Waypoint& point : points) {
        if (!point.position) {
            route.withoutPosition.push_back(Repere(point));
            continue;
        }
        if (!last) {
            route.origin = {Repere(point), *point.position};
            last = point.position;
            continue;
        }
        const geodesy::Leg whole = geodesy::Measure(*last, *point.position);
        if (whole.distanceNm < kMinLegNm) {
            route.tooClose.push_back(Repere(point));
            continue;
        }
        const int parts = geodesy::PartsNeeded(whole.distanceNm, kMaxLegNm);
        if (route.legs.size() + static_cast<std::size_t>(parts) > kMaxLegs) {
            return RouteError{
                Arg(Tr("PlanImport", "Le plan donne plus de %1 étapes : le log n'en tient que %1."),
                    {std::to_string(kMaxLegs)})};
        }
        if (parts == 1) {
            route.legs.push_back({Repere(point),
                                  MagneticCourse(whole, year, route.outsideModelValidity),
                                  RoundHalfUp(whole.distanceNm), *point.position});
        } else {
            route.splits.push_back({Repere(point), parts});
            const auto pieces = geodesy::Split(*last, *point.position, parts);
            for (int k = 1; k <= parts; ++k) {
                const std::string suffix =
                    k < parts ? " (" + std::to_string(k) + "/" + std::to_string(parts) + ")" : "";
                const geodesy::Part& piece = pieces[static_cast<std::size_t>(k - 1)];
                route.legs.push_back(
                    {Repere(point, kMaxRepere - flightplan::detail::CodePoints(suffix)) + suffix,
                     MagneticCourse(piece.leg, year, route.outsideModelValidity),
                     RoundHalfUp(piece.leg.distanceNm), piece.end});
            }
        }
        last = point.position;
    }
    if (!last)
        return RouteError{
            Tr("PlanImport",
               "Aucun point du plan n'a de position : il n'y a pas d'étape à calculer.")};
    if (route.legs.empty()) {
        return RouteError{
            Tr("PlanImport",
               "Le plan ne donne aucune étape : il lui faut au moins deux points avec "
               "une position, à 0,5 NM au moins l'un de l'autre.")};
    }
    return route;
}

std::string ImportNotice(const Route& route) {
    std::string notice;
    const auto sentence = [&notice](const std::string& text) {
        if (!notice.empty()) notice += ' ';
        notice += text;
    };
    if (!route.withoutPosition.empty()) {
        sentence(Arg(Tr("PlanImport", "Points sans position ignorés : %1."),
                     {Joined(route.withoutPosition)}));
    }
    if (!route.tooClose.empty()) {
        sentence(Arg(Tr("PlanImport", "Points à moins de 0,5 NM du précédent ignorés : %1."),
                     {Joined(route.tooClose)}));
    }
    for (const Split& split : route.splits) {
        sentence(Arg(Tr("PlanImport", "Étape %1 coupée en %2."),
                     {split.repere, std::to_string(split.parts)}));
    }
    if (route.outsideModelValidity) {
        sentence(Tr("PlanImport",
                    "La date est hors de la période de validité du modèle magnétique WMM2025 (2025 "
                    "à 2030) : les Rm sont calculés avec le modèle tel quel."));
    }
    return notice;
}

}  // namespace ventrose::planimport
