// SPDX-License-Identifier: GPL-3.0-or-later
// GPX 1.0 and 1.1 (Topografix's schemas): the plan is the first route, <rte> of <rtept>; a file
// without a route gives its waypoints, <wpt>, in file order. Tracks are a recorded flight, not a
// plan, and are ignored. Every point has its lat and lon attributes (both required by the
// schema) and an optional <name>.
//
//   <gpx version="1.1" creator="..." xmlns="http://www.topografix.com/GPX/1/1">
//     <rte><name>LFPN-LFRN</name>
//       <rtept lat="48.751944" lon="2.106111"><name>LFPN</name></rtept>
#include <string>

#include "common/tr.h"
#include "flightplan/readers.h"
#include "flightplan/text.h"

namespace ventrose::flightplan::detail {

Plan ReadGpx(const XmlDocument& document) {
    const XmlElement& root = document.Root();
    const XmlElement* route = document.Child(root, "rte");
    const auto points = route ? document.Children(*route, "rtept") : document.Children(root, "wpt");
    Plan plan;
    plan.format = Format::Gpx;
    for (const XmlElement* point : points) {
        const std::string* lat = point->Attribute("lat");
        const std::string* lon = point->Attribute("lon");
        if (!lat || !lon) {
            RefuseAt(point->line,
                     common::Arg(common::Tr("FlightPlan", "<%1> n'a pas d'attribut %2."),
                                 {point->LocalName(), Quote(lat ? "lon" : "lat")}));
        }
        AddPoint(plan, "", document.ChildText(*point, "name"),
                 CheckedPosition(Trim(*lat), Trim(*lon), point->line));
    }
    return plan;
}

}  // namespace ventrose::flightplan::detail
