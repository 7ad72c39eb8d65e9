// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

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
        {"unknown long option",
         {.unknownOptions = {"ontop"}},
         "Option inconnue « --ontop ». Voir ventrose --help."},
        {"unknown short option",
         {.unknownOptions = {"x"}},
         "Option inconnue « -x ». Voir ventrose --help."},
        {"an argument",
         {.positionalArguments = {"nuit"}},
         "Argument inattendu « nuit ». Voir ventrose --help."},
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
    const struct {
        const char* what;
        Options options;
        Preferences expected;
    } rows[] = {
        {"no option keeps everything", {}, saved},
        {"--on-top",
         {.onTop = true},
         [&] {
             Preferences p = saved;
             p.onTop = true;
             return p;
         }()},
        {"--palette",
         {.palette = Palette::NuitRouge},
         [&] {
             Preferences p = saved;
             p.palette = Palette::NuitRouge;
             return p;
         }()},
        {"--reset-settings forgets the positions too", {.resetSettings = true}, Preferences{}},
        {"--reset-settings then --palette",
         {.palette = Palette::Nuit, .resetSettings = true},
         Preferences{.palette = Palette::Nuit}},
    };
    for (const auto& row : rows) EXPECT_EQ(Apply(row.options, saved), row.expected) << row.what;
}

}  // namespace
}  // namespace ventrose::preferences
