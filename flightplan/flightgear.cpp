// SPDX-License-Identifier: GPL-3.0-or-later
// FlightGear's route manager files: a PropertyList with the departure and destination airports
// and a <route> of <wp> elements, each with its <type>, <ident> and, when the point has a place
// of its own, <lat> and <lon>:
//
//   <PropertyList>
//     <version type="int">2</version>
//     <departure><airport type="string">LFPO</airport><runway ...>06</runway></departure>
//     <route>
//       <wp><type type="string">runway</type><ident ...>06</ident><icao ...>LFPO</icao></wp>
//       <wp n="1"><type ...>navaid</type><ident ...>RANUX</ident>
//         <lon type="double">4.361667</lon><lat type="double">49.138889</lat></wp>
//
// Runways, heading-to-altitude legs, vectors and discontinuities are saved without a position;
// offset and intercept points carry their navaid's, not their own. Those points are kept without
// one, with the reason, for the import to name them.
#include <string>
#include <string_view>

#include "common/tr.h"
#include "flightplan/readers.h"
#include "flightplan/text.h"

namespace ventrose::flightplan::detail {

namespace {

std::string_view Airport(const XmlDocument& document, std::string_view which) {
    const XmlElement* block = document.Child(document.Root(), which);
    return block ? document.ChildText(*block, "airport") : std::string_view{};
}

// Whether the route's point already stands for the airport given in the header.
bool StandsFor(const XmlDocument& document, const XmlElement& wp, std::string_view airport) {
    return document.ChildText(wp, "ident") == airport ||
           (document.ChildText(wp, "type") == "runway" &&
            document.ChildText(wp, "icao") == airport);
}

void AddWaypoint(Plan& plan, const XmlDocument& document, const XmlElement& wp) {
    const std::string_view type = document.ChildText(wp, "type");
    std::string ident(document.ChildText(wp, "ident"));
    const XmlElement* lat = document.Child(wp, "lat");
    const XmlElement* lon = document.Child(wp, "lon");
    if ((lat == nullptr) != (lon == nullptr)) {
        RefuseAt(wp.line,
                 common::Arg(
                     lat ? common::Tr("FlightPlan", "le point %1 a une latitude sans longitude.")
                         : common::Tr("FlightPlan", "le point %1 a une longitude sans latitude."),
                     {Quote(ident)}));
    }
    std::optional<common::LatLon> position;
    if (lat) position = CheckedPosition(Trim(lat->text), Trim(lon->text), lat->line);
    WhyNoPosition why = WhyNoPosition::NotInFile;
    if (type == "runway") {
        why = WhyNoPosition::Runway;
        if (!ident.starts_with("RW")) ident = "RW" + ident;
    } else if (type == "hdgToAlt") {
        why = WhyNoPosition::HeadingToAltitude;
    } else if (type == "vectors") {
        why = WhyNoPosition::Vectors;
        if (ident.empty()) ident = "VECTORS";
    } else if (type == "discontinuity") {
        why = WhyNoPosition::Discontinuity;
        if (ident.empty()) ident = "DISCONTINUITY";
    } else if (type == "offset-navaid" || type == "dmeIntercept" || type == "radialIntercept") {
        why = WhyNoPosition::RelativeToNavaid;
    } else if (type == "via" && ident.empty()) {
        ident = document.ChildText(wp, "to");  // an airway's end, at the position written
    }
    if (why != WhyNoPosition::NotInFile) position.reset();
    AddPoint(plan, ident, "", position, why);
}

}  // namespace

Plan ReadFlightGear(const XmlDocument& document) {
    const XmlElement* route = document.Child(document.Root(), "route");
    if (!route) {
        Refuse(common::Tr("FlightPlan",
                          "Le fichier est une liste de propriétés FlightGear, mais pas un plan de "
                          "vol : il n'a pas d'élément <route>."));
    }
    Plan plan;
    plan.format = Format::FlightGear;
    const auto wps = document.Children(*route, "wp");
    const std::string_view departure = Airport(document, "departure");
    if (!departure.empty() && (wps.empty() || !StandsFor(document, *wps.front(), departure))) {
        AddPoint(plan, departure, "", std::nullopt, WhyNoPosition::AirportCode);
    }
    for (const XmlElement* wp : wps) AddWaypoint(plan, document, *wp);
    const std::string_view destination = Airport(document, "destination");
    if (!destination.empty() && (wps.empty() || !StandsFor(document, *wps.back(), destination))) {
        AddPoint(plan, destination, "", std::nullopt, WhyNoPosition::AirportCode);
    }
    return plan;
}

}  // namespace ventrose::flightplan::detail
