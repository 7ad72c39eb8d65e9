// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/digits.h"
#include "common/tr.h"

namespace ventrose::common {

namespace {

using detail::DigitString;

bool IsPlaceholder(char c) { return c == '0' || c == '#'; }

// How many decimals a pattern shows: its placeholders after the first '.'.
int DecimalPlaces(std::string_view pattern) {
    const std::size_t point = pattern.find('.');
    if (point == std::string_view::npos) return 0;
    int decimals = 0;
    for (const char c : pattern.substr(point + 1)) decimals += IsPlaceholder(c);
    return decimals;
}

std::string Render(DigitString number, std::string_view pattern, char decimalMark = ',') {
    const std::size_t point = pattern.find('.');
    const bool hasDecimals = point != std::string_view::npos;
    const std::string_view integerSection = pattern.substr(0, point);
    const std::string_view decimalSection =
        hasDecimals ? pattern.substr(point + 1) : std::string_view{};

    int integerPlaceholders = 0;
    int integerZeros = 0;
    for (const char c : integerSection) {
        integerPlaceholders += IsPlaceholder(c);
        integerZeros += c == '0';
    }
    int decimals = 0;
    int lastZeroPlaceholder = 0;  // 1-based position in the decimal section, 0 when none
    for (const char c : decimalSection) {
        if (!IsPlaceholder(c)) continue;
        ++decimals;
        if (c == '0') lastZeroPlaceholder = decimals;
    }

    detail::RoundHalfAway(number, decimals);

    // The integer text: every digit of the integer part, left-padded with zeros to the number of
    // '0' placeholders; empty for a zero integer part and '#' placeholders only.
    const int integerDigits = std::max(number.count - number.scale, 0);
    const int width = std::max(integerZeros, integerDigits);
    const int padding = width - integerDigits;
    const auto integerChar = [&](int i) {
        const int d = i - padding;
        return d < 0 || d >= number.count ? '0' : number.digits[d];
    };
    const auto decimalChar = [&](int position) {
        const int d = number.count - number.scale + position - 1;
        return d < 0 || d >= number.count ? '0' : number.digits[d];
    };
    // A '#' decimal is written when a later decimal is: trailing zeros go, inner ones stay.
    int lastWritten = lastZeroPlaceholder;
    for (int position = decimals; position > lastZeroPlaceholder; --position) {
        if (decimalChar(position) != '0') {
            lastWritten = position;
            break;
        }
    }

    std::string out;
    out.reserve(pattern.size() + static_cast<std::size_t>(width) + 1);
    if (number.negative) out.push_back('-');
    // Placeholders take the integer text from the right; the first one takes whatever is left,
    // so no digit is ever lost to a short pattern.
    int placeholder = 0;
    int next = 0;
    for (const char c : integerSection) {
        if (!IsPlaceholder(c)) {
            out.push_back(c);
            continue;
        }
        const int end = width - (integerPlaceholders - 1 - placeholder++);
        for (; next < end; ++next) out.push_back(integerChar(next));
    }
    for (; next < width; ++next) out.push_back(integerChar(next));  // pattern without placeholder

    if (hasDecimals) {
        out.push_back(decimalMark);
        int position = 0;
        for (const char c : decimalSection) {
            if (!IsPlaceholder(c)) {
                out.push_back(c);
            } else if (++position <= lastWritten) {
                out.push_back(decimalChar(position));
            }
        }
    }
    return out;
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return "???";
    return Render(detail::RoundedDigitsOf(value, DecimalPlaces(pattern)), pattern);
}

std::string FormatFigure(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return "???";
    return Render(detail::RoundedDigitsOf(value, DecimalPlaces(pattern)), pattern, DecimalMark());
}

std::string FormatNumber(const Decimal& value, std::string_view pattern) {
    return Render(detail::DigitsOf(value), pattern);
}

std::string FormatFigure(const Decimal& value, std::string_view pattern) {
    return Render(detail::DigitsOf(value), pattern, DecimalMark());
}

std::string FormatWhole(std::int64_t value) {
    char text[24];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

double RoundDecimals(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    // Whole numbers, the commonest, without writing the digits: below a million the 15 significant
    // digits keep eight decimals, so only a value within 1e-6 of a half can round otherwise than
    // the double itself does. (+ 0.0 makes the -0 of a small negative value 0.)
    if (decimals == 0 && std::fabs(value) < 1e6) {
        const double fraction = std::fabs(value - std::trunc(value));
        if (std::fabs(fraction - 0.5) > 1e-6) return std::round(value) + 0.0;
    }
    const DigitString number = detail::RoundedDigitsOf(value, decimals);
    if (number.isZero()) return 0.0;
    // "[-]digitsE-scale", read back as the nearest double.
    char text[DigitString::kCapacity + 16];
    char* out = text;
    if (number.negative) *out++ = '-';
    out = std::copy(number.digits, number.digits + number.count, out);
    *out++ = 'e';
    out = std::to_chars(out, text + sizeof text, -number.scale).ptr;
    double result = 0;
    const auto read = std::from_chars(text, out, result);
    // Only the 15-digit form of a value next to the largest double can fall beyond it: the
    // value itself is then the nearest.
    return read.ec == std::errc{} ? result : value;
}

}  // namespace ventrose::common
