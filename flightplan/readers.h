// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "common/latlon.h"
#include "flightplan/plan.h"
#include "flightplan/xml.h"

// One reader per format, each refusing with detail::Refuse. ReadPlan has already checked the
// size, the encoding and that the text is not binary.
namespace ventrose::flightplan::detail {

Plan ReadXPlane(std::string_view text);  // text without byte order mark
Plan ReadFlightGear(const XmlDocument& document);
Plan ReadLittleNavmap(const XmlDocument& document);
Plan ReadMsfs(const XmlDocument& document);
Plan ReadGpx(const XmlDocument& document);

// A latitude and a longitude as written in the file, read strictly and checked against their
// ranges; refused with the line otherwise.
common::LatLon CheckedPosition(std::string_view latitude, std::string_view longitude, int line);
// Checks the degrees of an already computed position (the .pln's degrees, minutes, seconds).
common::LatLon CheckedPosition(double latitude, double longitude, int line);

// Adds a point, its ident and name cleaned; refused past kMaxPoints.
void AddPoint(Plan& plan, std::string_view ident, std::string_view name,
              std::optional<common::LatLon> position, WhyNoPosition why = WhyNoPosition::NotInFile);

}  // namespace ventrose::flightplan::detail
