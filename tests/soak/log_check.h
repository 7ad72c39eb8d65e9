// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "tests/runner/driver.h"
#include "tests/soak/failure.h"

namespace ventrose::soak {

// The log window's promise: every figure it shows is CalculLog of the log it holds, and every
// box reads as that log's value (or, for Vp and the times, as a text still on its way to one).
Check CheckLog(scenario::Driver& driver);

// The log window's own messages: a range («Rm : de 0 à 360»), a full log, a printer the
// application has not, a flight plan refused or a file not read.
bool IsLogMessage(const std::string& prompt);
// What an import left out or cut, told after it.
bool IsImportNotice(const platform::MessageBoxRequest& box);

}  // namespace ventrose::soak
