// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/decimal.h"

namespace ventrose::common {

// Renders a number by a format pattern such as "### kts", "000 °", "0.00" or "0.###".
// The pattern splits at its first '.': '0' and '#' are digit placeholders, every other
// character is literal text copied where it stands. The value is rounded to as many decimals
// as the decimal section has placeholders, a half going away from zero; a double is first
// written with 15 significant digits and that decimal form is rounded, so 69/60 (just below
// 1.15) gives «1,2» with "0.0". The decimal separator is always ',' whatever the locale.
// All integer digits are written; '0' placeholders pad on the left; with only '#' placeholders
// a zero integer part writes no digit. A '#' decimal writes its digit only if it or a later one
// is not zero; the ',' is written whenever the pattern has a '.'. A value that is negative after
// rounding gets a '-' before the whole text; one that rounds to zero gets none («0», not «-0»).
// Not-a-number and infinities never reach a label: they render as "???".
std::string FormatNumber(double value, std::string_view pattern);
std::string FormatNumber(const Decimal& value, std::string_view pattern);

// FormatNumber with the decimal mark of the current language (common::DecimalMark(): ',' in
// French, '.' in English), for a figure a person reads. Files keep FormatNumber's ','.
std::string FormatFigure(double value, std::string_view pattern);
std::string FormatFigure(const Decimal& value, std::string_view pattern);

// A whole number without pattern: plain digits, '-' when negative, no leading zeros.
std::string FormatWhole(std::int64_t value);

// The value rounded to `decimals` decimals exactly as FormatNumber rounds it (15 significant
// digits first, then a half away from zero), read back as the nearest double. The base factors
// and the sine and cosine of the wind angle are kept in this rounded form.
double RoundDecimals(double value, int decimals);

}  // namespace ventrose::common
