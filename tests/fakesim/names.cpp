// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fakesim/names.h"

#include "simlink/flightgear_props.h"
#include "simlink/xplane_datarefs.h"

namespace ventrose::fakesim {

namespace {

using simlink::Quantity;

template <typename Table, typename NameOf>
std::optional<std::size_t> SourceIn(const Table& table, std::string_view name, NameOf nameOf) {
    std::optional<Quantity> alias;
    for (const auto& [word, quantity] : kAliases)
        if (word == name) alias = quantity;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (alias ? table[i].quantity == *alias : nameOf(table[i]) == name) return i;
    return std::nullopt;
}

std::string_view UnitOf(simlink::XPlaneUnit unit) {
    switch (unit) {
        using enum simlink::XPlaneUnit;
        case Knots: return "kt";
        case MetresPerSecond: return "m/s";
        case DegreesTrue: return "degrees true";
        case DegreesWestPositive: return "degrees, west positive";
        case Feet: return "ft";
        case InchesOfMercury: return "inHg, the static pressure";
        case Degrees: return "degrees, north and east positive";
        case Seconds: return "seconds after midnight";
        case Celsius: break;
    }
    return "degrees C";
}

// FlightGear's properties are in the units their names give.
std::string_view FlightGearUnitOf(Quantity quantity) {
    switch (quantity) {
        using enum Quantity;
        case Tas:
        case Ias:
        case WindSpeed:
        case GroundSpeed: return "kt";
        case WindFromTrue: return "degrees true";
        case MagVar: return "degrees, east positive";
        case PressureAlt: return "ft";
        case Latitude:
        case Longitude: return "degrees, north and east positive";
        case UtcTime: return "seconds after midnight";
        // FlightGear gives no local time of day, only how far local time is ahead of UTC.
        case LocalTime: return "seconds, local time less UTC";
        case Oat: break;
    }
    return "degrees C";
}

constexpr std::string_view kCommands =
    "usage: ventrose-fakesim xplane|flightgear [--port N] [--random SEED] [--flood RATE]\n"
    "\n"
    "Answers as X-Plane's UDP dataref interface or FlightGear's property server does, on\n"
    "127.0.0.1, for trying Ventrose without a simulator: start Ventrose with\n"
    "--sim xplane:127.0.0.1:PORT (or flightgear:...). It prints \"PORT <n>\" once it listens\n"
    "(on a free port unless --port says which), then reads one command a line:\n"
    "\n"
    "  set NAME VALUE   the simulator now holds VALUE for NAME, in the simulator's unit (below)\n"
    "  stop             quits: X-Plane forgets its subscriptions, FlightGear drops connections\n"
    "  restart          listens again on the same port, with the values it held\n"
    "  junk             malformed replies\n"
    "  foreign          a reply from another address (X-Plane)\n"
    "  drop             closes every connection and goes on listening (FlightGear)\n"
    "  burst N          N replies at once (X-Plane)\n"
    "  quit\n"
    "\n"
    "--random SEED sets every value at random five times a second; --flood RATE sends RATE\n"
    "replies a second (X-Plane).\n"
    "\n"
    "NAME is an alias, or the simulator's own name of a value Ventrose reads (an alias stands\n"
    "for the first one). X-Plane gives its speeds in metres per second whatever the dataref's\n"
    "name says: \"set wind-speed 10\" shows as 19 kts.\n";

}  // namespace

std::optional<std::size_t> XPlaneSource(std::string_view name) {
    return SourceIn(simlink::kXPlaneDatarefs, name, [](const auto& d) { return d.name; });
}

std::optional<std::size_t> FlightGearSource(std::string_view name) {
    return SourceIn(simlink::kFlightGearProperties, name, [](const auto& p) { return p.path; });
}

std::string HelpText() {
    std::string text(kCommands);
    for (const auto& [alias, quantity] : kAliases) {
        text += "\n  " + std::string(alias) + " (" + std::string(simlink::NameOf(quantity)) + ")\n";
        for (const simlink::XPlaneDataref& d : simlink::kXPlaneDatarefs) {
            if (d.quantity != quantity) continue;
            text += "    X-Plane     " + std::string(d.name) + ", " + std::string(UnitOf(d.unit)) +
                    "; X-Plane " + std::string(d.versions) + "\n";
        }
        for (const simlink::FlightGearProperty& p : simlink::kFlightGearProperties) {
            if (p.quantity != quantity) continue;
            text += "    FlightGear  " + std::string(p.path) + ", " +
                    std::string(FlightGearUnitOf(quantity)) + "\n";
        }
    }
    return text;
}

}  // namespace ventrose::fakesim
