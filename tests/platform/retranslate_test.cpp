// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "common/tr.h"
#include "platform/control.h"
#include "platform/design_dialect.h"
#include "platform/form.h"
#include "platform/headless_host.h"
#include "platform/runtime.h"

namespace ventrose::platform {
namespace {

FormDesign makeDesign() {
    using namespace dialect;
    FormDesign d{.name = "frmLangue", .caption = "Titre"};
    d.controls.push_back(Caption("lblFixe", "", "Temps", {0, 0, 600, 285}));
    d.controls.push_back(Caption("lblEcrit", "", "Distance", {0, 300, 600, 285}));
    d.controls.push_back(Box("txtVp", "", {0, 600, 600, 285}));
    d.controls.push_back(Caption("lblVide", "", "", {0, 900, 600, 285}));
    return d;
}

// "Temps" is "Time" in English, everything else "<context>:<text>".
std::string English(const char* context, const char* french) {
    if (std::string(french) == "Temps") return "Time";
    return std::string(context) + ":" + french;
}

class Langue : public Form {
public:
    explicit Langue(Runtime& runtime) : Form(runtime, design_) {}

private:
    inline static const FormDesign design_ = makeDesign();
};

struct RetranslateTest : ::testing::Test {
    HeadlessHost host;
    Runtime runtime{host};
    void SetUp() override { common::InstallTranslator(English); }
    void TearDown() override {
        common::SetCurrentLanguage(common::Language::French);
        common::InstallTranslator(nullptr);
    }
};

// The design's captions follow the language both ways, the form's title too, with the form's
// name as context; a caption the window's code wrote, and a text box's text, stay as they are.
TEST_F(RetranslateTest, DesignCaptionsFollowTheLanguageAndWrittenOnesStay) {
    Langue form(runtime);
    runtime.Load(form);
    form["lblEcrit"].setCaption("12 NM");
    form["txtVp"].setText("Temps");

    common::SetCurrentLanguage(common::Language::English);
    runtime.retranslate(common::Language::French);
    EXPECT_EQ(form.caption(), "frmLangue:Titre");
    EXPECT_EQ(form["lblFixe"].caption(), "Time");
    EXPECT_EQ(form["lblEcrit"].caption(), "12 NM");
    EXPECT_EQ(form["txtVp"].text(), "Temps");
    EXPECT_EQ(form["lblVide"].caption(), "");

    common::SetCurrentLanguage(common::Language::French);
    runtime.retranslate(common::Language::English);
    EXPECT_EQ(form.caption(), "Titre");
    EXPECT_EQ(form["lblFixe"].caption(), "Temps");
    EXPECT_EQ(form["lblEcrit"].caption(), "12 NM");
}

// A loaded window hears of the change after its captions have followed, with the language before;
// one not loaded does not.
TEST_F(RetranslateTest, ALoadedWindowWritesItsTextsAgain) {
    Langue loaded(runtime), unloaded(runtime);
    runtime.Load(loaded);
    std::string heard, unheard;
    loaded.onLanguageChange([&](common::Language previous) {
        heard =
            loaded["lblFixe"].caption() + " from " + std::string(common::LanguageCode(previous));
    });
    unloaded.onLanguageChange([&](common::Language) { unheard = "heard"; });
    common::SetCurrentLanguage(common::Language::English);
    runtime.retranslate(common::Language::French);
    EXPECT_EQ(heard, "Time from fr");
    EXPECT_EQ(unheard, "");
}

// A window loaded after the change is made in the new language; one unloaded before it too.
TEST_F(RetranslateTest, AWindowNotLoadedComesInTheNewLanguage) {
    Langue form(runtime);
    common::SetCurrentLanguage(common::Language::English);
    runtime.retranslate(common::Language::French);
    runtime.Load(form);
    EXPECT_EQ(form["lblFixe"].caption(), "Time");
    EXPECT_EQ(form.caption(), "frmLangue:Titre");
}

}  // namespace
}  // namespace ventrose::platform
