// SPDX-License-Identifier: GPL-3.0-or-later
// The main window switched to another language with its figures on show looks as a window
// driven the same way in that language from the start, and switching back gives the window it
// was: no text, unit or decimal mark of the other language is left.
#include <gtest/gtest.h>

#include "app/application.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"
#include "tests/language_switch.h"

namespace ventrose::wind {
namespace {

using common::Language;

struct Driven {
    platform::HeadlessHost host;
    app::Application application{host};
    explicit Driven(Language language) {
        common::SetCurrentLanguage(language);
        application.Start();
        auto& form = application.frmMainCalc();
        platform::ThumbRelease(form["hscVp"], 110);
        platform::ThumbRelease(form["hscRm"], 135);
        platform::ThumbRelease(form["hscV"], 200);
        platform::ThumbRelease(form["hscVw"], 25);
        platform::ThumbRelease(form["hscDt"], 50);
    }
    std::string seen() { return testing::Seen(application.frmMainCalc()); }
};

TEST(MainWindowLanguageTest, ASwitchWritesEveryFigureInTheNewLanguageAndBack) {
    const testing::MarkedEnglish english;
    Driven french(Language::French);
    const std::string frenchSeen = french.seen();
    Driven fromStart(Language::English);
    const std::string englishSeen = fromStart.seen();
    ASSERT_NE(englishSeen, frenchSeen);
    common::SetCurrentLanguage(Language::French);  // as the French window was left

    testing::SwitchLanguage(french.application.runtime(), Language::English);
    EXPECT_EQ(french.seen(), englishSeen);
    testing::SwitchLanguage(french.application.runtime(), Language::French);
    EXPECT_EQ(french.seen(), frenchSeen);
    // The factors and the sines are worked out once per language: each shows its own mark.
    EXPECT_NE(frenchSeen.find("lblFb «0,55»"), std::string::npos);
    EXPECT_NE(englishSeen.find("lblFb «0.55»"), std::string::npos);
    EXPECT_NE(englishSeen.find("lblMultSin «0.9»"), std::string::npos);
}

}  // namespace
}  // namespace ventrose::wind
