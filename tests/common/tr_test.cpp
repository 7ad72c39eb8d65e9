// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/tr.h"

#include <gtest/gtest.h>

#include <string>

namespace ventrose::common {
namespace {

std::string Shout(const char* context, const char* french) {
    return std::string(context) + ":" + french + "!";
}

// Every test leaves the process as it found it: French, no translator.
class TrTest : public ::testing::Test {
protected:
    void TearDown() override {
        InstallTranslator(nullptr);
        SetCurrentLanguage(Language::French);
    }
};

TEST_F(TrTest, FrenchNeverReachesTheTranslator) {
    InstallTranslator(Shout);
    EXPECT_EQ(Tr("frmMainCalc", "Quitter"), "Quitter");
    EXPECT_EQ(TrText("frmMainCalc", "Quitter"), "Quitter");
}

TEST_F(TrTest, EnglishGoesThroughTheTranslatorWithItsContext) {
    InstallTranslator(Shout);
    SetCurrentLanguage(Language::English);
    EXPECT_EQ(Tr("frmMainCalc", "Quitter"), "frmMainCalc:Quitter!");
    EXPECT_EQ(TrText("frmQuit", "Fermer"), "frmQuit:Fermer!");
    // An empty caption is no text to translate (Qt's translators would answer with a header).
    EXPECT_EQ(TrText("frmQuit", ""), "");
}

int gAsked = 0;
std::string Counted(const char* context, const char* french) {
    ++gAsked;
    return Shout(context, french);
}
std::string Whisper(const char*, const char* french) { return std::string(french) + "..."; }

// The translator is asked once per text while the language holds; a new translator or a change
// of language asks again.
TEST_F(TrTest, AnswersAreKeptUntilTheLanguageOrTheTranslatorChanges) {
    InstallTranslator(Counted);
    SetCurrentLanguage(Language::English);
    gAsked = 0;
    EXPECT_EQ(Tr("frmMainCalc", "Quitter"), "frmMainCalc:Quitter!");
    EXPECT_EQ(Tr("frmMainCalc", "Quitter"), "frmMainCalc:Quitter!");
    EXPECT_EQ(Tr("frmQuit", "Quitter"), "frmQuit:Quitter!");
    EXPECT_EQ(gAsked, 2);
    InstallTranslator(Whisper);
    EXPECT_EQ(Tr("frmMainCalc", "Quitter"), "Quitter...");
    SetCurrentLanguage(Language::French);
    EXPECT_EQ(Tr("frmMainCalc", "Quitter"), "Quitter");
    InstallTranslator(Counted);
    SetCurrentLanguage(Language::English);
    EXPECT_EQ(Tr("frmMainCalc", "Quitter"), "frmMainCalc:Quitter!");
    EXPECT_EQ(gAsked, 3);
}

TEST_F(TrTest, WithoutATranslatorEnglishFallsBackToFrench) {
    SetCurrentLanguage(Language::English);
    EXPECT_EQ(Tr("frmMainCalc", "Quitter"), "Quitter");
}

TEST(ArgTest, PlacesTheValuesWhereTheSentencePutsThem) {
    const struct {
        const char* name;
        const char* text;
        std::string expected;
    } rows[] = {
        {"in order", "« %1 » et « %2 »", "« a » et « b% »"},
        {"reversed", "%2 after %1", "b% after a"},
        {"a placeholder without its value stays", "%3 %", "%3 %"},
        {"a value is never read as a placeholder", "%1%2", "ab%"},
        {"a percent sign at the end", "100 %", "100 %"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Arg(row.text, {"a", "b%"}), row.expected);
    }
    EXPECT_EQ(Arg("%1", {"%2", "x"}), "%2");
}

TEST(LanguageTest, CodesAndDecimalMarks) {
    const struct {
        const char* name;
        const char* code;
        std::optional<Language> language;
    } rows[] = {
        {"french", "fr", Language::French},
        {"english", "en", Language::English},
        {"no case folding", "EN", std::nullopt},
        {"no region", "en_GB", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LanguageNamed(row.code), row.language);
        if (row.language) {
            EXPECT_EQ(LanguageCode(*row.language), row.code);
        }
    }
    EXPECT_EQ(DecimalMark(Language::French), ',');
    EXPECT_EQ(DecimalMark(Language::English), '.');
    EXPECT_EQ(DecimalMark(), ',');
}

}  // namespace
}  // namespace ventrose::common
