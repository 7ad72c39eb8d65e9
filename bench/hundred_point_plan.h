// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// A flight plan of 100 points in each planner's format, for the benchmarks of its import.
namespace ventrose::bench {

// 100 points from Brittany towards the Black Sea, 25 to 35 NM apart, with positions written as
// each planner writes them.
struct Point {
    std::string ident;
    double latitude, longitude;
};

inline std::vector<Point> Points() {
    std::vector<Point> points;
    for (int i = 0; i < 100; ++i) {
        points.push_back(
            {"WP" + std::to_string(i), 47.5 + 0.1 * (i % 7) - 0.05 * (i % 3), -4.0 + 0.55 * i});
    }
    return points;
}

inline std::string Fixed(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    return buffer;
}

inline std::string Dms(double value, char positive, char negative) {
    const char hemisphere = value < 0 ? negative : positive;
    value = value < 0 ? -value : value;
    const int degrees = static_cast<int>(value);
    const int minutes = static_cast<int>((value - degrees) * 60);
    const double seconds = (value - degrees - minutes / 60.0) * 3600;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%c%d\xC2\xB0 %d' %.2f\"", hemisphere, degrees, minutes,
                  seconds);
    return buffer;
}

enum class Kind { Fms, FlightGear, LittleNavmap, Msfs, Gpx };

inline std::string Plan(Kind kind) {
    const auto points = Points();
    std::string text;
    switch (kind) {
        case Kind::Fms:
            text = "I\r\n1100 Version\r\nCYCLE 2501\r\nADEP WP0\r\nADES WP99\r\nNUMENR 100\r\n";
            for (const Point& p : points) {
                text += "11 " + p.ident + " DRCT 5500.000000 " + Fixed(p.latitude) + " " +
                        Fixed(p.longitude) + "\r\n";
            }
            return text;
        case Kind::FlightGear:
            text =
                "<?xml version=\"1.0\"?>\n<PropertyList>\n  <version type=\"int\">2</version>\n"
                "  <route>\n";
            for (const Point& p : points) {
                text +=
                    "    <wp>\n      <type type=\"string\">basic</type>\n      <ident "
                    "type=\"string\">" +
                    p.ident + "</ident>\n      <lon type=\"double\">" + Fixed(p.longitude) +
                    "</lon>\n      <lat type=\"double\">" + Fixed(p.latitude) +
                    "</lat>\n    </wp>\n";
            }
            return text + "  </route>\n</PropertyList>\n";
        case Kind::LittleNavmap:
            text =
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LittleNavmap>\n  <Flightplan>\n"
                "    <Waypoints>\n";
            for (const Point& p : points) {
                text += "      <Waypoint>\n        <Ident>" + p.ident +
                        "</Ident>\n        <Type>USER</Type>\n        <Pos Lon=\"" +
                        Fixed(p.longitude) + "\" Lat=\"" + Fixed(p.latitude) +
                        "\" Alt=\"5500.00\"/>\n      </Waypoint>\n";
            }
            return text + "    </Waypoints>\n  </Flightplan>\n</LittleNavmap>\n";
        case Kind::Msfs:
            text =
                "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<SimBase.Document "
                "Type=\"AceXML\" version=\"1,0\">\r\n    <FlightPlan.FlightPlan>\r\n";
            for (const Point& p : points) {
                text += "        <ATCWaypoint id=\"" + p.ident +
                        "\">\r\n            <ATCWaypointType>User</ATCWaypointType>\r\n    "
                        "        <WorldPosition>" +
                        Dms(p.latitude, 'N', 'S') + "," + Dms(p.longitude, 'E', 'W') +
                        ",+005500.00</WorldPosition>\r\n        </ATCWaypoint>\r\n";
            }
            return text + "    </FlightPlan.FlightPlan>\r\n</SimBase.Document>\r\n";
        case Kind::Gpx:
            text =
                "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" "
                "xmlns=\"http://www.topografix.com/GPX/1/1\">\n<rte>\n";
            for (const Point& p : points) {
                text += "<rtept lat=\"" + Fixed(p.latitude) + "\" lon=\"" + Fixed(p.longitude) +
                        "\"><name>" + p.ident + "</name></rtept>\n";
            }
            return text + "</rte>\n</gpx>\n";
    }
    return text;
}

}  // namespace ventrose::bench
