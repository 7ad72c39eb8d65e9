// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions/frmconversions.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/headless_host.h"
#include "platform/user_actions.h"
#include "tests/language_switch.h"

namespace ventrose::conversions {
namespace {

struct Group {
    const char* box;
    const char* label;
    const char* first;  // the default option
    const char* second;
};

const Group kGroups[] = {
    {"txtChoixDist", "lblChoixDist", "optNM", "optKms"},
    {"txtChoixAlt", "lblChoixAlt", "optPieds", "optMetres"},
    {"txtChoixVitesse", "lblChoixVitesse", "optNoeuds", "optKmh"},
    {"txtChoixTemp", "lblChoixTemp", "optFahr", "optCelsius"},
    {"txtChoixCarbu", "lblChoixCarbu", "optUSGall", "optLitres"},
};

struct FrmConversionsTest : ::testing::Test {
    platform::HeadlessHost host;
    platform::Runtime runtime{host};
    FrmConversions form{runtime};

    void SetUp() override {
        runtime.Load(form);
        runtime.Show(form, platform::ShowMode::Modeless);
    }

    bool SameState(const EtatConversions& other) const {
        for (int u = 0; u < 12; ++u) {
            if (StoredValue(form.state(), static_cast<Unit>(u)) !=
                StoredValue(other, static_cast<Unit>(u)))
                return false;
        }
        return form.state().UniteCarbu == other.UniteCarbu;
    }
};

// A text that reads as no number, met at a unit change: the person is told, and the group stays
// as it was, its text kept for correcting, in every group and from either option.
TEST_F(FrmConversionsTest, RefusedTextLeavesTheGroupAsItWas) {
    for (const Group& g : kGroups) {
        for (const char* bad :
             {",", "-", "1,2,3", "5-3", "5-", "abc", "1234567890123456789012345678901"}) {
            SCOPED_TRACE(std::string(g.box) + " «" + bad + "»");
            form.cmdClear_Click();
            platform::Paste(form[g.box], "8");
            platform::Click(form[g.second]);  // a first, good conversion
            platform::ClearText(form[g.box]);
            platform::Paste(form[g.box], bad);
            const EtatConversions before = form.state();
            const std::string label = form[g.label].caption();
            host.messageBoxes.clear();

            platform::Click(form[g.first]);

            ASSERT_EQ(host.messageBoxes.size(), 1u);
            EXPECT_EQ(host.messageBoxes[0].prompt, "Il faut entrer un nombre");
            EXPECT_EQ(host.messageBoxes[0].title, "Erreur");
            EXPECT_EQ(host.messageBoxes[0].style, 48);
            EXPECT_TRUE(form[g.second].selected());
            EXPECT_FALSE(form[g.first].selected());
            EXPECT_EQ(form[g.label].caption(), label);
            EXPECT_EQ(form[g.box].text(), bad);
            EXPECT_TRUE(SameState(before));
        }
    }
}

// The reset empties every box anyway: it tells of the unreadable text, selects the default
// unit without converting and ends in the state of a fresh opening.
TEST_F(FrmConversionsTest, ResetOverAnUnreadableTextEndsAsAFreshOpening) {
    for (const Group& g : kGroups) {
        SCOPED_TRACE(g.box);
        form.cmdClear_Click();
        platform::Paste(form[g.box], "8");
        platform::Click(form[g.second]);
        platform::ClearText(form[g.box]);
        platform::Paste(form[g.box], "1,2,3");
        host.messageBoxes.clear();

        platform::Click(form["cmdClear"]);

        // The fuel reset converts nothing, so it reads nothing either.
        EXPECT_EQ(host.messageBoxes.size(), std::string(g.box) == "txtChoixCarbu" ? 0u : 1u);
        EXPECT_TRUE(form[g.first].selected());
        EXPECT_FALSE(form[g.second].selected());
        EXPECT_EQ(form[g.box].text(), "");
        EXPECT_TRUE(SameState(EtatConversions{}));
    }
}

TEST_F(FrmConversionsTest, RefusedKeyChangesOnlyTheMessages) {
    platform::KeyPress(form["txtChoixDist"], '4');
    const EtatConversions before = form.state();
    platform::KeyPress(form["txtChoixDist"], ',');
    platform::KeyPress(form["txtChoixDist"], '-');
    EXPECT_EQ(form["txtChoixDist"].text(), "4");
    EXPECT_EQ(host.messageBoxes.size(), 2u);
    EXPECT_TRUE(SameState(before));
}

// A window that changes language shows what one opened in that language shows after the same
// keys: the unit labels the options wrote, the converted figures and a number typed and not yet
// converted, each with that language's mark; the exact values it keeps do not move. Back in
// French it is as it was.
TEST(FrmConversionsLanguage, SwitchingShowsWhatTheLanguageShowsAndComesBack) {
    const testing::MarkedEnglish english;
    const auto walk = [](platform::Runtime& runtime, FrmConversions& form) {
        runtime.Load(form);
        const auto type = [&](const char* box, const char* keys) {
            for (const char* c = keys; *c; ++c) platform::KeyPress(form[box], *c);
        };
        type("txtChoixDist", "12.5");
        platform::Click(form["optKms"]);
        platform::Click(form["optKmh"]);
        platform::Click(form["optNoeuds"]);
        type("txtChoixCarbu", "3.75");
        platform::Click(form["optLbs"]);
        type("txtChoixAlt", "1000.5");
    };
    platform::HeadlessHost host;
    platform::Runtime runtime{host};
    FrmConversions form{runtime};
    walk(runtime, form);
    const std::string french = testing::Seen(form);
    const EtatConversions kept = form.state();

    testing::SwitchLanguage(runtime, common::Language::English);
    platform::HeadlessHost englishHost;
    platform::Runtime englishRuntime{englishHost};
    FrmConversions englishForm{englishRuntime};
    walk(englishRuntime, englishForm);
    EXPECT_EQ(testing::Seen(form), testing::Seen(englishForm));
    EXPECT_EQ(form["txtChoixDist"].text(), "23.163");

    testing::SwitchLanguage(runtime, common::Language::French);
    EXPECT_EQ(testing::Seen(form), french);
    for (int u = 0; u < 12; ++u)
        EXPECT_EQ(StoredValue(form.state(), static_cast<Unit>(u)),
                  StoredValue(kept, static_cast<Unit>(u)));
    EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
}  // namespace ventrose::conversions
