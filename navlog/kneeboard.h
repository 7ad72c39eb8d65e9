// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "common/print_job.h"
#include "navlog/calcullog.h"
#include "navlog/lognav.h"

namespace ventrose::navlog {

// The printed log: kneeboard pages of kEtapesParPage legs each, with French column headers,
// the log's data and totals, and blank columns for the actual times; when the log shows them
// (LogNav::exactTriangle), the exact triangle's heading and ground speed beside the method's.
inline constexpr int kEtapesParPage = 20;

common::PrintJob PagesKneeboard(const LogNav& log, const ResultatLog& resultat,
                                std::string_view title);

}  // namespace ventrose::navlog
