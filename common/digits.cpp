// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace ventrose::common::detail {

namespace {

constexpr std::uint64_t kTen19 = 10'000'000'000'000'000'000ULL;

void DropTrailingZeros(DigitString& number) {
    while (number.count > 1 && number.digits[number.count - 1] == '0') {
        --number.count;
        --number.scale;
    }
}

}  // namespace

DigitString DigitsOf(double value) {
    DigitString number;
    const double magnitude = std::fabs(value);
    if (magnitude < 1e15 && magnitude == std::trunc(magnitude)) {
        // A whole number of at most 15 digits is its own 15-digit form; scroll-bar values and
        // rounded results are mostly such, and this skips the costlier general conversion.
        if (magnitude == 0) return number;
        number.negative = value < 0;
        const auto written = std::to_chars(number.digits, number.digits + DigitString::kCapacity,
                                           static_cast<std::uint64_t>(magnitude));
        number.count = static_cast<int>(written.ptr - number.digits);
        DropTrailingZeros(number);
        return number;
    }
    // "d.ddddddddddddddde±XXX": 15 significant digits, whatever the locale.
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14);
    number.negative = value < 0;
    number.digits[0] = text[0];
    std::memcpy(number.digits + 1, text + 2, 14);
    number.count = 15;
    const char* p = text + 17;  // the exponent's sign
    const bool negativeExponent = *p++ == '-';
    int exponent = 0;
    for (; p < written.ptr; ++p) exponent = exponent * 10 + (*p - '0');
    number.scale = 14 - (negativeExponent ? -exponent : exponent);
    DropTrailingZeros(number);
    return number;
}

DigitString DigitsOf(const Decimal& value) {
    DigitString number;
    if (value.isZero()) return number;
    number.negative = value.negative();
    number.scale = value.scale();
    const UInt128 coefficient = value.coefficient();
    char* out = number.digits;
    if (coefficient >> 64 == 0) {
        out = std::to_chars(out, out + DigitString::kCapacity,
                            static_cast<std::uint64_t>(coefficient))
                  .ptr;
    } else {
        // 96 bits fit in ten digits above nineteen: two 64-bit conversions instead of 29
        // 128-bit divisions.
        const auto high = static_cast<std::uint64_t>(coefficient / kTen19);
        auto low = static_cast<std::uint64_t>(coefficient % kTen19);
        out = std::to_chars(out, out + DigitString::kCapacity, high).ptr;
        for (int i = 18; i >= 0; --i) {
            out[i] = static_cast<char>('0' + low % 10);
            low /= 10;
        }
        out += 19;
    }
    number.count = static_cast<int>(out - number.digits);
    return number;
}

DigitString RoundedDigitsOf(double value, int decimals) {
    static constexpr double kPowers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double magnitude = std::fabs(value);
    if (decimals >= 0 && decimals <= 6 && magnitude < 1e9) {
        const double scaled = magnitude * kPowers[decimals];
        const double whole = std::floor(scaled);
        // The 15-digit form lies within 5e-15 of the value, relatively, and the product adds an
        // ulp: a margin well above both around the half keeps every doubtful case on the exact
        // path.
        const double margin = scaled * 1e-13 + 1e-12;
        if (std::fabs(scaled - whole - 0.5) > margin) {
            DigitString number;
            const auto rounded =
                static_cast<std::uint64_t>(scaled - whole > 0.5 ? whole + 1 : whole);
            if (rounded == 0) return number;
            number.negative = value < 0;
            number.scale = decimals;
            const auto written =
                std::to_chars(number.digits, number.digits + DigitString::kCapacity, rounded);
            number.count = static_cast<int>(written.ptr - number.digits);
            DropTrailingZeros(number);
            return number;
        }
    }
    DigitString number = DigitsOf(value);
    RoundHalfAway(number, decimals);
    return number;
}

void RoundHalfAway(DigitString& number, int decimals) {
    // Far beyond any scale a double or a Decimal has: keeps the arithmetic below from overflowing.
    decimals = std::clamp(decimals, -1000, 1000);
    if (number.isZero() || number.scale <= decimals) return;
    const int drop = number.scale - decimals;
    number.scale = decimals;
    if (drop > number.count) {
        number.count = 0;
        number.negative = false;
        return;
    }
    const int keep = number.count - drop;
    // The value is exact here, so the first dropped digit alone decides: 5 and above is a half
    // or more and goes away from zero.
    const bool up = number.digits[keep] >= '5';
    number.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && number.digits[i] == '9') number.digits[i--] = '0';
        if (i >= 0) {
            ++number.digits[i];
        } else {
            std::memmove(number.digits + 1, number.digits, static_cast<std::size_t>(keep));
            number.digits[0] = '1';
            ++number.count;
        }
    }
    if (number.count == 0) number.negative = false;
}

}  // namespace ventrose::common::detail
