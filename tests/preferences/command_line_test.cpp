// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace ventrose::preferences {
namespace {

TEST(ValidateCommandLine, AcceptsTheOptions) {
    const struct {
        const char* what;
        CommandLine given;
        Options expected;
    } rows[] = {
        {"nothing", {}, {}},
        {"--on-top", {.onTop = true}, {.onTop = true}},
        {"--reset-settings", {.resetSettings = true}, {.resetSettings = true}},
        {"--palette nuit", {.paletteValues = {"nuit"}}, {.palette = Palette::Nuit}},
        {"--palette in capitals",
         {.paletteValues = {"NUIT-ROUGE"}},
         {.palette = Palette::NuitRouge}},
        {"the same palette twice", {.paletteValues = {"jour", "Jour"}}, {.palette = Palette::Jour}},
        {"--sim xplane",
         {.simValues = {"xplane"}},
         {.simGiven = true,
          .simLink = simlink::LinkChoice{simlink::Simulator::XPlane, "127.0.0.1", 49000}}},
        {"--sim aucun", {.simValues = {"Aucun"}}, {.simGiven = true}},
        // The English help's words for the program's own.
        {"--palette Red-Night --sim none",
         {.paletteValues = {"Red-Night", "nuit-rouge"}, .simValues = {"none"}},
         {.palette = Palette::NuitRouge, .simGiven = true}},
        {"the same link twice, written two ways",
         {.simValues = {"flightgear", "flightgear:127.0.0.1:5401"}},
         {.simGiven = true,
          .simLink = simlink::LinkChoice{simlink::Simulator::FlightGear, "127.0.0.1", 5401}}},
        {"--langue en", {.languageValues = {"en"}}, {.language = common::Language::English}},
        {"the same language twice",
         {.languageValues = {"fr", "fr"}},
         {.language = common::Language::French}},
        {"all three",
         {.onTop = true, .resetSettings = true, .paletteValues = {"jour"}},
         {.onTop = true, .palette = Palette::Jour, .resetSettings = true}},
    };
    for (const auto& row : rows) {
        const auto result = ValidateCommandLine(row.given);
        ASSERT_TRUE(std::holds_alternative<Options>(result)) << row.what;
        EXPECT_EQ(std::get<Options>(result), row.expected) << row.what;
    }
}

TEST(ValidateCommandLine, SaysInFrenchWhatIsWrong) {
    const struct {
        const char* what;
        CommandLine given;
        std::string message;
    } rows[] = {
        {"unknown palette",
         {.paletteValues = {"bleu"}},
         "Palette inconnue « bleu » : choisir jour, nuit ou nuit-rouge. Voir ventrose --help."},
        {"empty palette",
         {.paletteValues = {""}},
         "Palette inconnue «  » : choisir jour, nuit ou nuit-rouge. Voir ventrose --help."},
        {"two different palettes",
         {.paletteValues = {"nuit", "jour"}},
         "Deux palettes demandées : « nuit » et « jour ». Voir ventrose --help."},
        {"a bad link",
         {.simValues = {"xplane:pc:0"}},
         "Port « 0 » invalide : un nombre entier de 1 à 65535. Voir ventrose --help."},
        {"two different links",
         {.simValues = {"xplane", "aucun"}},
         "Deux simulateurs demandés : « xplane:127.0.0.1:49000 » et « aucun ». Voir ventrose "
         "--help."},
        {"unknown long option",
         {.unknownOptions = {"ontop"}},
         "Option inconnue « --ontop ». Voir ventrose --help."},
        {"unknown short option",
         {.unknownOptions = {"x"}},
         "Option inconnue « -x ». Voir ventrose --help."},
        {"an argument",
         {.positionalArguments = {"nuit"}},
         "Argument inattendu « nuit ». Voir ventrose --help."},
        {"unknown language, codes are lower case",
         {.languageValues = {"EN"}},
         "Langue inconnue « EN » : choisir fr ou en. Voir ventrose --help."},
        {"two different languages",
         {.languageValues = {"fr", "en"}},
         "Deux langues demandées : « fr » et « en ». Voir ventrose --help."},
        {"an unknown option is told before a bad palette",
         {.paletteValues = {"bleu"}, .unknownOptions = {"pallete"}},
         "Option inconnue « --pallete ». Voir ventrose --help."},
    };
    for (const auto& row : rows) {
        const auto result = ValidateCommandLine(row.given);
        ASSERT_TRUE(std::holds_alternative<CommandLineError>(result)) << row.what;
        EXPECT_EQ(std::get<CommandLineError>(result).message, row.message) << row.what;
    }
}

TEST(ApplyOptions, TheCommandLineOverridesWhatWasSaved) {
    Preferences saved{.onTop = false, .palette = Palette::Nuit};
    saved.windowPositions = {{"frmMainCalc", {10, 20}}};
    const auto changed = [&](auto change) {
        Preferences p = saved;
        change(p);
        return p;
    };
    const auto withLink = changed([](Preferences& p) {
        p.simLink = simlink::LinkChoice{simlink::Simulator::XPlane, "127.0.0.1", 49000};
    });
    EXPECT_EQ(Apply({}, saved), saved) << "no option keeps everything";
    EXPECT_EQ(Apply({.onTop = true}, saved), changed([](Preferences& p) { p.onTop = true; }));
    EXPECT_EQ(Apply({.palette = Palette::NuitRouge}, saved),
              changed([](Preferences& p) { p.palette = Palette::NuitRouge; }));
    EXPECT_EQ(Apply({.resetSettings = true}, saved), Preferences{})
        << "--reset-settings forgets the positions too";
    EXPECT_EQ(Apply({.palette = Palette::Nuit, .resetSettings = true}, saved),
              Preferences{.palette = Palette::Nuit});
    EXPECT_EQ(Apply({.simGiven = true}, withLink), saved) << "--sim aucun forgets the link";
    EXPECT_EQ(Apply({}, withLink), withLink);
    EXPECT_EQ(Apply({.language = common::Language::English}, saved),
              changed([](Preferences& p) { p.language = common::Language::English; }));
}

// In English the message is the translator's sentence with the values where it puts them, and
// the help's reminder translated too.
TEST(ValidateCommandLine, SpeaksTheCurrentLanguage) {
    common::InstallTranslator([](const char*, const char* french) -> std::string {
        if (std::string(french) == "Deux langues demandées : « %1 » et « %2 ».")
            return "Asked for %2 after %1.";
        return "|";
    });
    common::SetCurrentLanguage(common::Language::English);
    const auto result = ValidateCommandLine({.languageValues = {"fr", "en"}});
    common::SetCurrentLanguage(common::Language::French);
    common::InstallTranslator(nullptr);
    ASSERT_TRUE(std::holds_alternative<CommandLineError>(result));
    EXPECT_EQ(std::get<CommandLineError>(result).message, "Asked for en after fr.|");
}

}  // namespace
}  // namespace ventrose::preferences
