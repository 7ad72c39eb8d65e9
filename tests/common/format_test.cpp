// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/format.h"

#include "common/tr.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace ventrose::common {
namespace {

struct FormatCase {
    const char* name;
    double value;
    const char* pattern;
    const char* expected;
};

class FormatDouble : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatDouble, Renders) {
    EXPECT_EQ(FormatNumber(GetParam().value, GetParam().pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatDouble,
    testing::Values(
        // A half goes away from zero, on the 15-digit form of the double.
        FormatCase{"HalfUp", 0.5, "0", "1"}, FormatCase{"NegativeHalfAway", -0.5, "0", "-1"},
        FormatCase{"TwoAndHalf", 2.5, "0", "3"}, FormatCase{"ThousandthTie", 0.125, "0.00", "0,13"},
        FormatCase{"SixtyNineSixtieths", 69.0 / 60, "0.0", "1,2"},
        FormatCase{"EightySevenSixtieths", 87.0 / 60, "0.0", "1,5"},
        FormatCase{"NinetyNineSixtieths", 99.0 / 60, "0.0", "1,7"},
        FormatCase{"SixtyOverEightHundred", 60.0 / 800, "0.00", "0,08"},
        FormatCase{"NoiseBeyondFifteenDigits", 0.1 + 0.2, "0.#################", "0,3"},
        FormatCase{"NegativeTie", -3.25, "0.0", "-3,3"},
        FormatCase{"TinyTie", 1.5e-7, "0.0000000", "0,0000002"},
        FormatCase{"CarryIntoNewDigit", 9.96, "0.0", "10,0"},
        FormatCase{"CarryDropsHashDecimals", 0.9995, "0.###", "1,"},
        // No minus sign on a value that rounds to zero.
        FormatCase{"NegativeRoundsToZero", -0.2, "0", "0"},
        FormatCase{"NegativeRoundsToZeroDecimals", -0.04, "0.0", "0,0"},
        FormatCase{"NegativeZero", -0.0, "0", "0"},
        FormatCase{"NegativeTinyValue", -1e-300, "0.00", "0,00"},
        // Integer section.
        FormatCase{"MoreDigitsThanPlaceholders", 1234, "### kts", "1234 kts"},
        FormatCase{"HashesWriteNoZero", 0, "### kts", " kts"},
        FormatCase{"HashesRoundedToZero", 0.4, "### kts", " kts"},
        FormatCase{"ZeroPlaceholderWritesZero", 0, "0 kts", "0 kts"},
        FormatCase{"ZeroPadding", 7, "000 °", "007 °"},
        FormatCase{"PaddingAfterCarry", 99.5, "000 °", "100 °"},
        FormatCase{"WiderThanPadding", 1000, "000 °", "1000 °"},
        FormatCase{"DigitsBetweenLiterals", 123, "0 0", "12 3"},
        FormatCase{"NoPlaceholderKeepsDigits", 5.25, ".00", "5,25"},
        FormatCase{"EmptyPattern", 5.5, "", "6"},
        FormatCase{"LargeValue", 1e15, "0", "1000000000000000"},
        FormatCase{"FifteenSignificantOnly", 123456789012345678.0, "0", "123456789012346000"},
        FormatCase{"HugeValue", 1e20, "### kts", "100000000000000000000 kts"},
        // Decimal section.
        FormatCase{"CommaWithoutDecimals", 3, "0.###", "3,"},
        FormatCase{"TwelveCommaOnly", 12, "0.###", "12,"},
        FormatCase{"OneHashDecimal", 3.1, "0.###", "3,1"},
        FormatCase{"InnerZeroKept", 1.05, "0.###", "1,05"},
        FormatCase{"OneThird", 1.0 / 3, "0.###", "0,333"},
        FormatCase{"TwoThirds", 2.0 / 3, "0.###", "0,667"},
        FormatCase{"ZeroDecimalsPadded", 1013.2, "0.00 Hpa", "1013,20 Hpa"},
        // The minus goes before any literal text.
        FormatCase{"MinusBeforeLiteral", -2, "+ 0 '", "-+ 2 '"},
        FormatCase{"MinusBeforeSpace", -7, " 0 NM", "- 7 NM"},
        FormatCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), "0.0", "???"},
        FormatCase{"Infinity", std::numeric_limits<double>::infinity(), "0", "???"},
        FormatCase{"NegativeInfinity", -std::numeric_limits<double>::infinity(), "0", "???"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(FormatNumber, EveryPatternOfTheProgram) {
    const struct {
        const char* pattern;
        const char* expected;
    } rows[] = {
        {"### kts", "7 kts"},     {"000 °", "007 °"},     {"0 °", "7 °"},
        {"0.0 °", "7,3 °"},       {"0 kts", "7 kts"},     {" 0 kts", " 7 kts"},
        {"0 Kts", "7 Kts"},       {"0 Km/h", "7 Km/h"},   {"0 NM", "7 NM"},
        {" 0 NM", " 7 NM"},       {"0.0 NM", "7,3 NM"},   {"0 mn", "7 mn"},
        {" 0 mn", " 7 mn"},       {" 0mn", " 7mn"},       {" 0 mn/h", " 7 mn/h"},
        {"0.0", "7,3"},           {"0.00", "7,25"},       {"0", "7"},
        {"0.###", "7,25"},        {"0 pieds", "7 pieds"}, {"0 mètres", "7 mètres"},
        {"0.00 Hpa", "7,25 Hpa"}, {"0 ft/mn", "7 ft/mn"}, {"0 '", "7 '"},
        {" 0 '", " 7 '"},         {"+ 0 '", "+ 7 '"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FormatNumber(7.25, row.pattern), row.expected) << row.pattern;
}

struct DecimalFormatCase {
    const char* name;
    const char* text;
    const char* pattern;
    const char* expected;
};

class FormatDecimal : public testing::TestWithParam<DecimalFormatCase> {};

TEST_P(FormatDecimal, Renders) {
    const auto value = Decimal::Parse(GetParam().text);
    ASSERT_TRUE(value);
    EXPECT_EQ(FormatNumber(*value, GetParam().pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatDecimal,
    testing::Values(
        // Exact values make real ties, which go away from zero.
        DecimalFormatCase{"ExactTie", "0,9265", "0.###", "0,927"},
        DecimalFormatCase{"HalfDegree", "0,5", "0", "1"},
        DecimalFormatCase{"NegativeHalfDegree", "-0,5", "0", "-1"},
        DecimalFormatCase{"JustBelowHalf", "0,4999999999999999999999999999", "0", "0"},
        DecimalFormatCase{"NegativeRoundsToZero", "-0,4", "0", "0"},
        DecimalFormatCase{"TwoDecimals", "18,53", "0.###", "18,53"},
        DecimalFormatCase{"WholeKeepsComma", "1524", "0.###", "1524,"},
        DecimalFormatCase{"Zero", "0", "0.###", "0,"},
        DecimalFormatCase{"TrailingZerosDropped", "7,50", "0.###", "7,5"},
        DecimalFormatCase{"Negative", "-40", "0", "-40"},
        DecimalFormatCase{"CarryIntoInteger", "9,9995", "0.###", "10,"},
        DecimalFormatCase{"SmallestDropsToZero", "0,0000000000000000000000000001", "0.###", "0,"},
        DecimalFormatCase{"Largest", "79228162514264337593543950335", "0",
                          "79228162514264337593543950335"},
        DecimalFormatCase{"AllDigitsRounded", "7,9228162514264337593543950335", "0.###", "7,923"}),
    [](const testing::TestParamInfo<DecimalFormatCase>& info) {
        return std::string(info.param.name);
    });

// A figure a person reads takes the language's decimal mark; the rounding and every other
// character are FormatNumber's.
TEST(FormatFigure, TheDecimalMarkOfTheLanguage) {
    EXPECT_EQ(FormatFigure(69.0 / 60.0, "0.0 NM"), "1,2 NM");
    SetCurrentLanguage(Language::English);
    EXPECT_EQ(FormatFigure(69.0 / 60.0, "0.0 NM"), "1.2 NM");
    EXPECT_EQ(FormatFigure(-0.004, "0.00"), "0.00");
    EXPECT_EQ(FormatFigure(120, "0 kts"), "120 kts");
    EXPECT_EQ(FormatNumber(0.5, "0.00"), "0,50") << "not the files' numbers";
    SetCurrentLanguage(Language::French);
}

TEST(FormatWhole, PlainDigits) {
    EXPECT_EQ(FormatWhole(0), "0");
    EXPECT_EQ(FormatWhole(1234), "1234");
    EXPECT_EQ(FormatWhole(-32768), "-32768");
    EXPECT_EQ(FormatWhole(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(RoundDecimals, RoundsLikeTheDisplay) {
    const struct {
        double value;
        int decimals;
        double expected;
    } rows[] = {
        {60.0 / 96, 2, 0.63}, {69.0 / 60, 1, 1.2},   {60.0 / 800, 2, 0.08}, {-3.25, 1, -3.3},
        {2.5, 0, 3},          {-0.2, 0, 0},          {1e-300, 2, 0},        {0.1 + 0.2, 20, 0.3},
        {1234.5, -1, 1230},   {DBL_MAX, 2, DBL_MAX},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RoundDecimals(row.value, row.decimals), row.expected)
            << row.value << " " << row.decimals;
    }
    EXPECT_TRUE(std::isnan(RoundDecimals(std::nan(""), 2)));
    // Whole numbers: just under a tie, the 15 digits make it one («147», not the double's 146),
    // and a small negative value gives 0, not -0.
    EXPECT_EQ(RoundDecimals(146.49999999999997, 0), 147);
    EXPECT_EQ(RoundDecimals(-146.49999999999997, 0), -147);
    EXPECT_FALSE(std::signbit(RoundDecimals(-0.2, 0)));
}

}  // namespace
}  // namespace ventrose::common
