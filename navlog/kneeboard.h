// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "common/print_job.h"
#include "navlog/calcullog.h"
#include "navlog/lognav.h"

namespace ventrose::navlog {

// The printed log: kneeboard pages of kEtapesParPage legs each, with column headers in the
// current language (French, or the pilots' English of translations/GLOSSARY.md), the origin
// and the log's data, the totals, and blank columns for the actual times; when the log shows
// them (LogNav::exactTriangle), the exact triangle's heading and ground speed beside the
// method's. Each page is headed «Log de navigation — NAME» («Navigation log — NAME») after the
// log's file name, or the heading alone for a log never saved (`name` empty); the job takes the
// file's name, or that heading, as its title. Figures take the language's decimal mark.
inline constexpr int kEtapesParPage = 20;

common::PrintJob PagesKneeboard(const LogNav& log, const ResultatLog& resultat,
                                std::string_view name);

}  // namespace ventrose::navlog
