// SPDX-License-Identifier: GPL-3.0-or-later
#include "airspeed/frmvitesse.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/control.h"
#include "platform/headless_host.h"
#include "platform/runtime.h"
#include "platform/user_actions.h"
#include "tests/language_switch.h"

namespace ventrose::airspeed {
namespace {

struct FrmVitesseTest : ::testing::Test {
    void SetUp() override {
        runtime.Load(form);
        runtime.Show(form, platform::ShowMode::Modeless);
    }
    platform::Control& operator()(const char* name) { return form[name]; }

    platform::HeadlessHost host;
    platform::Runtime runtime{host};
    FrmVitesse form{runtime};
};

// The bar grows upward: its bottom end is sea level, each 500 of value 1000 ft higher.
TEST_F(FrmVitesseTest, EveryMultipleOf500IsARowAltitude) {
    for (int row = 0; row <= 45; ++row) {
        (*this)("vscAlt").setValue(22500 - 500 * row);
        EXPECT_EQ((*this)("lblAlt").caption(), std::to_string(row * 1000) + " pieds");
    }
}

// Only a dragged thumb leaves the multiples of 500; such a value keeps the altitude, though the
// refresh still runs and clears the box.
TEST_F(FrmVitesseTest, ValuesOffTheMultiplesKeepTheAltitude) {
    (*this)("vscAlt").setValue(20000);
    for (int value = 0; value <= 22500; ++value) {
        if (value % 500 == 0) continue;
        (*this)("txtTempExt").setText("5");
        (*this)("vscAlt").setValue(value);
        ASSERT_EQ((*this)("lblAlt").caption(), "5000 pieds") << value;
        ASSERT_EQ((*this)("txtTempExt").text(), "") << value;
    }
    EXPECT_EQ((*this)("lblAltM").caption(), "1525 mètres");
    EXPECT_EQ((*this)("lblVp2").caption(), "130 Kts");
}

// Digits, '-', Backspace and '.' (as ',') pass; every other code shows the message and is
// dropped, ',' typed directly included.
TEST_F(FrmVitesseTest, KeyFilterOverEveryCode) {
    platform::Control& box = (*this)("txtTempExt");
    for (int code = 1; code < 256; ++code) {
        const bool digit = code >= '0' && code <= '9';
        const bool passes = digit || code == '-' || code == '.' || code == 8;
        box.setText("1");
        host.messageBoxes.clear();
        ASSERT_TRUE(platform::KeyPress(box, code));
        if (passes) {
            EXPECT_TRUE(host.messageBoxes.empty()) << code;
        } else {
            ASSERT_EQ(host.messageBoxes.size(), 1u) << code;
            EXPECT_EQ(host.messageBoxes[0].prompt, "Il faut entrer un nombre");
            EXPECT_EQ(host.messageBoxes[0].title, "Erreur");
            EXPECT_EQ(host.messageBoxes[0].style, 48);
            EXPECT_EQ(box.text(), "1") << code;
        }
    }
    box.setText("1");
    platform::KeyPress(box, '.');
    EXPECT_EQ(box.text(), "1,");
}

// A window that changes language shows what one opened in that language shows after the same
// steps (the temperature typed with that language's mark): every text its code wrote, the
// confirmed temperature's speeds and a typed one not yet confirmed included. Back in French it
// is as it was, figures and all.
TEST(FrmVitesseLanguage, SwitchingShowsWhatTheLanguageShowsAndComesBack) {
    const testing::MarkedEnglish english;
    const auto walk = [](platform::Runtime& runtime, FrmVitesse& form, const char* confirmed,
                         const char* typed) {
        runtime.Load(form);
        platform::ThumbRelease(form["hscVi"], 250);
        platform::ThumbRelease(form["vscAlt"], 22500 - 500 * 12);
        for (const char* c = confirmed; *c; ++c) platform::KeyPress(form["txtTempExt"], *c);
        platform::Click(form["cmdTempExt"]);
        platform::ClearText(form["txtTempExt"]);
        for (const char* c = typed; *c; ++c) platform::KeyPress(form["txtTempExt"], *c);
    };
    platform::HeadlessHost host;
    platform::Runtime runtime{host};
    FrmVitesse form{runtime};
    walk(runtime, form, "-12.5", "7.25");
    const std::string french = testing::Seen(form);

    testing::SwitchLanguage(runtime, common::Language::English);
    platform::HeadlessHost englishHost;
    platform::Runtime englishRuntime{englishHost};
    FrmVitesse englishForm{englishRuntime};
    walk(englishRuntime, englishForm, "-12.5", "7.25");
    EXPECT_EQ(testing::Seen(form), testing::Seen(englishForm));
    EXPECT_EQ(form["txtTempExt"].text(), "7.25");

    testing::SwitchLanguage(runtime, common::Language::French);
    EXPECT_EQ(testing::Seen(form), french);
    EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
}  // namespace ventrose::airspeed
