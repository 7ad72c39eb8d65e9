// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/settings.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace ventrose::preferences {
namespace {

using Settings = std::vector<Setting>;
using Warnings = std::vector<SettingWarning>;

TEST(ReadSettings, NothingSavedGivesTheDefaults) {
    const ReadResult r = ReadSettings({});
    EXPECT_EQ(r.preferences, Preferences{});
    EXPECT_FALSE(r.preferences.onTop);
    EXPECT_EQ(r.preferences.palette, Palette::Jour);
    EXPECT_TRUE(r.preferences.windowPositions.empty());
    EXPECT_TRUE(r.warnings.empty());
}

TEST(ReadSettings, ReadsWhatQSettingsHandsOver) {
    const ReadResult r = ReadSettings({
        {"display/onTop", "true"},
        {"display/palette", "nuit-rouge"},
        {"windows/frmMainCalc/x", "120"},
        {"windows/frmMainCalc/y", "80"},
        {"windows/frmQuit/y", "-1080"},
        {"windows/frmQuit/x", "-100000"},
        {"windows/frmLater_2/x", "100000"},
        {"windows/frmLater_2/y", "-0"},
    });
    Preferences expected{.onTop = true, .palette = Palette::NuitRouge};
    expected.windowPositions = {
        {"frmMainCalc", {120, 80}}, {"frmQuit", {-100000, -1080}}, {"frmLater_2", {100000, 0}}};
    EXPECT_EQ(r.preferences, expected);
    EXPECT_TRUE(r.warnings.empty());
}

TEST(ReadSettings, OtherSpellingsOfTheValues) {
    const struct {
        const char* what;
        Settings settings;
        Preferences expected;
    } rows[] = {
        {"1 for true", {{"display/onTop", "1"}}, {.onTop = true}},
        {"0 for false", {{"display/onTop", "0"}}, {.onTop = false}},
        {"TRUE in capitals", {{"display/onTop", "TRUE"}}, {.onTop = true}},
        {"palette in capitals", {{"display/palette", "NUIT"}}, {.palette = Palette::Nuit}},
        {"a simulator alone takes its defaults",
         {{"sim/link", "FlightGear"}},
         {.simLink = simlink::LinkChoice{simlink::Simulator::FlightGear, "127.0.0.1", 5401}}},
        {"no simulator", {{"sim/link", "aucun"}}, {}},
        {"language in capitals",
         {{"display/language", "EN"}},
         {.language = common::Language::English}},
        {"leading zeros",
         {{"windows/a/x", "007"}, {"windows/a/y", "0"}},
         {.windowPositions = {{"a", {7, 0}}}}},
    };
    for (const auto& row : rows) {
        const ReadResult r = ReadSettings(row.settings);
        EXPECT_EQ(r.preferences, row.expected) << row.what;
        EXPECT_TRUE(r.warnings.empty()) << row.what;
    }
}

// Each bad value leaves its setting at the default and says why; none stops the reading.
TEST(ReadSettings, BadValuesFallBackToTheDefaultWithAWarning) {
    const std::string tooLong(257, '1');
    const struct {
        const char* what;
        Settings settings;
        Warnings warnings;
    } rows[] = {
        {"a word for on-top",
         {{"display/onTop", "yes"}},
         {{"display/onTop", "ni « true » ni « false » : \"yes\""}}},
        {"empty on-top",
         {{"display/onTop", ""}},
         {{"display/onTop", "ni « true » ni « false » : \"\""}}},
        {"a number for on-top",
         {{"display/onTop", "2"}},
         {{"display/onTop", "ni « true » ni « false » : \"2\""}}},
        {"unknown palette",
         {{"display/palette", "bleu"}},
         {{"display/palette", "ni « jour », ni « nuit », ni « nuit-rouge » : \"bleu\""}}},
        {"unknown language",
         {{"display/language", "de"}},
         {{"display/language", "ni « fr » ni « en » : \"de\""}}},
        {"palette with a space",
         {{"display/palette", "nuit rouge"}},
         {{"display/palette", "ni « jour », ni « nuit », ni « nuit-rouge » : \"nuit rouge\""}}},
        {"binary garbage, shown escaped",
         {{"display/palette", std::string("\x00\xFF\x1B[2J\"\\", 8)}},
         {{"display/palette",
           "ni « jour », ni « nuit », ni « nuit-rouge » : \"\\x00\\xFF\\x1B[2J\\\"\\\\\""}}},
        {"a long garbage value is cut in the message",
         {{"display/palette", std::string(100, 'z')}},
         {{"display/palette",
           "ni « jour », ni « nuit », ni « nuit-rouge » : \"" + std::string(40, 'z') + "...\""}}},
        {"value over 256 bytes",
         {{"display/onTop", tooLong}},
         {{"display/onTop", "plus longue que 256 octets (257)"}}},
        {"a QPoint written by QSettings",
         {{"windows/frmVitesse/x", "@Point(120 80)"}, {"windows/frmVitesse/y", "80"}},
         {{"windows/frmVitesse/x", "pas un nombre entier : \"@Point(120 80)\""}}},
        {"a decimal coordinate",
         {{"windows/frmVitesse/x", "12.5"}, {"windows/frmVitesse/y", "80"}},
         {{"windows/frmVitesse/x", "pas un nombre entier : \"12.5\""}}},
        {"a lone minus sign",
         {{"windows/frmVitesse/x", "10"}, {"windows/frmVitesse/y", "-"}},
         {{"windows/frmVitesse/y", "pas un nombre entier : \"-\""}}},
        {"spaces around a number",
         {{"windows/frmVitesse/x", " 10"}, {"windows/frmVitesse/y", "10"}},
         {{"windows/frmVitesse/x", "pas un nombre entier : \" 10\""}}},
        {"a plus sign",
         {{"windows/frmVitesse/x", "+10"}, {"windows/frmVitesse/y", "10"}},
         {{"windows/frmVitesse/x", "pas un nombre entier : \"+10\""}}},
        {"just beyond the range",
         {{"windows/frmVitesse/x", "100001"}, {"windows/frmVitesse/y", "0"}},
         {{"windows/frmVitesse/x", "hors des limites (-100000 à 100000) : \"100001\""}}},
        {"just below the range",
         {{"windows/frmVitesse/x", "0"}, {"windows/frmVitesse/y", "-100001"}},
         {{"windows/frmVitesse/y", "hors des limites (-100000 à 100000) : \"-100001\""}}},
        {"beyond any integer",
         {{"windows/frmVitesse/x", "99999999999999999999999"}, {"windows/frmVitesse/y", "0"}},
         {{"windows/frmVitesse/x",
           "hors des limites (-100000 à 100000) : \"99999999999999999999999\""}}},
        {"digits over 256 bytes",
         {{"windows/frmVitesse/x", tooLong}, {"windows/frmVitesse/y", "0"}},
         {{"windows/frmVitesse/x", "plus longue que 256 octets (257)"}}},
        {"only the x of a window",
         {{"windows/frmDescente/x", "10"}},
         {{"windows/frmDescente/y", "absente, donc la position de la fenêtre n'est pas utilisée"}}},
        {"only the y of a window",
         {{"windows/frmDescente/y", "10"}},
         {{"windows/frmDescente/x", "absente, donc la position de la fenêtre n'est pas utilisée"}}},
        {"an unknown simulator",
         {{"sim/link", "msfs:127.0.0.1:500"}},
         {{"sim/link",
           "ni « aucun » ni un simulateur avec sa machine et son port : \"msfs:127.0.0.1:500\""}}},
        {"a port out of range",
         {{"sim/link", "xplane:127.0.0.1:65536"}},
         {{"sim/link",
           "ni « aucun » ni un simulateur avec sa machine et son port : "
           "\"xplane:127.0.0.1:65536\""}}},
        {"a later bad link undoes an earlier good one",
         {{"sim/link", "xplane"}, {"sim/link", "xplane:"}},
         {{"sim/link", "ni « aucun » ni un simulateur avec sa machine et son port : \"xplane:\""}}},
        {"a later bad value undoes an earlier good one",
         {{"display/onTop", "true"}, {"display/onTop", "maybe"}},
         {{"display/onTop", "ni « true » ni « false » : \"maybe\""}}},
    };
    for (const auto& row : rows) {
        const ReadResult r = ReadSettings(row.settings);
        EXPECT_EQ(r.preferences, Preferences{}) << row.what;
        EXPECT_EQ(r.warnings, row.warnings) << row.what;
    }
}

TEST(ReadSettings, OneBadValueSparesTheOthers) {
    const ReadResult r = ReadSettings({
        {"display/onTop", "true"},
        {"display/palette", "violet"},
        {"windows/frmMainCalc/x", "5"},
        {"windows/frmMainCalc/y", "x"},
        {"windows/frmVitesse/x", "6"},
        {"windows/frmVitesse/y", "7"},
    });
    Preferences expected{.onTop = true};
    expected.windowPositions = {{"frmVitesse", {6, 7}}};
    EXPECT_EQ(r.preferences, expected);
    EXPECT_EQ(r.warnings.size(), 2u);
}

// Unknown keys may come from a later version of the program or another one: ignored, unreported.
TEST(ReadSettings, UnknownKeysAreIgnoredSilently) {
    const Settings unknown = {
        {"display/ontop", "true"},  // keys are case-sensitive
        {"general/onTop", "true"},
        {"display/onTop/x", "true"},
        {"onTop", "true"},
        {"display/fontSize", "12"},
        {"windows/frmMainCalc/pos", "120,80"},
        {"windows/frmMainCalc/z", "1"},
        {"windows/frmMainCalc/X", "1"},
        {"windows//x", "1"},
        {"windows/1frm/x", "1"},  // a form name starts with a letter
        {"windows/frm-Main/x", "1"},
        {"windows/frm Main/x", "1"},
        {"windows/" + std::string(65, 'a') + "/x", "1"},  // at most 64 characters
        {"windows/a/b/x", "1"},
        {"windows/frm\xC3\xA9/x", "1"},
        {std::string("display/onTop\0", 14), "true"},
        {"", ""},
        {std::string(10000, 'k'), std::string(10000, 'v')},
    };
    const ReadResult r = ReadSettings(unknown);
    EXPECT_EQ(r.preferences, Preferences{});
    EXPECT_TRUE(r.warnings.empty());
}

TEST(ReadSettings, TheLongestFormNameIsKept) {
    const std::string name = "f" + std::string(63, '_');
    const ReadResult r =
        ReadSettings({{"windows/" + name + "/x", "1"}, {"windows/" + name + "/y", "2"}});
    EXPECT_EQ(r.preferences.windowPositions.at(name), (Point{1, 2}));
}

TEST(ReadSettings, MoreThanAThousandKeysAreNotOurs) {
    Settings settings(kMaxSettings, {"display/onTop", "true"});
    EXPECT_TRUE(ReadSettings(settings).preferences.onTop) << "a thousand keys are still read";
    settings.push_back({"display/palette", "nuit"});
    const ReadResult r = ReadSettings(settings);
    EXPECT_EQ(r.preferences, Preferences{});
    EXPECT_EQ(r.warnings,
              (Warnings{{"", "1001 clés, plus de 1000 : tous les réglages sont ignorés"}}));
}

TEST(WriteSettings, WritesEveryKeyInItsOrder) {
    Preferences p{.onTop = true, .palette = Palette::NuitRouge};
    p.windowPositions = {{"frmVitesse", {-1920, 5}}, {"frmMainCalc", {120, 80}}};
    p.simLink = simlink::LinkChoice{simlink::Simulator::XPlane, "sim-pc", 49001};
    const Settings expected = {
        {"display/onTop", "true"},           {"display/palette", "nuit-rouge"},
        {"sim/link", "xplane:sim-pc:49001"}, {"windows/frmMainCalc/x", "120"},
        {"windows/frmMainCalc/y", "80"},     {"windows/frmVitesse/x", "-1920"},
        {"windows/frmVitesse/y", "5"},
    };
    EXPECT_EQ(WriteSettings(p), expected);
    // A language is written only once chosen: until then the system's is followed.
    p.language = common::Language::English;
    EXPECT_EQ(WriteSettings(p)[3], (Setting{"display/language", "en"}));
    EXPECT_EQ(ReadSettings(WriteSettings(p)).preferences, p);
    EXPECT_EQ(
        WriteSettings(Preferences{}),
        (Settings{{"display/onTop", "false"}, {"display/palette", "jour"}, {"sim/link", "aucun"}}));
}

TEST(WriteSettings, LeavesOutWhatCouldNotBeReadBack) {
    Preferences p;
    p.windowPositions = {
        {"frm/Main", {1, 1}}, {"", {1, 1}}, {"far", {100001, 0}}, {"ok", {100000, -100000}}};
    const Settings written = WriteSettings(p);
    EXPECT_EQ(written.size(), 5u);
    EXPECT_EQ(written[3], (Setting{"windows/ok/x", "100000"}));
    EXPECT_TRUE(ReadSettings(written).warnings.empty());
}

// Random preferences, written and read back, come back the same and without a word.
TEST(WriteSettings, RoundTripsThroughTheReader) {
    std::mt19937 random(20261207);
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    const std::string nameChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_";
    for (int i = 0; i < 2000; ++i) {
        Preferences p{.onTop = pick(0, 1) == 1, .palette = kPalettes[pick(0, 2)]};
        if (pick(0, 2) > 0) {
            p.simLink = simlink::LinkChoice{
                pick(0, 1) == 0 ? simlink::Simulator::XPlane : simlink::Simulator::FlightGear,
                pick(0, 1) == 0 ? "[::1]" : "sim-" + std::to_string(pick(0, 99)) + ".local",
                static_cast<std::uint16_t>(pick(1, 65535))};
        }
        const int windows = pick(0, 8);
        for (int w = 0; w < windows; ++w) {
            std::string name(1, nameChars[static_cast<std::size_t>(pick(0, 51))]);
            const int more = pick(0, 3) == 0 ? 63 : pick(0, 12);
            for (int k = 0; k < more; ++k) name += nameChars[static_cast<std::size_t>(pick(0, 62))];
            p.windowPositions[name] = {pick(-kMaxCoordinate, kMaxCoordinate),
                                       pick(-kMaxCoordinate, kMaxCoordinate)};
        }
        const ReadResult r = ReadSettings(WriteSettings(p));
        ASSERT_EQ(r.preferences, p) << "case " << i;
        ASSERT_TRUE(r.warnings.empty()) << "case " << i;
    }
}

}  // namespace
}  // namespace ventrose::preferences
