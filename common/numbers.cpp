// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "common/number_text.h"

namespace ventrose::common {

namespace {

double RoundHalfEven(double value) {
    const double whole = std::trunc(value);
    const double fraction = value - whole;  // exact: no bit of the value is lost
    if (std::fabs(fraction) != 0.5) return std::round(value);
    if (std::fmod(whole, 2.0) == 0) return whole;
    return whole + (value < 0 ? -1.0 : 1.0);
}

// The range is checked on the double: converting one that does not fit is undefined.
template <typename Integer>
std::optional<Integer> ToInteger(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Integer>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Integer>::max())) {
        return std::nullopt;
    }
    return static_cast<Integer>(rounded);
}

}  // namespace

std::optional<std::int16_t> ToInteger16(double value) { return ToInteger<std::int16_t>(value); }
std::optional<std::int32_t> ToInteger32(double value) { return ToInteger<std::int32_t>(value); }

double Truncate(double value) { return std::trunc(value); }
double Floor(double value) { return std::floor(value); }
double Abs(double value) { return std::fabs(value); }

std::optional<double> ParseNumber(std::string_view text) {
    const char mark = DecimalMark();
    if (!detail::IsNumberText(text, mark)) return std::nullopt;
    // std::from_chars ignores the locale but wants '.', so the text is copied with the mark
    // replaced; a local buffer covers anything typed by hand.
    char local[64];
    std::string heap;
    char* buffer = local;
    if (text.size() > sizeof local) {
        heap.resize(text.size());
        buffer = heap.data();
    }
    bool integerPartZero = true;
    bool inFraction = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == mark) inFraction = true;
        if (!inFraction && c >= '1' && c <= '9') integerPartZero = false;
        buffer[i] = c == mark ? '.' : c;
    }
    double value = 0;
    const auto read = std::from_chars(buffer, buffer + text.size(), value);
    if (read.ec == std::errc::result_out_of_range && integerPartZero) {
        // Below the smallest double (hundreds of decimal zeros): that is zero, not an error.
        return text[0] == '-' ? -0.0 : 0.0;
    }
    if (read.ec != std::errc{} || read.ptr != buffer + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string RetypeNumber(std::string_view text, Language from, Language to) {
    std::string retyped(text);
    if (!detail::IsNumberText(text, DecimalMark(from))) return retyped;
    for (char& c : retyped)
        if (c == DecimalMark(from)) c = DecimalMark(to);
    return retyped;
}

}  // namespace ventrose::common
