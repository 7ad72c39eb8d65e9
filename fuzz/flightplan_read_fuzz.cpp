// SPDX-License-Identifier: GPL-3.0-or-later
// The flight plan readers on any bytes, the format found from the content as the import does,
// then the route from what they read: nothing crashes or grows without bound, a refusal is a
// printable French message, a plan read is within its limits with clean names and positions in
// range, and a route built from it fits the log (1 to 100 legs, Rm 1..360, D 0..400, names of 40
// code points at most, no control character anywhere).
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "flightplan/plan.h"
#include "fuzz/check.h"
#include "planimport/route.h"

using namespace ventrose;

namespace {

bool HasControl(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) return true;
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            return true;
        }
    }
    return false;
}

void RequireText(std::string_view text, const char* what) {
    fuzz::Require(fuzz::IsValidUtf8(text), what, text);
    fuzz::Require(!HasControl(text), what, text);
}

std::size_t CodePoints(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = flightplan::ReadPlan(bytes);
    if (const auto* e = std::get_if<flightplan::PlanError>(&read)) {
        fuzz::Require(!e->message.empty(), "an empty message", bytes);
        RequireText(e->message, "a message that is not printable UTF-8");
        return 0;
    }
    const flightplan::Plan& plan = std::get<flightplan::Plan>(read);
    fuzz::Require(!plan.points.empty() && plan.points.size() <= flightplan::kMaxPoints,
                  "a plan of no point or too many", bytes);
    for (const flightplan::Waypoint& p : plan.points) {
        RequireText(p.ident, "an ident that is not clean UTF-8");
        RequireText(p.name, "a name that is not clean UTF-8");
        if (p.position) {
            const common::LatLon& at = *p.position;
            fuzz::Require(std::isfinite(at.latitude) && at.latitude >= -90 && at.latitude <= 90,
                          "a latitude out of range", bytes);
            fuzz::Require(
                std::isfinite(at.longitude) && at.longitude >= -180 && at.longitude <= 180,
                "a longitude out of range", bytes);
        }
    }

    const auto built = planimport::BuildRoute(plan.points, {2026, 6, 15});
    if (const auto* e = std::get_if<planimport::RouteError>(&built)) {
        RequireText(e->message, "a route refusal that is not printable UTF-8");
        return 0;
    }
    const planimport::Route& route = std::get<planimport::Route>(built);
    fuzz::Require(!route.legs.empty() && route.legs.size() <= planimport::kMaxLegs,
                  "a route of no leg or too many", bytes);
    RequireText(route.origin.repere, "an origin that is not clean UTF-8");
    fuzz::Require(CodePoints(route.origin.repere) <= planimport::kMaxRepere, "a long origin",
                  route.origin.repere);
    for (const planimport::Leg& leg : route.legs) {
        RequireText(leg.repere, "a waypoint that is not clean UTF-8");
        fuzz::Require(CodePoints(leg.repere) <= planimport::kMaxRepere, "a long waypoint",
                      leg.repere);
        fuzz::Require(leg.Rm >= 1 && leg.Rm <= 360, "Rm out of 1..360", bytes);
        fuzz::Require(leg.D >= 0 && leg.D <= 400, "D out of 0..400", bytes);
    }
    RequireText(planimport::ImportNotice(route), "a notice that is not printable UTF-8");
    return 0;
}
