// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "navlog/calcullog.h"
#include "navlog/lognav.h"

namespace ventrose::navlog {

// The log as a CSV text for spreadsheets in the current language (common::CurrentLanguage()).
// In French, for French spreadsheets (LibreOffice Calc, Excel in a French locale): ';' between
// fields and numbers with a decimal comma; in English ',' between fields and the decimal point.
// Both: UTF-8 with a byte order mark (Excel reads a CSV without one in the machine's code page,
// and LibreOffice skips it), CRLF line ends (the last line too). A header row of column names
// with their units (French, or the pilots' English of translations/GLOSSARY.md), one row per
// leg, then a "Total" row (distance, times without and with wind, fuel used, fuel at arrival).
// A log with an origin gives it a row of its own under the header, its name alone, where the
// route starts.
//
// The figures are those the window shows, without their unit, which is in the column's name:
// «095 °» is 095, «102 kts» is 102, «12,5» stays 12,5 (12.5 in English). A figure that cannot be
// counted stays «X», a time with wind too long for the main window «> 32767»; an actual time or
// a ground speed made good that the leg does not have is an empty field, and so is "Sous la
// réserve" when the fuel remaining is not below the reserve ("oui" when it is, "yes" in
// English). When the log shows the exact triangle (LogNav::exactTriangle), "Cap exact (°)" and
// "Vs exacte (kt)" follow "Vs (kt)", each «X» where no heading holds the course.
//
// A field holding the separator, '"', CR or LF is quoted, its quotes doubled. A waypoint that
// starts with '=', '+', '-', '@', a tab or CR gets a leading apostrophe, so that no spreadsheet
// takes it for a formula. A course or a distance not given is an empty field. `resultat` must
// be CalculLog(log).
std::string ExportCsv(const LogNav& log, const ResultatLog& resultat);

}  // namespace ventrose::navlog
