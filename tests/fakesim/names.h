// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "simlink/sim_values.h"

// The names a fake simulator's value goes by: the simulator's own (an X-Plane dataref, a
// FlightGear property) or a short alias, the same for both simulators, which ventrose-fakesim's
// standard input and the scenarios' sim-set take alike.
namespace ventrose::fakesim {

// Each alias stands for the first of the simulator's sources of its quantity (X-Plane 12's name
// of a weather dataref).
inline constexpr std::array<std::pair<std::string_view, simlink::Quantity>, simlink::kQuantityCount>
    kAliases = {{
        {"tas", simlink::Quantity::Tas},
        {"ias", simlink::Quantity::Ias},
        {"wind-from", simlink::Quantity::WindFromTrue},
        {"wind-speed", simlink::Quantity::WindSpeed},
        {"magvar", simlink::Quantity::MagVar},
        {"pressure-alt", simlink::Quantity::PressureAlt},
        {"oat", simlink::Quantity::Oat},
        {"groundspeed", simlink::Quantity::GroundSpeed},
        {"lat", simlink::Quantity::Latitude},
        {"lon", simlink::Quantity::Longitude},
        {"utc-seconds", simlink::Quantity::UtcTime},
        {"local-seconds", simlink::Quantity::LocalTime},
    }};

// The position of the source `name` (or the one its alias stands for) in kXPlaneDatarefs, or in
// kFlightGearProperties; nullopt for a name the link never asks for.
std::optional<std::size_t> XPlaneSource(std::string_view name);
std::optional<std::size_t> FlightGearSource(std::string_view name);

// What `ventrose-fakesim --help` prints: how to start it, its commands, and every name `set`
// takes with the unit each simulator gives it in.
std::string HelpText();

}  // namespace ventrose::fakesim
