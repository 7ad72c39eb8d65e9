// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/decimal.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace ventrose::common {
namespace {

const char* const kMax = "79228162514264337593543950335";

Decimal D(const char* text) {
    const auto value = Decimal::Parse(text);
    EXPECT_TRUE(value) << text;
    return value.value_or(Decimal{});
}

TEST(DecimalParse, ReadsExactly) {
    const struct {
        const char* text;
        const char* expected;
    } rows[] = {
        {"10", "10"},
        {"18,53", "18.53"},
        {"9,988", "9.988"},
        {"1000", "1000"},
        {"304,8", "304.8"},
        {"5000", "5000"},
        {"120", "120"},
        {"222,36", "222.36"},
        {"0,5", "0.5"},
        {"100", "100"},
        {"-40", "-40"},
        {"0", "0"},
        {"32,9", "32.9"},
        {"37,5", "37.5"},
        {"7,50", "7.50"},
        {",5", "0.5"},
        {"7,", "7"},
        {"007", "7"},
        {"-0", "0"},
        {"-,05", "-0.05"},
        {"-0,00", "0.00"},
        {kMax, kMax},
        {"0000000000000000000000000000001", "1"},
        {"0,0000000000000000000000000001", "0.0000000000000000000000000001"},
        // Trailing zeros that do not fit are dropped, which is exact.
        {"1,5000000000000000000000000000000", "1.5000000000000000000000000000"},
        {"7922816251426433759354395033,50", "7922816251426433759354395033.5"},
    };
    for (const auto& row : rows) {
        const auto value = Decimal::Parse(row.text);
        ASSERT_TRUE(value) << row.text;
        EXPECT_EQ(value->toString(), row.expected);
    }
}

TEST(DecimalParse, RejectsWhatIsNoDecimal) {
    const std::string rows[] = {
        "",
        ",",
        "-",
        "-,",
        "1,2,3",
        "5-3",
        "5-",
        "+5",
        " 5",
        "5 ",
        "1.5",
        "1e5",
        "a",
        std::string("5\0", 2),
        "\xC3\xA9",
        "79228162514264337593543950336",  // 2^96
        "-79228162514264337593543950336",
        "100000000000000000000000000000",   // 10^29
        "0,00000000000000000000000000001",  // 29 decimals
        "7922816251426433759354395033,51",  // fits the scale, not the coefficient
    };
    for (const auto& text : rows) EXPECT_EQ(Decimal::Parse(text), std::nullopt) << text;
}

using Operation = std::optional<Decimal> (*)(const Decimal&, const Decimal&);

struct ArithmeticCase {
    const char* name;
    Operation operation;
    const char* a;
    const char* b;
    const char* expected;  // nullptr: no result
};

class DecimalArithmetic : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(DecimalArithmetic, GivesExactDigits) {
    const auto& row = GetParam();
    const auto result = row.operation(D(row.a), D(row.b));
    if (row.expected == nullptr) {
        EXPECT_EQ(result, std::nullopt) << result.value_or(Decimal{}).toString();
        return;
    }
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, D(row.expected)) << result->toString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecimalArithmetic,
    testing::Values(
        // The conversion chains: every product exact.
        ArithmeticCase{"NauticalMiles", Multiply, "10", "1,853", "18,53"},
        ArithmeticCase{"BackToMiles", Multiply, "18,53", "0,539", "9,98767"},
        ArithmeticCase{"AgainToKilometres", Multiply, "9,988", "1,853", "18,507764"},
        ArithmeticCase{"FeetToMetres", Multiply, "1000", "0,3048", "304,8"},
        ArithmeticCase{"MetresToFeet", Multiply, "304,8", "3,28", "999,744"},
        ArithmeticCase{"Knots", Multiply, "120", "1,853", "222,36"},
        ArithmeticCase{"BackToKnots", Multiply, "222,36", "0,539", "119,85204"},
        ArithmeticCase{"HalfKnot", Multiply, "0,5", "1,853", "0,9265"},
        ArithmeticCase{"CelsiusTimesFactor", Multiply, "38", "1,8", "68,4"},
        ArithmeticCase{"PlusThirtyTwo", Add, "68,4", "32", "100,4"},
        ArithmeticCase{"HalfDegreeTimesFactor", Multiply, "37,5", "1,8", "67,5"},
        ArithmeticCase{"GallonsToLitres", Multiply, "10", "3,785", "37,85"},
        ArithmeticCase{"LitresToKilograms", Multiply, "37,85", "0,81", "30,6585"},
        ArithmeticCase{"KilogramsToPounds", Multiply, "30,659", "2,182", "66,897938"},
        ArithmeticCase{"PoundsToGallons", Multiply, "66,898", "0,1491", "9,9744918"},
        ArithmeticCase{"RoundTrip", Multiply, "3,785", "0,264", "0,99924"},
        ArithmeticCase{"WeightRoundTrip", Multiply, "6,698", "0,1491", "0,9986718"},
        ArithmeticCase{"MinusThirtyTwo", Subtract, "100", "32", "68"},
        ArithmeticCase{"DecimalMinusThirtyTwo", Subtract, "32,9", "32", "0,9"},
        ArithmeticCase{"BelowZero", Subtract, "-40", "32", "-72"},
        ArithmeticCase{"DifferenceChangesSign", Subtract, "0,1", "0,3", "-0,2"},
        ArithmeticCase{"Cancels", Add, "-1,5", "1,5", "0"},
        ArithmeticCase{"SignsMultiply", Multiply, "-2", "-3", "6"},
        ArithmeticCase{"NegativeProduct", Multiply, "-2", "3,5", "-7"},
        // Quotients: rounded to as many digits as 96 bits hold, exact ones untouched.
        ArithmeticCase{"FahrenheitToCelsius", Divide, "340", "9", "37,777777777777777777777777778"},
        ArithmeticCase{"ExactHalfDegree", Divide, "4,5", "9", "0,5"},
        ArithmeticCase{"MinusForty", Divide, "-360", "9", "-40"},
        ArithmeticCase{"OneThird", Divide, "1", "3", "0,3333333333333333333333333333"},
        ArithmeticCase{"TwoThirdsRoundUp", Divide, "2", "3", "0,6666666666666666666666666667"},
        ArithmeticCase{"TenThirds", Divide, "10", "3", "3,3333333333333333333333333333"},
        ArithmeticCase{"NegativeScale", Divide, "1", "0,001", "1000"},
        ArithmeticCase{"BelowSmallest", Divide, "1", kMax, "0"},
        ArithmeticCase{"DivideByZero", Divide, "1", "0", nullptr},
        ArithmeticCase{"QuotientTooLarge", Divide, kMax, "0,1", nullptr},
        // Beyond 96 bits: fewer decimals, a half away from zero, nothing when the integer part
        // does not fit.
        ArithmeticCase{"LargestStays", Add, kMax, "0", kMax},
        ArithmeticCase{"FractionDropped", Add, kMax, "0,4", kMax},
        ArithmeticCase{"SumOverflows", Add, kMax, "0,5", nullptr},
        ArithmeticCase{"NegativeSumOverflows", Subtract, "-1", kMax, nullptr},
        ArithmeticCase{"ProductOverflows", Multiply, kMax, "2", nullptr},
        ArithmeticCase{"HalfOfLargest", Multiply, kMax, "0,5", "39614081257132168796771975168"},
        ArithmeticCase{"FullWidthProduct", Multiply, "7,9228162514264337593543950335",
                       "7,9228162514264337593543950335", "62,77101735386680763835789423"},
        ArithmeticCase{"TinyHalfRoundsAway", Multiply, "0,0000000000000000000000000001", "0,5",
                       "0,0000000000000000000000000001"},
        ArithmeticCase{"NoDoubleRounding", Multiply, "0,0000000000000000000000000001", "0,045",
                       "0"}),
    [](const testing::TestParamInfo<ArithmeticCase>& info) {
        return std::string(info.param.name);
    });

