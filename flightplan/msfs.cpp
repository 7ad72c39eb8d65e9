// SPDX-License-Identifier: GPL-3.0-or-later
// Microsoft Flight Simulator's .pln (the AceXML flight plan of FSX, Prepar3D and MSFS):
//
//   <SimBase.Document Type="AceXML" version="1,0">
//     <FlightPlan.FlightPlan>
//       <ATCWaypoint id="KSEA">
//         <ATCWaypointType>Airport</ATCWaypointType>
//         <WorldPosition>N47° 26' 2.96",W122° 18' 31.20",+000433.00</WorldPosition>
//         <ICAO><ICAOIdent>KSEA</ICAOIdent></ICAO>
//
// The position is degrees, minutes and seconds with the hemisphere first, then the altitude in
// feet. The plans that MSFS 2024's EFB saves name their points without any position: those give
// this log nothing to compute with and are refused, saying so.
#include <string>
#include <string_view>

#include "common/tr.h"
#include "flightplan/readers.h"
#include "flightplan/text.h"

namespace ventrose::flightplan::detail {

namespace {

constexpr std::string_view kDegree = "\xC2\xB0";  // °

// The text up to `mark`, trimmed, read as a number; `rest` moves past the mark.
std::optional<double> Before(std::string_view& rest, std::string_view mark) {
    const auto at = rest.find(mark);
    if (at == std::string_view::npos) return std::nullopt;
    const auto value = ReadNumber(Trim(rest.substr(0, at)));
    rest.remove_prefix(at + mark.size());
    return value;
}

// «N47° 26' 2.96"» as signed degrees, or nothing when it is not of that shape.
std::optional<double> Angle(std::string_view text, char positive, char negative) {
    text = Trim(text);
    if (text.empty() || (text.front() != positive && text.front() != negative)) return std::nullopt;
    const double sign = text.front() == positive ? 1 : -1;
    std::string_view rest = text.substr(1);
    const auto degrees = Before(rest, kDegree);
    const auto minutes = Before(rest, "'");
    const auto seconds = Before(rest, "\"");
    if (!degrees || !minutes || !seconds || !Trim(rest).empty()) return std::nullopt;
    // 60.00 seconds is allowed: writers that print 59.999 with two decimals give it.
    if (*degrees < 0 || *minutes < 0 || *minutes >= 60 || *seconds < 0 || *seconds > 60) {
        return std::nullopt;
    }
    return sign * (*degrees + *minutes / 60 + *seconds / 3600);
}

common::LatLon WorldPosition(const XmlElement& element) {
    const std::string_view text = Trim(element.text);
    const auto comma = text.find(',');
    const std::string_view latitude = text.substr(0, comma);
    std::string_view rest = comma == std::string_view::npos ? "" : text.substr(comma + 1);
    const auto second = rest.find(',');
    const std::string_view longitude = rest.substr(0, second);
    const std::string_view altitude =
        second == std::string_view::npos ? std::string_view{} : Trim(rest.substr(second + 1));
    const auto lat = Angle(latitude, 'N', 'S');
    const auto lon = Angle(longitude, 'E', 'W');
    if (comma == std::string_view::npos || !lat || !lon ||
        (second != std::string_view::npos && !ReadNumber(altitude))) {
        RefuseAt(element.line,
                 common::Arg(common::Tr("FlightPlan",
                                        "la position %1 n'est pas de la forme N47° 26' 2.96\","
                                        "W122° 18' 31.20\",+000433.00."),
                             {Quote(text)}));
    }
    return CheckedPosition(*lat, *lon, element.line);
}

}  // namespace

Plan ReadMsfs(const XmlDocument& document) {
    const XmlElement* flightplan = document.Child(document.Root(), "FlightPlan.FlightPlan");
    if (!flightplan) {
        Refuse(common::Tr("FlightPlan",
                          "Le fichier MSFS n'est pas un plan de vol : il n'a pas d'élément "
                          "<FlightPlan.FlightPlan>."));
    }
    const auto waypoints = document.Children(*flightplan, "ATCWaypoint");
    bool anyPosition = false;
    for (const XmlElement* waypoint : waypoints) {
        if (document.Child(*waypoint, "WorldPosition")) anyPosition = true;
    }
    if (!waypoints.empty() && !anyPosition) {
        Refuse(common::Tr("FlightPlan",
                          "Ce plan MSFS ne donne la position d'aucun de ses points : exportez-le "
                          "de votre planificateur avec les positions (WorldPosition) pour "
                          "l'importer."));
    }
    Plan plan;
    plan.format = Format::Msfs;
    for (const XmlElement* waypoint : waypoints) {
        std::optional<common::LatLon> position;
        if (const XmlElement* world = document.Child(*waypoint, "WorldPosition")) {
            position = WorldPosition(*world);
        }
        const XmlElement* icao = document.Child(*waypoint, "ICAO");
        const std::string* id = waypoint->Attribute("id");
        AddPoint(plan, icao ? document.ChildText(*icao, "ICAOIdent") : std::string_view{},
                 id ? std::string_view(*id) : std::string_view{}, position);
    }
    return plan;
}

}  // namespace ventrose::flightplan::detail
