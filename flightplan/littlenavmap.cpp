// SPDX-License-Identifier: GPL-3.0-or-later
// Little Navmap's own .lnmpln, as its manual's "Little Navmap Flight Plan File Format" shows it:
//
//   <LittleNavmap xmlns:xsi="..." xsi:noNamespaceSchemaLocation=".../lnmpln.xsd">
//     <Flightplan>
//       <Header>...</Header>
//       <Departure><Pos .../></Departure>       (the parking spot, not a waypoint)
//       <Waypoints>
//         <Waypoint>
//           <Name>Yakima Air Terminal/Mcallister</Name>   (optional)
//           <Ident>KYKM</Ident>
//           <Type>AIRPORT</Type>
//           <Pos Lon="-120.543999" Lat="46.568199" Alt="1069.00"/>
//
// The order of the elements does not matter; procedure points are never in the file.
#include <string>

#include "common/tr.h"
#include "flightplan/readers.h"
#include "flightplan/text.h"

namespace ventrose::flightplan::detail {

Plan ReadLittleNavmap(const XmlDocument& document) {
    const XmlElement* flightplan = document.Child(document.Root(), "Flightplan");
    if (!flightplan) {
        Refuse(common::Tr("FlightPlan",
                          "Le fichier Little Navmap n'est pas un plan de vol : il n'a pas "
                          "d'élément <Flightplan>."));
    }
    Plan plan;
    plan.format = Format::LittleNavmap;
    const XmlElement* waypoints = document.Child(*flightplan, "Waypoints");
    if (!waypoints) return plan;
    for (const XmlElement* waypoint : document.Children(*waypoints, "Waypoint")) {
        std::optional<common::LatLon> position;
        if (const XmlElement* pos = document.Child(*waypoint, "Pos")) {
            const std::string* lat = pos->Attribute("Lat");
            const std::string* lon = pos->Attribute("Lon");
            if (!lat || !lon) {
                RefuseAt(pos->line,
                         common::Arg(common::Tr("FlightPlan", "<%1> n'a pas d'attribut %2."),
                                     {"Pos", Quote(lat ? "Lon" : "Lat")}));
            }
            position = CheckedPosition(Trim(*lat), Trim(*lon), pos->line);
        }
        AddPoint(plan, document.ChildText(*waypoint, "Ident"),
                 document.ChildText(*waypoint, "Name"), position);
    }
    return plan;
}

}  // namespace ventrose::flightplan::detail
