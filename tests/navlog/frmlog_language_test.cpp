// SPDX-License-Identifier: GPL-3.0-or-later
// The log window when the language changes while it is open: every text it wrote is written
// again, and nothing of the log moves.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/application.h"
#include "common/tr.h"
#include "navlog/calcullog.h"
#include "navlog/frmlog.h"
#include "platform/control.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"
#include "tests/navlog/fake_documents.h"

namespace ventrose::navlog {
namespace {

using common::Language;

struct FixedClock : platform::Clock {
    platform::ClockReading Now() override { return platform::AtUtc({2026, 6, 15}, 10, 0); }
};

// Any text that went through the translator carries its context: «[frmLog]Erreur». The unit
// patterns take it as literal text («[Units]102 kts»).
std::string Marked(const char* context, const char* french) {
    return "[" + std::string(context) + "]" + french;
}

bool HasLetter(const std::string& text) {
    for (const char c : text)
        if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') return true;
    return false;
}

struct FrmLogLanguageTest : ::testing::Test {
    platform::HeadlessHost host;
    testing::FakeDocuments docs;
    FixedClock clock;
    app::Application app{host, docs, clock};
    FrmLog& form = app.frmLog();

    void SetUp() override {
        common::InstallTranslator(Marked);
        app.Start();
        ASSERT_TRUE(platform::Click(app.frmMainCalc()["cmdLog"]));
    }
    void TearDown() override {
        common::SetCurrentLanguage(Language::French);
        common::InstallTranslator(nullptr);
    }
    void Switch(Language to) {
        const Language from = common::CurrentLanguage();
        common::SetCurrentLanguage(to);
        app.runtime().retranslate(from);
    }
    platform::Control& at(const std::string& name) { return form[name]; }
    void TypeIn(const std::string& box, const std::string& text) {
        platform::ClearText(at(box));
        for (const char c : text) platform::KeyPress(at(box), static_cast<unsigned char>(c));
    }
    // Every text a person reads in the window, by control.
    std::map<std::string, std::string> Texts() {
        std::map<std::string, std::string> texts{{"", form.caption()}};
        for (const auto& control : form.controls())
            texts[control->name()] =
                control->caption() + "|" + control->text() + "|" + control->toolTipText();
        return texts;
    }
};

// A saved log, flown with a slip of an actual time and an impossible exact heading, beside a
// simulator that sends nothing: in English each written text has been through the translator,
// the figures are those of the log computed in English, and the log is as it was, still saved;
// back in French the window reads exactly as before.
TEST_F(FrmLogLanguageTest, EveryWrittenTextFollowsAndTheSavedLogStays) {
    form.LierSimulateur(simlink::Simulator::XPlane);
    TypeIn("txtDepart", "09:30");
    TypeIn("txtCarbu", "40,5");
    const std::pair<int, int> legs[] = {{90, 20}, {0, 200}};
    for (const auto& [Rm, Vw] : legs) {
        platform::Click(at("cmdAjouter"));
        const std::string row = "(" + std::to_string(form.log().etapes.size()) + ")";
        platform::Paste(at("txtRepere" + row), "B");
        TypeIn("txtRm" + row, std::to_string(Rm));
        TypeIn("txtDist" + row, "40");
        TypeIn("txtV" + row, "90");
        TypeIn("txtVw" + row, std::to_string(Vw));
    }
    TypeIn("txtHR(1)", "09:20");
    platform::Click(at("chkExact"));
    docs.fileNames.push_back("route.vlog");
    ASSERT_TRUE(form.cmdEnregistrer_Click());
    const LogNav saved = form.log();
    const auto french = Texts();

    Switch(Language::English);
    EXPECT_EQ(form.log(), saved);
    EXPECT_FALSE(form.unsaved());
    EXPECT_FALSE(docs.FileExists(docs.RecoveryPath(FrmLog::kRecoveryName)));
    EXPECT_EQ(form.resultat(), CalculLog(saved));
    EXPECT_EQ(form.caption(), "[frmLog]Log de navigation - route.vlog");
    EXPECT_EQ(at("txtCarbu").text(), "40.5");
    EXPECT_EQ(at("lblVs(1)").caption(), "[Units]100 kts");
    EXPECT_EQ(at("lblHorloge").caption(), "[frmLog]Horloge : [frmLog]ordinateur, heure locale");
    for (const auto& control : form.controls()) {
        SCOPED_TRACE(control->name());
        const std::string& caption = control->caption();
        if (control->kind() != platform::ControlKind::TextBox && HasLetter(caption) &&
            caption != "X") {
            EXPECT_NE(caption.find('['), std::string::npos) << caption;
        }
        if (!control->toolTipText().empty()) {
            EXPECT_NE(control->toolTipText().find('['), std::string::npos);
        }
    }
    EXPECT_FALSE(at("txtHR(1)").toolTipText().empty());
    EXPECT_FALSE(at("lblCapExact(2)").toolTipText().empty());
    EXPECT_FALSE(at("lblEnCours").caption().empty());

    Switch(Language::French);
    EXPECT_EQ(Texts(), french);
    EXPECT_FALSE(form.unsaved());
}

// A number typed, even one on its way (a lone mark), takes the new mark, and neither the log nor
// its unsaved state changes. (The keys in each language are the scenarios'.)
TEST_F(FrmLogLanguageTest, TypedFuelTakesTheNewMarkBothWays) {
    TypeIn("txtConso", "12,5");
    TypeIn("txtReserve", ",");
    const LogNav typed = form.log();
    ASSERT_TRUE(form.unsaved());

    Switch(Language::English);
    EXPECT_EQ(at("txtConso").text(), "12.5");
    EXPECT_EQ(at("txtReserve").text(), ".");
    EXPECT_EQ(form.log(), typed);
    EXPECT_TRUE(form.unsaved());
    EXPECT_EQ(form.caption(), "*[frmLog]Log de navigation");

    Switch(Language::French);
    EXPECT_EQ(at("txtConso").text(), "12,5");
}

}  // namespace
}  // namespace ventrose::navlog
