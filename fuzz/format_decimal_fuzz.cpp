// SPDX-License-Identifier: GPL-3.0-or-later
// FormatNumber on exact decimals with each pattern the windows use: the text has the pattern's
// shape and shows exactly the value rounded half away from zero to the pattern's decimals.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "common/decimal.h"
#include "common/format.h"
#include "fuzz/check.h"
#include "fuzz/exact.h"
#include "tests/label_shape.h"

using namespace ventrose;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string_view pattern =
        testing::kProgramPatterns[in.ConsumeIntegralInRange<std::size_t>(
            0, std::size(testing::kProgramPatterns) - 1)];
    const bool negative = in.ConsumeBool();
    const int scale = in.ConsumeIntegralInRange(0, common::Decimal::kMaxScale);
    common::UInt128 coefficient =
        in.ConsumeBool() ? common::UInt128{in.ConsumeIntegralInRange<std::uint32_t>(0, 100000)}
                         : (common::UInt128{in.ConsumeIntegral<std::uint32_t>()} << 64) |
                               in.ConsumeIntegral<std::uint64_t>();
    const common::Decimal value = *common::Decimal::FromParts(negative, coefficient, scale);

    const std::string text = common::FormatNumber(value, pattern);
    const std::string what = std::string(pattern) + " | " + value.toString() + " | " + text;
    fuzz::Require(fuzz::IsValidUtf8(text), "the text is not valid UTF-8", what);
    const std::optional<testing::Reading> reading = testing::ReadByPattern(text, pattern);
    fuzz::Require(reading.has_value(), "the text does not have the pattern's shape", what);

    int decimals = 0;
    const std::size_t point = pattern.find('.');
    if (point != std::string_view::npos) {
        for (const char c : pattern.substr(point + 1)) decimals += c == '0' || c == '#';
    }
    const fuzz::Exact expected = fuzz::RoundHalfAway(fuzz::ExactOf(value), decimals);
    fuzz::Require(fuzz::Compare(fuzz::ExactOfText(reading->NumberText()), expected) == 0,
                  "the text is not the value rounded half away to the pattern's decimals", what);
    return 0;
}
