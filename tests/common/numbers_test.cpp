// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace ventrose::common {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(ToInteger16, TiesGoToEvenAndRangeIsChecked) {
    const struct {
        double value;
        std::optional<std::int16_t> expected;
    } rows[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {2.4999999999999996, 2},
        {0.49999999999999994, 0},
        {-7.6, -8},
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {-32768.5, -32768},
        {-32768.6, std::nullopt},
        {4503599627370497.0, std::nullopt},
        {1e300, std::nullopt},
        {kNaN, std::nullopt},
        {kInfinity, std::nullopt},
        {-kInfinity, std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(ToInteger16(row.value), row.expected) << row.value;
}

TEST(ToInteger32, RangeIsCheckedAfterRounding) {
    const struct {
        double value;
        std::optional<std::int32_t> expected;
    } rows[] = {
        {2147483647.4, 2147483647},    {2147483647.5, std::nullopt},
        {2147483646.5, 2147483646},    {-2147483648.5, -2147483647 - 1},
        {-2147483649.0, std::nullopt}, {1e10, std::nullopt},
        {kNaN, std::nullopt},          {40000.5, 40000},
    };
    for (const auto& row : rows) EXPECT_EQ(ToInteger32(row.value), row.expected) << row.value;
}

TEST(WholeParts, DirectionOfEachRule) {
    EXPECT_EQ(Truncate(-3.7), -3);
    EXPECT_EQ(Truncate(3.7), 3);
    EXPECT_EQ(Floor(-3.2), -4);
    EXPECT_EQ(Floor(3.7), 3);
    EXPECT_EQ(Abs(-2.5), 2.5);
}

TEST(ParseNumber, ReadsTypedNumbers) {
    const struct {
        std::string text;
        double expected;
    } rows[] = {
        {"12,5", 12.5},
        {",5", 0.5},
        {"7,", 7},
        {"007", 7},
        {"-40", -40},
        {"-,5", -0.5},
        {"0", 0},
        {"0,1", 0.1},
        {"0," + std::string(400, '0') + "1", 0},
        {std::string(308, '9'), 1e308},
    };
    for (const auto& row : rows) EXPECT_EQ(ParseNumber(row.text), row.expected) << row.text;
}

TEST(ParseNumber, RejectsEverythingElse) {
    const std::string rows[] = {
        "",
        ",",
        "-",
        "-,",
        "1,2,3",
        "5-3",
        "5-",
        "+5",
        "--5",
        " 5",
        "5 ",
        "1.5",
        ".",
        "1e5",
        "0x10",
        "inf",
        "nan",
        "a",
        "5a",
        std::string("5\0", 2),
        "\xC3\xA9",
        "\xFF",
        std::string(400, '9'),
    };
    for (const auto& text : rows) EXPECT_EQ(ParseNumber(text), std::nullopt) << text;
}

// In English the point is the mark and the comma is refused, as the point is in French; a typed
// number follows a change of language, anything else stays as it is.
TEST(ParseNumber, TakesTheCurrentLanguagesMark) {
    SetCurrentLanguage(Language::English);
    EXPECT_EQ(ParseNumber("-12.5"), -12.5);
    EXPECT_EQ(ParseNumber("12,5"), std::nullopt);
    SetCurrentLanguage(Language::French);
    const struct {
        std::string text;
        Language from, to;
        std::string expected;
    } rows[] = {
        {"-12,5", Language::French, Language::English, "-12.5"},
        {"12.5", Language::English, Language::French, "12,5"},
        {"12.5", Language::French, Language::English, "12.5"},
        {"1,2,3", Language::French, Language::English, "1,2,3"},
        {"12,5", Language::French, Language::French, "12,5"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RetypeNumber(row.text, row.from, row.to), row.expected) << row.text;
}

}  // namespace
}  // namespace ventrose::common
