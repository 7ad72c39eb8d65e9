// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "translations/language.h"

namespace ventrose::app {
namespace {

using preferences::Options;
using preferences::Palette;

struct Outcome {
    StartUp start;
    std::string out;
    std::string errors;
};

Outcome Read(std::initializer_list<const char*> arguments) {
    QStringList list{QStringLiteral("ventrose")};
    for (const char* argument : arguments) list << QString::fromUtf8(argument);
    std::ostringstream out, errors;
    Outcome run{ReadCommandLine(list, out, errors), {}, {}};
    run.out = out.str();
    run.errors = errors.str();
    return run;
}

struct StartRow {
    const char* name;
    std::initializer_list<const char*> arguments;
    Options options;
};

TEST(ReadCommandLine, StartsWithWhatTheOptionsAskFor) {
    const StartRow rows[] = {
        {"nothing", {}, {}},
        {"on top", {"--on-top"}, {.onTop = true}},
        {"a palette as a separate word", {"--palette", "nuit"}, {.palette = Palette::Nuit}},
        {"a palette after =, in capitals",
         {"--palette=NUIT-ROUGE"},
         {.palette = Palette::NuitRouge}},
        {"the same palette twice",
         {"--palette", "jour", "--palette=jour"},
         {.palette = Palette::Jour}},
        {"reset", {"--reset-settings"}, {.resetSettings = true}},
        {"a simulator, its host and port",
         {"--sim=xplane:192.168.1.20:49001"},
         {.simGiven = true,
          .simLink = simlink::LinkChoice{simlink::Simulator::XPlane, "192.168.1.20", 49001}}},
        {"no simulator", {"--sim", "aucun"}, {.simGiven = true}},
        {"a language", {"--langue", "en"}, {.language = common::Language::English}},
        {"all three",
         {"--reset-settings", "--on-top", "--palette", "nuit"},
         {.onTop = true, .palette = Palette::Nuit, .resetSettings = true}},
    };
    for (const StartRow& row : rows) {
        const Outcome run = Read(row.arguments);
        ASSERT_TRUE(run.start.options.has_value()) << row.name << ": " << run.errors;
        EXPECT_EQ(*run.start.options, row.options) << row.name;
        EXPECT_EQ(run.start.exitStatus, 0) << row.name;
        EXPECT_EQ(run.out + run.errors, "") << row.name << ": starting says nothing";
    }
}

struct RefusedRow {
    const char* name;
    std::initializer_list<const char*> arguments;
    const char* said;
};

TEST(ReadCommandLine, AWrongOptionIsOneFrenchLineAndStatusTwo) {
    const RefusedRow rows[] = {
        {"unknown long option", {"--bogus"}, "Option inconnue « --bogus »"},
        {"unknown short option", {"-x"}, "Option inconnue « -x »"},
        {"a palette missing", {"--palette"}, "« --palette » demande une palette"},
        {"an unknown palette", {"--palette", "bleu"}, "Palette inconnue « bleu »"},
        {"two palettes", {"--palette", "jour", "--palette", "nuit"}, "Deux palettes demandées"},
        {"a simulator missing", {"--sim"}, "« --sim » demande un simulateur"},
        {"a bad port", {"--sim", "flightgear:pc:99999"}, "Port « 99999 » invalide"},
        {"a value given to a flag", {"--on-top=oui"}, "« --on-top » ne prend pas de valeur"},
        {"a language missing", {"--langue"}, "« --langue » demande une langue : fr ou en"},
        {"an unknown language", {"--langue=de"}, "Langue inconnue « de » : choisir fr ou en"},
        {"an argument", {"vent.txt"}, "Argument inattendu « vent.txt »"},
        {"unknown before help", {"--help", "--bogus"}, "Option inconnue « --bogus »"},
    };
    for (const RefusedRow& row : rows) {
        const Outcome run = Read(row.arguments);
        EXPECT_FALSE(run.start.options.has_value()) << row.name;
        EXPECT_EQ(run.start.exitStatus, 2) << row.name;
        EXPECT_NE(run.errors.find(row.said), std::string::npos) << row.name << ": " << run.errors;
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << row.name << ": one line";
        EXPECT_EQ(run.out, "") << row.name;
    }
}

TEST(ReadCommandLine, HelpListsTheOptionsInFrench) {
    for (const char* help : {"--help", "-h"}) {
        const Outcome run = Read({help});
        EXPECT_FALSE(run.start.options.has_value());
        EXPECT_EQ(run.start.exitStatus, 0);
        EXPECT_EQ(run.errors, "");
        for (const char* expected :
             {"Utilisation : ", "[options]", "Options :", "--on-top", "--palette <palette>",
              "--reset-settings", "--sim <simulateur>", "xplane[:MACHINE[:PORT]]", "--version",
              "Garde les fenêtres de Ventrose au-dessus", "nuit-rouge",
              "Oublie ce que le programme a retenu", "Affiche la version"}) {
            EXPECT_NE(run.out.find(expected), std::string::npos) << help << ": " << expected;
        }
    }
}

// In English the help is English throughout, Qt's own lines included, and so are the errors.
TEST(ReadCommandLine, InEnglishTheHelpAndTheErrorsAreEnglish) {
    ASSERT_TRUE(translations::UseLanguage(common::Language::English));
    const Outcome help = Read({"--help"});
    const Outcome wrong = Read({"--langue", "de"});
    translations::UseLanguage(common::Language::French);
    for (const char* expected :
         {"Usage: ", "Options:", "Flight computer for flight simulator pilots.",
          "--langue <language>", "--sim <simulator>", "Displays version information."}) {
        EXPECT_NE(help.out.find(expected), std::string::npos) << expected << ": " << help.out;
    }
    EXPECT_EQ(help.out.find("Utilisation"), std::string::npos);
    EXPECT_EQ(wrong.errors,
              "ventrose: Unknown language \u201cde\u201d: choose fr or en. See ventrose --help.\n");
    EXPECT_EQ(wrong.start.exitStatus, 2);
}

TEST(ReadCommandLine, VersionIsTheProgramsNameAndVersion) {
    for (const char* version : {"--version", "-v"}) {
        const Outcome run = Read({version});
        EXPECT_FALSE(run.start.options.has_value());
        EXPECT_EQ(run.start.exitStatus, 0);
        EXPECT_EQ(run.out, "Ventrose " VENTROSE_VERSION "\n");
    }
}

}  // namespace
}  // namespace ventrose::app
