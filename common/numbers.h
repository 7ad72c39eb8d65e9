// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/tr.h"

namespace ventrose::common {

// Round to the nearest whole number, a tie going to the even neighbour (2.5 gives 2, 3.5 gives
// 4). The double itself is rounded, not a decimal form of it. Nullopt when the rounded value
// does not fit the type, or for NaN: each caller decides what a value that does not fit means.
std::optional<std::int16_t> ToInteger16(double value);
std::optional<std::int32_t> ToInteger32(double value);

double Truncate(double value);  // toward zero: -3.7 gives -3
double Floor(double value);     // greatest whole number not above: -3.2 gives -4
double Abs(double value);

// Reads a number typed in a text box: an optional leading '-', digits and at most one decimal
// mark (the current language's, common::DecimalMark()), with at least one digit. Nullopt on
// anything else («», «,», «-», «1,2,3», «5-3», «5-», letters) and on a value too large for a finite
// double.
std::optional<double> ParseNumber(std::string_view text);

// A typed number carried over to another language's decimal mark when the language changes:
// «12,5» typed in French reads «12.5» in English. Any text that is not a number in `from`'s mark
// («», «-», «12,5» already in English's) comes back as it is.
std::string RetypeNumber(std::string_view text, Language from, Language to);

}  // namespace ventrose::common
