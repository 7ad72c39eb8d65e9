// SPDX-License-Identifier: GPL-3.0-or-later
// FormatNumber on doubles with each pattern the windows use: the text has the pattern's shape
// (valid UTF-8, its literals, ',' only for '.', no minus zero), its sign is the value's, it reads
// back within the pattern's rounding of the value, it is exactly the value's 15-significant-digit
// form (as the C library writes it) rounded half away from zero, and rounding first changes
// nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/format.h"
#include "common/numbers.h"
#include "fuzz/check.h"
#include "fuzz/exact.h"
#include "tests/label_shape.h"

using namespace ventrose;

namespace {

double TakeValue(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) {
        // Any bit pattern: subnormals, huge values, NaNs, infinities.
        std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // A few decimals over a power of ten: where the halves and the doubles just below them are.
    const auto whole = in.ConsumeIntegral<std::int32_t>();
    const int power = in.ConsumeIntegralInRange(0, 6);
    return whole / std::pow(10.0, power);
}

// The value written with 15 significant digits by printf, nearest: the decimal form that the
// display rounds.
fuzz::Exact FifteenDigits(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    fuzz::Exact x;
    x.negative = value < 0;
    x.magnitude = fuzz::Trim(std::string(1, text[0]) + std::string(text + 2, 14));
    x.scale = 14 - std::atoi(std::strchr(text, 'e') + 1);
    return x;
}

int DecimalPlaceholders(std::string_view pattern) {
    const std::size_t point = pattern.find('.');
    if (point == std::string_view::npos) return 0;
    int n = 0;
    for (const char c : pattern.substr(point + 1)) n += c == '0' || c == '#';
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string_view pattern =
        testing::kProgramPatterns[in.ConsumeIntegralInRange<std::size_t>(
            0, std::size(testing::kProgramPatterns) - 1)];
    const double value = TakeValue(in);
    const std::string text = common::FormatNumber(value, pattern);
    const std::string what = std::string(pattern) + " | " + text;

    if (!std::isfinite(value)) {
        fuzz::Require(text == "???", "a value that is not finite is not shown as ???", what);
        return 0;
    }
    fuzz::Require(fuzz::IsValidUtf8(text), "the text is not valid UTF-8", what);
    const std::optional<testing::Reading> reading = testing::ReadByPattern(text, pattern);
    fuzz::Require(reading.has_value(), "the text does not have the pattern's shape", what);
    fuzz::Require(!reading->negative || value < 0, "a minus sign on a value that is not negative",
                  what);

    const int decimals = DecimalPlaceholders(pattern);
    const std::string number = reading->NumberText();
    long double back = 0;
    if (const std::optional<double> parsed = common::ParseNumber(number)) {
        back = *parsed;
    } else {
        // Only the 15-digit form of a value next to the largest double lies beyond it.
        fuzz::Require(std::fabs(value) > 1e308, "the shown number does not read back", what);
        std::string c = number;
        for (char& ch : c) {
            if (ch == ',') ch = '.';
        }
        back = std::strtold(c.c_str(), nullptr);
    }
    // Half a unit of the last shown decimal, and the 15 significant digits that a double is
    // first written with.
    const long double tolerance =
        0.5L * std::pow(10.0L, -decimals) * (1 + 1e-12L) + std::fabs(value) * 1e-14L;
    fuzz::Require(std::fabs(back - static_cast<long double>(value)) <= tolerance,
                  "the shown number is further from the value than the pattern rounds", what);

    fuzz::Require(fuzz::Compare(fuzz::ExactOfText(number),
                                fuzz::RoundHalfAway(FifteenDigits(value), decimals)) == 0,
                  "the text is not the 15-digit form rounded half away to the pattern's decimals",
                  what);

    fuzz::Require(common::FormatNumber(common::RoundDecimals(value, decimals), pattern) == text,
                  "a value rounded as shown is shown differently", what);
    return 0;
}
