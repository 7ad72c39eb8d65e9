// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/link_choice.h"

#include "common/tr.h"
#include "simlink/flightgear_props.h"
#include "simlink/xplane_rref.h"

namespace ventrose::simlink {

namespace {

// Longer texts are not a link; the message shows no more of them than this.
constexpr std::size_t kShownBytes = 60;

std::string Lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// A text as a message may quote it: printable ASCII and the rest of UTF-8 as they are, control
// bytes as '?', cut after kShownBytes.
std::string Shown(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < kShownBytes; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        out += (c < 0x20 || c == 0x7F) ? '?' : static_cast<char>(c);
    }
    if (text.size() > kShownBytes) out += "…";
    return out;
}

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.';
}

bool IsHexOrColon(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' ||
           c == '.';
}

// A host name or IPv4 address, or an IPv6 address in brackets. Whether it names a machine is the
// resolver's to say.
bool IsHost(std::string_view host) {
    if (host.empty() || host.size() > kMaxHostBytes) return false;
    if (host.front() == '[') {
        if (host.size() < 4 || host.back() != ']') return false;
        const std::string_view inside = host.substr(1, host.size() - 2);
        if (inside.find(':') == std::string_view::npos) return false;
        for (const char c : inside) {
            if (!IsHexOrColon(c)) return false;
        }
        return true;
    }
    if (host.front() == '-' || host.front() == '.' || host.find("..") != std::string_view::npos)
        return false;
    for (const char c : host) {
        if (!IsNameCharacter(c)) return false;
    }
    return true;
}

std::optional<std::uint16_t> ParsePort(std::string_view text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    unsigned value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value < 1 || value > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::optional<Simulator> ParseSimulator(std::string_view word) {
    const std::string lowered = Lowered(word);
    if (lowered == "xplane" || lowered == "x-plane") return Simulator::XPlane;
    if (lowered == "flightgear") return Simulator::FlightGear;
    return std::nullopt;
}

LinkChoiceError HostError(std::string_view host) {
    if (host.empty()) {
        return {
            common::Tr("LinkChoice", "Il manque le nom ou l'adresse de la machine du simulateur.")};
    }
    return {common::Arg(common::Tr("LinkChoice",
                                   "Machine « %1 » invalide : un nom (lettres, "
                                   "chiffres, « - » et « . ») ou une adresse IP."),
                        {Shown(host)})};
}

LinkChoiceError PortError(std::string_view port) {
    return {common::Arg(
        common::Tr("LinkChoice", "Port « %1 » invalide : un nombre entier de 1 à 65535."),
        {Shown(port)})};
}

}  // namespace

std::uint16_t DefaultPort(Simulator simulator) {
    return simulator == Simulator::XPlane ? kXPlanePort : kFlightGearPort;
}

std::string_view SimulatorName(Simulator simulator) {
    return simulator == Simulator::XPlane ? "X-Plane" : "FlightGear";
}

std::variant<LinkChoice, LinkChoiceError> MakeLinkChoice(Simulator simulator, std::string_view host,
                                                         std::string_view port) {
    if (!IsHost(host)) return HostError(host);
    const std::optional<std::uint16_t> number = ParsePort(port);
    if (!number) return PortError(port);
    return LinkChoice{simulator, std::string(host), *number};
}

ParsedLink ParseLinkChoice(std::string_view text) {
    if (Lowered(text) == "aucun") return std::optional<LinkChoice>{};
    const std::size_t colon = text.find(':');
    const std::string_view word = text.substr(0, colon);
    const std::optional<Simulator> simulator = ParseSimulator(word);
    if (!simulator) {
        return LinkChoiceError{common::Arg(
            common::Tr("LinkChoice",
                       "Simulateur inconnu « %1 » : choisir xplane, flightgear ou aucun."),
            {Shown(word)})};
    }
    if (colon == std::string_view::npos)
        return std::optional<LinkChoice>{
            LinkChoice{*simulator, std::string(kDefaultHost), DefaultPort(*simulator)}};
    std::string_view rest = text.substr(colon + 1);
    // The port follows the last colon, outside an IPv6 address's brackets.
    const std::size_t bracket = rest.rfind(']');
    const std::size_t portColon = rest.find(':', bracket == std::string_view::npos ? 0 : bracket);
    const std::string_view host = rest.substr(0, portColon);
    const std::string port = portColon == std::string_view::npos
                                 ? std::to_string(DefaultPort(*simulator))
                                 : std::string(rest.substr(portColon + 1));
    const auto made = MakeLinkChoice(*simulator, host, port);
    if (const auto* error = std::get_if<LinkChoiceError>(&made)) return *error;
    return std::optional<LinkChoice>{std::get<LinkChoice>(made)};
}

std::string LinkChoiceText(const std::optional<LinkChoice>& choice) {
    if (!choice) return "aucun";
    return std::string(choice->simulator == Simulator::XPlane ? "xplane" : "flightgear") + ":" +
           choice->host + ":" + std::to_string(choice->port);
}

}  // namespace ventrose::simlink
