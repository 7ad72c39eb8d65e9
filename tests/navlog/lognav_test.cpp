// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/lognav.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace ventrose::navlog {
namespace {

TEST(LogNav, UnitsReadAsTheConversionsWindowLabelsThem) {
    EXPECT_EQ(UniteText(UniteCarbu::USGall), "US Gallons");
    EXPECT_EQ(UniteText(UniteCarbu::Litres), "Litres");
    EXPECT_EQ(UniteText(UniteCarbu::Lbs), "Lbs");
    EXPECT_EQ(UniteText(UniteCarbu::Kilo), "Kilo");
}

TEST(LogNav, ANewLegTakesThePreviousWind) {
    LogNav log;
    EXPECT_EQ(NouvelleEtape(log), Etape{}) << "the first leg starts calm";
    log.etapes.push_back({"LFPN", 95, 35, 270, 18, 600});
    EXPECT_EQ(NouvelleEtape(log), (Etape{"", std::nullopt, std::nullopt, 270, 18, {}}));
}

TEST(LogNav, TimesOfDay) {
    const struct {
        const char* what;
        int minutes;
        const char* text;
    } shown[] = {
        {"midnight", 0, "00:00"},
        {"last minute of the day", 1439, "23:59"},
        {"past midnight wraps", 1440 + 65, "01:05"},
        {"before midnight wraps back", -10, "23:50"},
    };
    for (const auto& row : shown) EXPECT_EQ(HeureText(row.minutes), row.text) << row.what;

    const struct {
        const char* what;
        const char* text;
        std::optional<int> minutes;
    } read[] = {
        {"a time", "09:30", 570},
        {"the last minute", "23:59", 1439},
        {"24:00 is tomorrow's 00:00", "24:00", std::nullopt},
        {"minute 60", "12:60", std::nullopt},
        {"one hour digit", "9:30", std::nullopt},
        {"seconds", "09:30:00", std::nullopt},
        {"an h for the colon", "09h30", std::nullopt},
        {"empty", "", std::nullopt},
        {"a sign", "-9:30", std::nullopt},
    };
    for (const auto& row : read) EXPECT_EQ(LireHeure(row.text), row.minutes) << row.what;
}

TEST(LogNav, Utf8LengthCountsCharacters) {
    EXPECT_EQ(Utf8Length("Étampes"), 7u);
    EXPECT_EQ(Utf8Length("\xF0\x9F\x9B\xA9"), 1u);
    EXPECT_EQ(Utf8Length("\xC3"), std::nullopt) << "cut sequence";
    EXPECT_EQ(Utf8Length("\xC0\xAF"), std::nullopt) << "overlong '/'";
    EXPECT_EQ(Utf8Length("\xED\xA0\x80"), std::nullopt) << "surrogate";
}

// Each row spoils one value of a good log; VerifierLog names it.
TEST(VerifierLog, NamesTheFirstValueOutOfRange) {
    const struct {
        const char* what;
        void (*spoil)(LogNav&);
        std::optional<std::string> message;
    } rows[] = {
        {"a good log", [](LogNav&) {}, std::nullopt},
        {"the bars' ends",
         [](LogNav& l) { l.etapes[0] = {std::string(40, 'x'), 360, 400, 360, 360, 1439}; },
         std::nullopt},
        {"airspeed below the bar", [](LogNav& l) { l.Vp = 59; }, "«Vp» vaut 59, hors de 60 à 800."},
        {"airspeed above the bar", [](LogNav& l) { l.Vp = 801; },
         "«Vp» vaut 801, hors de 60 à 800."},
        {"departure after midnight", [](LogNav& l) { l.departure = 1440; },
         "«departure» vaut 1440, hors de 0 à 1439."},
        {"an unknown unit", [](LogNav& l) { l.fuelUnit = static_cast<UniteCarbu>(7); },
         "Carburant : l'unité n'est pas une des quatre unités de carburant."},
        {"negative fuel", [](LogNav& l) { l.fuelAtDeparture = -0.5; },
         "Carburant : «atDeparture» vaut -0,5, hors de 0 à 100000."},
        {"NaN consumption", [](LogNav& l) { l.fuelPerHour = std::nan(""); },
         "Carburant : «perHour» vaut NaN, hors de 0 à 100000."},
        {"a reserve too large", [](LogNav& l) { l.finalReserve = 100000.5; },
         "Carburant : «reserve» vaut 100000,5, hors de 0 à 100000."},
        {"101 legs", [](LogNav& l) { l.etapes.resize(101); },
         "Le log a 101 étapes, plus que les 100 permises."},
        {"a waypoint of 41 characters",
         [](LogNav& l) { l.etapes[1].repere = std::string(41, 'x'); },
         "Étape 2 : le repère a 41 caractères, plus que les 40 permis."},
        {"40 accented characters are 80 bytes, and allowed",
         [](LogNav& l) {
             l.etapes[1].repere.clear();
             for (int i = 0; i < 40; ++i) l.etapes[1].repere += "é";
         },
         std::nullopt},
        {"a waypoint that is not UTF-8", [](LogNav& l) { l.etapes[0].repere = "Caf\xE9"; },
         "Étape 1 : le repère n'est pas du texte UTF-8 valide."},
        {"a line feed in a waypoint", [](LogNav& l) { l.etapes[0].repere = "A\nB"; },
         "Étape 1 : le repère contient un caractère de contrôle."},
        {"a C1 control in a waypoint", [](LogNav& l) { l.etapes[0].repere = "A\xC2\x85"; },
         "Étape 1 : le repère contient un caractère de contrôle."},
        {"course beyond 360", [](LogNav& l) { l.etapes[1].Rm = 361; },
         "Étape 2 : «Rm» vaut 361, hors de 0 à 360."},
        {"negative distance", [](LogNav& l) { l.etapes[1].D = -1; },
         "Étape 2 : «D» vaut -1, hors de 0 à 400."},
        {"wind direction", [](LogNav& l) { l.etapes[1].V = -5; },
         "Étape 2 : «V» vaut -5, hors de 0 à 360."},
        {"wind speed", [](LogNav& l) { l.etapes[1].Vw = 361; },
         "Étape 2 : «Vw» vaut 361, hors de 0 à 360."},
        {"actual time", [](LogNav& l) { l.etapes[1].HR = -1; },
         "Étape 2 : «actual» vaut -1, hors de 0 à 1439."},
        {"the first of two faults",
         [](LogNav& l) {
             l.etapes[0].D = 401;
             l.etapes[1].Rm = 361;
         },
         "Étape 1 : «D» vaut 401, hors de 0 à 400."},
    };
    for (const auto& row : rows) {
        LogNav log;
        log.etapes = {{"LFPN", 95, 35, 270, 18, {}}, {"Étampes", 120, 20, 270, 18, 610}};
        row.spoil(log);
        EXPECT_EQ(VerifierLog(log), row.message) << row.what;
    }
}

}  // namespace
}  // namespace ventrose::navlog
