// SPDX-License-Identifier: GPL-3.0-or-later
#include "airspeed/calculvp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>

#include "airspeed/tableatmo.h"
#include "common/format.h"

namespace ventrose::airspeed {
namespace {

const TableAtmo& table() {
    static const TableAtmo t = InitTableAtmo();
    return t;
}

struct VpCase {
    const char* name;
    std::int16_t Vi;
    std::int32_t Altitude;
    const char* texte;  // nullptr: the standard atmosphere
    double Vp, VpKm;
    const char *VpText, *VpKmText;
};

constexpr VpCase kExamples[] = {
    {"SeaLevel", 120, 0, nullptr, 120, 222.36, "120 Kts", "222 Km/h"},
    {"TenThousandFeet", 120, 10000, nullptr, 139.2, 257.9376, "139 Kts", "258 Km/h"},
    {"HalfKnotShownUp", 150, 1000, nullptr, 151.5, 280.7295, "152 Kts", "281 Km/h"},
    {"StandardTempTyped", 150, 1000, "13", 152, 281.656, "152 Kts", "282 Km/h"},
    {"HalfKnotStandard", 250, 1000, nullptr, 252.5, 467.8825, "253 Kts", "468 Km/h"},
    {"HalfKnotCorrectionToEven", 250, 1000, "13", 252, 466.956, "252 Kts", "467 Km/h"},
    {"WarmerAtTenThousand", 120, 10000, "5", 142, 263.126, "142 Kts", "263 Km/h"},
    {"HalfStepToEvenZero", 120, 24000, "-30", 168, 311.304, "168 Kts", "311 Km/h"},
    {"OneAndHalfStepsToTwo", 120, 24000, "-25", 170, 315.01, "170 Kts", "315 Km/h"},
    {"TwoAndHalfStepsToTwo", 120, 24000, "-20", 170, 315.01, "170 Kts", "315 Km/h"},
    {"MinusHalfStepToZero", 120, 24000, "-35", 168, 311.304, "168 Kts", "311 Km/h"},
    {"TypedHalfDegreeDownToEven", 120, 0, "12,5", 119, 220.507, "119 Kts", "221 Km/h"},
    {"TypedHalfDegreeUpToEven", 120, 0, "13,5", 120, 222.36, "120 Kts", "222 Km/h"},
    {"SlowestAtTop", 60, 45000, nullptr, 105, 194.565, "105 Kts", "195 Km/h"},
    {"FastestAtTop", 1800, 45000, nullptr, 3150, 5836.95, "3150 Kts", "5837 Km/h"},
    // Beyond the worked examples: a negative correction and a typed decimal below zero.
    {"ColderThanStandard", 200, 0, "-10", 190, 352.07, "190 Kts", "352 Km/h"},
    {"NegativeZeroTyped", 100, 0, "-0", 97, 179.741, "97 Kts", "180 Km/h"},
};

TEST(CalculVp, WorkedExamples) {
    for (const auto& c : kExamples) {
        SCOPED_TRACE(c.name);
        double Vp = 0, VpKm = 0;
        std::string VpText, VpKmText;
        if (c.texte == nullptr) {
            const ResultatVp r = CalculVp(c.Vi, c.Altitude, table());
            Vp = r.Vp, VpKm = r.VpKm, VpText = r.affichage.VpText, VpKmText = r.affichage.VpKmText;
        } else {
            const auto result = CalculVpTempExt(c.Vi, c.Altitude, table(), c.texte);
            ASSERT_TRUE(std::holds_alternative<ResultatVpTempExt>(result));
            const auto& r = std::get<ResultatVpTempExt>(result);
            Vp = r.Vp, VpKm = r.VpKm, VpText = r.VpText, VpKmText = r.VpKmText;
        }
        EXPECT_NEAR(Vp, c.Vp, 1e-9);
        EXPECT_NEAR(VpKm, c.VpKm, 1e-9);
        EXPECT_EQ(VpText, c.VpText);
        EXPECT_EQ(VpKmText, c.VpKmText);
    }
}

struct AltitudeCase {
    std::int32_t Altitude;
    const char *AltitudeText, *AltMetresText, *TempStdText, *PressionStdText;
};

constexpr AltitudeCase kAltitudes[] = {
    {0, "0 pieds", "0 mètres", "15,0 °", "1013,20 Hpa"},
    {1000, "1000 pieds", "305 mètres", "13,0 °", "977,20 Hpa"},
    {10000, "10000 pieds", "3050 mètres", "-4,8 °", "696,90 Hpa"},
    {36000, "36000 pieds", "10980 mètres", "-56,3 °", "228,00 Hpa"},
    {45000, "45000 pieds", "13725 mètres", "-56,5 °", "148,20 Hpa"},
};

TEST(CalculVp, AltitudeTexts) {
    for (const auto& c : kAltitudes) {
        SCOPED_TRACE(c.Altitude);
        const AffichageVp a = CalculVp(120, c.Altitude, table()).affichage;
        EXPECT_EQ(a.AltitudeText, c.AltitudeText);
        EXPECT_EQ(a.AltMetresText, c.AltMetresText);
        EXPECT_EQ(a.TempStdText, c.TempStdText);
        EXPECT_EQ(a.PressionStdText, c.PressionStdText);
    }
}

// The standard display keeps the correction's fraction and rounds a half up; typing the
// standard temperature rounds the correction to whole knots, half to even. So for every row and
// every speed of the bar the two show the same knots, except at an exact half, where the typed
// temperature shows one knot less.
TEST(CalculVpTempExt, StandardTemperatureShowsTheStandardKnotsButAtHalves) {
    for (std::int32_t ligne = 0; ligne < 46; ++ligne) {
        const std::int32_t Altitude = ligne * 1000;
        const std::string typed =
            common::FormatNumber(table()[static_cast<std::size_t>(ligne)].TempStd, "0");
        for (std::int16_t Vi = 60; Vi <= 1800; ++Vi) {
            const double standard = CalculVp(Vi, Altitude, table()).Vp;
            const auto result = CalculVpTempExt(Vi, Altitude, table(), typed);
            ASSERT_TRUE(std::holds_alternative<ResultatVpTempExt>(result)) << Altitude << " " << Vi;
            const auto& corrected = std::get<ResultatVpTempExt>(result);
            ASSERT_EQ(corrected.CorrTemp, 0) << Altitude << " " << Vi;
            if (corrected.VpText != common::FormatNumber(standard, "0 Kts")) {
                ASSERT_EQ(standard - corrected.Vp, 0.5) << Altitude << " " << Vi;
            }
        }
    }
}

struct RefusalCase {
    const char* name;
    std::int16_t Vi;
    std::int32_t Altitude;
    const char* texte;
    TempExtRefusal refusal;
};

constexpr RefusalCase kRefusals[] = {
    {"NothingTyped", 120, 0, "", TempExtRefusal::Empty},
    {"LoneMinus", 120, 0, "-", TempExtRefusal::NotANumber},
    {"MinusAfterDigit", 120, 0, "5-", TempExtRefusal::NotANumber},
    {"MinusInside", 120, 0, "5-3", TempExtRefusal::NotANumber},
    {"TwoMinus", 120, 0, "--5", TempExtRefusal::NotANumber},
    {"TwoCommas", 120, 0, "1,2,3", TempExtRefusal::NotANumber},
    {"LoneComma", 120, 0, ",", TempExtRefusal::NotANumber},
    {"PastedLetters", 120, 0, "abc", TempExtRefusal::NotANumber},
    {"PastedPoint", 120, 0, "1.5", TempExtRefusal::NotANumber},
    {"PastedSpace", 120, 0, " 5", TempExtRefusal::NotANumber},
    {"TemperatureBeyond16Bits", 120, 0, "99999", TempExtRefusal::OutOfRange},
    {"TieRoundsToEvenBeyond16Bits", 60, 0, "32767,5", TempExtRefusal::OutOfRange},
    {"BelowLowest16Bits", 60, 0, "-32769", TempExtRefusal::OutOfRange},
    // The temperature fits, but 1800 x (75 + 6565) / 100 does not.
    {"CorrectionBeyond16Bits", 1800, 45000, "32767", TempExtRefusal::OutOfRange},
    // The correction fits (31770) but Vi + correction does not.
    {"SpeedBeyond16Bits", 1000, 0, "15898", TempExtRefusal::OutOfRange},
};

TEST(CalculVpTempExt, TextsThatGiveNoSpeed) {
    for (const auto& c : kRefusals) {
        SCOPED_TRACE(c.name);
        const auto result = CalculVpTempExt(c.Vi, c.Altitude, table(), c.texte);
        ASSERT_TRUE(std::holds_alternative<TempExtRefusal>(result));
        EXPECT_EQ(std::get<TempExtRefusal>(result), c.refusal);
    }
}

struct LimitCase {
    const char* name;
    std::int16_t Vi;
    std::int32_t Altitude;
    const char* texte;
    double TempExtLue;  // as typed, for the exact speed
    std::int16_t TempExt, CorrTemp;
    const char* VpText;
};

// The largest inputs that still give a speed, next to the refusals above.
constexpr LimitCase kLimits[] = {
    {"HighestTemperature", 60, 0, "32767,4", 32767.4, 32767, 6550, "3990 Kts"},
    {"LowestTemperatureTieToEven", 60, 0, "-32768,5", -32768.5, -32768, -6557, "-3874 Kts"},
    {"SpeedJustFits", 1000, 0, "15897", 15897, 15897, 3176, "32760 Kts"},
};

TEST(CalculVpTempExt, LimitsOf16Bits) {
    for (const auto& c : kLimits) {
        SCOPED_TRACE(c.name);
        const auto result = CalculVpTempExt(c.Vi, c.Altitude, table(), c.texte);
        ASSERT_TRUE(std::holds_alternative<ResultatVpTempExt>(result));
        const auto& r = std::get<ResultatVpTempExt>(result);
        EXPECT_EQ(r.TempExtLue, c.TempExtLue);
        EXPECT_EQ(r.TempExt, c.TempExt);
        EXPECT_EQ(r.CorrTemp, c.CorrTemp);
        EXPECT_EQ(r.VpText, c.VpText);
    }
}

// Every speed and altitude of the window gives a speed for any temperature from -1000 to
// +1000 °C; the correction grows with the distance from the standard, so the two ends cover
// the range.
TEST(CalculVpTempExt, ThousandDegreesEitherWayAlwaysComputes) {
    for (std::int32_t Altitude = 0; Altitude <= 45000; Altitude += 1000) {
        for (std::int16_t Vi = 60; Vi <= 1800; ++Vi) {
            for (const char* texte : {"-1000", "1000"}) {
                ASSERT_TRUE(std::holds_alternative<ResultatVpTempExt>(
                    CalculVpTempExt(Vi, Altitude, table(), texte)))
                    << Altitude << " " << Vi << " " << texte;
            }
        }
    }
}

}  // namespace
}  // namespace ventrose::airspeed