TEST(DecimalCompare, IsNumeric) {
    EXPECT_EQ(D("1,50"), D("1,5"));
    EXPECT_EQ(D("-0"), D("0"));
    EXPECT_LT(D("0,1"), D("0,2"));
    EXPECT_LT(D("-1"), D("0"));
    EXPECT_LT(D("-2"), D("-1"));
    EXPECT_GT(D("0,0000000000000000000000000001"), D("0"));
    EXPECT_GT(D(kMax), D("7,9228162514264337593543950335"));
    EXPECT_LT(D("79228162514264337593543950334"), D(kMax));
}

TEST(DecimalParts, ChecksLimits) {
    EXPECT_EQ(Decimal::FromParts(false, Decimal::kMaxCoefficient + 1, 0), std::nullopt);
    EXPECT_EQ(Decimal::FromParts(false, 1, 29), std::nullopt);
    EXPECT_EQ(Decimal::FromParts(false, 1, -1), std::nullopt);
    EXPECT_FALSE(Decimal::FromParts(true, 0, 2)->negative());
    EXPECT_EQ(Decimal::FromParts(true, 150, 2)->toString(), "-1.50");
    EXPECT_EQ(Decimal::FromParts(true, 5, 2)->toString(), "-0.05");
    EXPECT_EQ(Decimal::FromInteger(std::numeric_limits<std::int64_t>::min()).toString(),
              "-9223372036854775808");
}

}  // namespace
}  // namespace ventrose::common
