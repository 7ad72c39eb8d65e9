// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "simlink/link_state.h"

// Which simulator the program links with, and where it runs, as a person writes it on the
// command line (`--sim xplane:192.168.1.20:49000`), in the settings file (`sim/link`) and in the
// dialog of the windows' menu:
//
//   aucun                      no link
//   xplane[:HOST[:PORT]]       X-Plane's UDP port, 127.0.0.1 and 49000 by default
//   flightgear[:HOST[:PORT]]   FlightGear's property server, 127.0.0.1 and 5401 by default
//
// The simulator's word in any letter case. HOST is an IPv4 address or a host name (letters,
// digits, '-' and '.', up to 253 characters), or an IPv6 address in brackets ("[::1]"); PORT a
// whole number from 1 to 65535.
namespace ventrose::simlink {

inline constexpr std::string_view kDefaultHost = "127.0.0.1";
inline constexpr std::size_t kMaxHostBytes = 253;

struct LinkChoice {
    Simulator simulator = Simulator::XPlane;
    std::string host = std::string(kDefaultHost);
    std::uint16_t port = 0;
    friend bool operator==(const LinkChoice&, const LinkChoice&) = default;
};

// The port a simulator listens on unless told otherwise.
std::uint16_t DefaultPort(Simulator simulator);

// "X-Plane", "FlightGear".
std::string_view SimulatorName(Simulator simulator);

// What is wrong with a text, in French, as one sentence a person can act on.
struct LinkChoiceError {
    std::string message;
    friend bool operator==(const LinkChoiceError&, const LinkChoiceError&) = default;
};

// A link, none (nullopt, for "aucun"), or what is wrong.
using ParsedLink = std::variant<std::optional<LinkChoice>, LinkChoiceError>;
ParsedLink ParseLinkChoice(std::string_view text);

// The host and port a person typed in the dialog, for `simulator`.
std::variant<LinkChoice, LinkChoiceError> MakeLinkChoice(Simulator simulator, std::string_view host,
                                                         std::string_view port);

// The text ParseLinkChoice reads back as the same choice: "aucun", or every part written out
// ("xplane:127.0.0.1:49000").
std::string LinkChoiceText(const std::optional<LinkChoice>& choice);

}  // namespace ventrose::simlink
