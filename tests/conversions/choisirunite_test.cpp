// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions/choisirunite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ventrose::conversions {
namespace {

using Outcome = UnitChange::Outcome;

common::Decimal D(const char* text) { return common::Decimal::Parse(text).value(); }

TEST(LireDecimal, ReadsTheNumberTheTextDenotes) {
    const struct {
        const char* text;
        const char* value;
    } rows[] = {
        {"12,5", "12.5"}, {",5", "0.5"},  {"7,", "7"},      {"007", "7"},
        {"-40", "-40"},   {"0,1", "0.1"}, {"7,50", "7.50"},
    };
    for (const auto& row : rows) {
        const auto read = LireDecimal(row.text);
        ASSERT_TRUE(read) << row.text;
        EXPECT_EQ(read->toString(), row.value) << row.text;
    }
}

TEST(LireDecimal, FailsOnTextsThatDenoteNoNumber) {
    for (const char* text : {"", ",", "-", "1,2,3", "5-3", "5-", "--5", "abc", "1 000", "1.5",
                             "792281625142643375935439503350"}) {
        EXPECT_FALSE(LireDecimal(text)) << text;
    }
}

struct Step {
    Unit unit;
    const char* text;  // the box's text when the option becomes selected
    Outcome outcome;
    const char* expected;  // the box's new text, for NewText
};

struct Sequence {
    const char* name;
    std::vector<Step> steps;
};

constexpr Outcome kNew = Outcome::NewText;

// Every step starts from the previous step's state; a sequence starts from the initial state.
const Sequence kSequences[] = {
    {"DistanceDriftsBackAndForth",
     {{Unit::Kms, "10", kNew, "18,53"},
      {Unit::NM, "18,53", kNew, "9,988"},
      {Unit::Kms, "9,988", kNew, "18,508"}}},
    {"AltitudeRoundTrip",
     {{Unit::Metres, "1000", kNew, "304,8"}, {Unit::Pieds, "304,8", kNew, "999,744"}}},
    {"AltitudeWholeResultKeepsItsComma", {{Unit::Metres, "5000", kNew, "1524,"}}},
    {"SpeedRoundTrip",
     {{Unit::Kmh, "120", kNew, "222,36"}, {Unit::Noeuds, "222,36", kNew, "119,852"}}},
    {"SpeedHalfKnotIsAnExactTie", {{Unit::Kmh, "0,5", kNew, "0,927"}}},
    {"TemperatureRoundTrip", {{Unit::Celsius, "100", kNew, "38"}, {Unit::Fahr, "38", kNew, "100"}}},
    {"MinusFortyBothWays", {{Unit::Celsius, "-40", kNew, "-40"}, {Unit::Fahr, "-40", kNew, "-40"}}},
    {"ZeroFahrenheit", {{Unit::Celsius, "0", kNew, "-18"}}},
    {"FahrenheitTieHalfDegreeGoesUp", {{Unit::Celsius, "32,9", kNew, "1"}}},
    {"CelsiusTieGoesUp", {{Unit::Fahr, "37,5", kNew, "100"}}},
    {"FuelChainFromTenGallons",
     {{Unit::Litres, "10", kNew, "37,85"},
      {Unit::Kilo, "37,85", kNew, "30,659"},
      {Unit::Lbs, "30,659", kNew, "66,898"},
      {Unit::USGall, "66,898", kNew, "9,974"}}},
    {"FuelPoundsToKilograms", {{Unit::Lbs, "", kNew, ""}, {Unit::Kilo, "100", kNew, "45,7"}}},
    {"FuelKilogramsToLitres", {{Unit::Kilo, "", kNew, ""}, {Unit::Litres, "100", kNew, "123,4"}}},
    {"FuelLitresToGallons", {{Unit::Litres, "", kNew, ""}, {Unit::USGall, "100", kNew, "26,4"}}},
    {"FuelUnitAlreadyCurrentKeepsTheText", {{Unit::USGall, "7,50", Outcome::KeepText, ""}}},
    {"EmptyBoxShowsTheValueLastHeld",
     {{Unit::Kms, "10", kNew, "18,53"}, {Unit::NM, "", kNew, "10,"}}},
    {"EmptyBoxInTheInitialStateStaysEmpty",
     {{Unit::Kms, "", kNew, ""},
      {Unit::Metres, "", kNew, ""},
      {Unit::Kmh, "", kNew, ""},
      {Unit::Celsius, "", kNew, ""},
      {Unit::Litres, "", kNew, ""},
      {Unit::Kilo, "", kNew, ""}}},
    {"ZeroGivesZeroWithComma",
     {{Unit::Kms, "0", kNew, "0,"},
      {Unit::NM, "0", kNew, "0,"},
      {Unit::Metres, "0", kNew, "0,"},
      {Unit::Pieds, "0", kNew, "0,"},
      {Unit::Kmh, "0", kNew, "0,"},
      {Unit::Noeuds, "0", kNew, "0,"},
      {Unit::Litres, "0", kNew, "0,"},
      {Unit::Lbs, "0", kNew, "0,"},
      {Unit::Kilo, "0", kNew, "0,"},
      {Unit::USGall, "0", kNew, "0,"}}},
    {"TextIsAlwaysTakenInThePartnerUnit",
     {{Unit::Kms, "10", kNew, "18,53"}, {Unit::Kms, "10", kNew, "18,53"}}},
    {"RefusedTextThenCorrected",
     {{Unit::Kms, "1,2,3", Outcome::Refused, ""}, {Unit::Kms, "1,5", kNew, "2,78"}}},
};

TEST(ChoisirUnite, Sequences) {
    for (const Sequence& sequence : kSequences) {
        SCOPED_TRACE(sequence.name);
        EtatConversions state;
        int index = 0;
        for (const Step& step : sequence.steps) {
            SCOPED_TRACE(index++);
            const UnitChange change = ChoisirUnite(state, step.unit, step.text);
            EXPECT_EQ(change.outcome, step.outcome);
            if (step.outcome == kNew) {
                EXPECT_EQ(change.text, step.expected);
            }
        }
    }
}

TEST(ChoisirUnite, StoresTheSourceNumberAndTheExactResult) {
    EtatConversions state;
    ChoisirUnite(state, Unit::Kmh, "0,5");
    EXPECT_EQ(state.ValNoeuds, D("0,5"));
    EXPECT_EQ(state.ValKmh, D("0,9265"));

    ChoisirUnite(state, Unit::Celsius, "32,9");
    EXPECT_EQ(state.ValFahr, D("32,9"));
    EXPECT_EQ(state.ValCelsius, D("0,5"));

    ChoisirUnite(state, Unit::Kilo, "37,85");  // from US gallons, still current
    EXPECT_EQ(state.ValUSGall, D("37,85"));
    EXPECT_EQ(state.ValKilo, D("116,01025"));
    EXPECT_EQ(state.UniteCarbu, 4);
}

// The one rounded step keeps the precision of the decimal type: 28 significant digits.
TEST(ChoisirUnite, DivisionByNineKeepsTwentyEightDigits) {
    EtatConversions state;
    ChoisirUnite(state, Unit::Celsius, "100");
    const std::string digits = state.ValCelsius->toString();
    EXPECT_EQ(digits.substr(0, 29), "37.77777777777777777777777777");
    EXPECT_GE(digits.size() - 1, 28u);
}

TEST(ChoisirUnite, EmptyTextEmptiesTheSourceValueOnly) {
    EtatConversions state;
    ChoisirUnite(state, Unit::Kms, "10");
    ChoisirUnite(state, Unit::NM, "");
    EXPECT_FALSE(state.ValKms);
    EXPECT_EQ(state.ValNM, D("10"));

    ChoisirUnite(state, Unit::Litres, "10");
    ChoisirUnite(state, Unit::USGall, "");
    EXPECT_FALSE(state.ValLitres);
    EXPECT_EQ(state.ValUSGall, D("10"));
    EXPECT_EQ(state.UniteCarbu, 1);
}

TEST(ChoisirUnite, OtherGroupsAreNeverTouched) {
    EtatConversions state;
    ChoisirUnite(state, Unit::Kms, "10");
    ChoisirUnite(state, Unit::Litres, "5");
    ChoisirUnite(state, Unit::Celsius, "50");
    EXPECT_FALSE(state.ValPieds);
    EXPECT_FALSE(state.ValMetres);
    EXPECT_FALSE(state.ValNoeuds);
    EXPECT_FALSE(state.ValKmh);
    EXPECT_FALSE(state.ValLbs);
    EXPECT_FALSE(state.ValKilo);
}

TEST(ChoisirUnite, CurrentFuelUnitChangesNothing) {
    EtatConversions state;
    ChoisirUnite(state, Unit::Litres, "10");
    const EtatConversions before = state;
    EXPECT_EQ(ChoisirUnite(state, Unit::Litres, "abc").outcome, Outcome::KeepText);
    EXPECT_EQ(state.ValUSGall, before.ValUSGall);
    EXPECT_EQ(state.ValLitres, before.ValLitres);
    EXPECT_EQ(state.UniteCarbu, 2);
}

bool SameState(const EtatConversions& a, const EtatConversions& b) {
    for (int u = 0; u < 12; ++u) {
        if (StoredValue(a, static_cast<Unit>(u)) != StoredValue(b, static_cast<Unit>(u)))
            return false;
    }
    return a.UniteCarbu == b.UniteCarbu;
}

// A text that cannot be converted leaves every stored value and the fuel unit as they were.
TEST(ChoisirUnite, RefusedTextChangesNothing) {
    const char* const kMax = "79228162514264337593543950335";
    const struct {
        const char* name;
        Unit unit;
        const char* text;
    } rows[] = {
        {"LoneComma", Unit::Kms, ","},
        {"LoneMinus", Unit::Celsius, "-"},
        {"TwoCommas", Unit::Metres, "1,2,3"},
        {"MinusBetweenDigits", Unit::Fahr, "5-3"},
        {"TrailingMinus", Unit::Celsius, "5-"},
        {"PastedLetters", Unit::Kmh, "12abc"},
        {"TooManyDigits", Unit::Lbs, "792281625142643375935439503350"},
        {"ProductTooLarge", Unit::Kms, kMax},
        {"FuelProductTooLarge", Unit::Lbs, kMax},
        {"CelsiusTooLarge", Unit::Fahr, kMax},
        {"FahrenheitDifferenceTooLarge", Unit::Celsius, "-79228162514264337593543950335"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EtatConversions state;
        ChoisirUnite(state, Unit::Kms, "10");
        ChoisirUnite(state, Unit::Metres, "10");
        ChoisirUnite(state, Unit::Celsius, "10");
        ChoisirUnite(state, Unit::Kmh, "10");
        ChoisirUnite(state, Unit::Litres, "10");
        const EtatConversions before = state;
        EXPECT_EQ(ChoisirUnite(state, row.unit, row.text).outcome, Outcome::Refused);
        EXPECT_TRUE(SameState(state, before));
    }
}

TEST(UnitBefore, IsThePartnerOrTheCurrentFuelUnit) {
    EtatConversions state;
    EXPECT_EQ(UnitBefore(state, Unit::Kms), Unit::NM);
    EXPECT_EQ(UnitBefore(state, Unit::Pieds), Unit::Metres);
    EXPECT_EQ(UnitBefore(state, Unit::Kmh), Unit::Noeuds);
    EXPECT_EQ(UnitBefore(state, Unit::Fahr), Unit::Celsius);
    EXPECT_EQ(UnitBefore(state, Unit::Kilo), Unit::USGall);
    state.UniteCarbu = 3;
    EXPECT_EQ(UnitBefore(state, Unit::Kilo), Unit::Lbs);
}

}  // namespace
}  // namespace ventrose::conversions
