// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/xplane_datarefs.h"

namespace ventrose::simlink {

namespace {

// Every name of the table fits a request, which the table's test checks; a name that did not
// would leave its request zero-filled, which X-Plane ignores.
XPlaneRequests MakeRequests(std::int32_t frequency) {
    XPlaneRequests requests{};
    for (std::size_t i = 0; i < kXPlaneDatarefCount; ++i) {
        const XPlaneDataref& d = kXPlaneDatarefs[i];
        if (const auto request = EncodeRref(frequency, d.index, d.name)) requests[i] = *request;
    }
    return requests;
}

}  // namespace

const XPlaneDataref* FindXPlaneDataref(std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kXPlaneDatarefCount) return nullptr;
    return &kXPlaneDatarefs[static_cast<std::size_t>(index)];
}

std::optional<double> FromXPlaneUnit(XPlaneUnit unit, double value) {
    switch (unit) {
        case XPlaneUnit::MetresPerSecond: return value * kKnotsPerMetrePerSecond;
        case XPlaneUnit::DegreesWestPositive: return -value;
        case XPlaneUnit::InchesOfMercury: return PressureAltitudeFtFromInHg(value);
        case XPlaneUnit::Knots:
        case XPlaneUnit::DegreesTrue:
        case XPlaneUnit::Feet:
        case XPlaneUnit::Celsius:
        case XPlaneUnit::Degrees:
        case XPlaneUnit::Seconds: break;
    }
    return value;
}

const XPlaneRequests& XPlaneSubscriptions() {
    static const XPlaneRequests requests = MakeRequests(kRrefFrequency);
    return requests;
}

const XPlaneRequests& XPlaneCancellations() {
    static const XPlaneRequests requests = MakeRequests(0);
    return requests;
}

}  // namespace ventrose::simlink
