// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/frmlog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>

#include "app/application.h"
#include "navlog/logfile.h"
#include "platform/headless_host.h"
#include "platform/palette.h"
#include "platform/user_actions.h"
#include "tests/navlog/fake_documents.h"

namespace ventrose::navlog {
namespace {

using platform::SaveChangesAnswer;

// A clock stopped on 15 June 2026.
struct FixedClock : platform::Clock {
    platform::ClockReading Now() override { return platform::AtUtc({2026, 6, 15}, 10, 0); }
};

struct FrmLogTest : ::testing::Test {
    platform::HeadlessHost host;
    testing::FakeDocuments docs;
    FixedClock clock;
    app::Application app{host, docs, clock};
    FrmLog& form = app.frmLog();

    void SetUp() override { app.Start(); }

    void Open() {
        ASSERT_TRUE(platform::Click(app.frmMainCalc()["cmdLog"]));
        ASSERT_TRUE(form.loaded());
    }
    platform::Control& at(const std::string& name) { return form[name]; }
    void TypeIn(const std::string& box, const std::string& text) {
        platform::ClearText(at(box));
        for (char c : text) platform::KeyPress(at(box), static_cast<unsigned char>(c));
    }
    // A leg after the last, typed as a person types it.
    void AddLeg(const std::string& repere, int Rm, int D) {
        platform::Click(at("cmdAjouter"));
        const std::string row = "(" + std::to_string(form.log().etapes.size()) + ")";
        platform::Paste(at("txtRepere" + row), repere);
        TypeIn("txtRm" + row, std::to_string(Rm));
        TypeIn("txtDist" + row, std::to_string(D));
    }
    std::string Reperes() const {
        std::string all;
        for (const Etape& e : form.log().etapes) all += e.repere + ";";
        return all;
    }
};

// Keys, each typed after `before` in an empty or filled box: what the box then holds, and the
// message, if any.
TEST_F(FrmLogTest, KeysOutOfRangeOrNotNumbersAreRefusedAndTheTextKept) {
    Open();
    platform::Click(at("cmdAjouter"));
    struct Row {
        const char* name;
        const char* box;
        const char* before;
        int key;
        const char* after;
        const char* message;
    };
    const Row kRows[] = {
        {"course within range", "txtRm(1)", "36", '0', "360", ""},
        {"course past 360", "txtRm(1)", "36", '1', "36", "Rm : de 0 à 360"},
        {"distance past 400", "txtDist(1)", "40", '1', "40", "D : de 0 à 400"},
        {"wind force past 360", "txtVw(1)", "99", '9', "99", "Vw : de 0 à 360"},
        {"a letter in a course", "txtRm(1)", "1", 'a', "1", "Il faut entrer un nombre"},
        {"no decimal in a course", "txtRm(1)", "1", '.', "1", "Il faut entrer un nombre"},
        {"Vp on its way from 1", "txtVp", "", '1', "1", ""},
        {"Vp past 800", "txtVp", "80", '1', "80", "Vp : de 60 à 800"},
        {"the point types a comma in fuel", "txtCarbu", "12", '.', "12,", ""},
        {"the comma key types a comma in fuel", "txtCarbu", "12", ',', "12,", ""},
        {"a second comma", "txtCarbu", "1,2", '.', "1,2", "Il faut entrer un nombre"},
        {"fuel past 100000", "txtCarbu", "10000", '1', "10000", "Carburant : de 0 à 100000"},
        {"colon in a time", "txtDepart", "09", ':', "09:", ""},
        {"hour past 23", "txtDepart", "24", ':', "24", "Départ : de 00:00 à 23:59"},
        {"a time without its colon", "txtDepart", "101", '2', "1012", ""},
        {"minutes past 59 without the colon", "txtDepart", "18", '6', "18",
         "Départ : de 00:00 à 23:59"},
        {"minutes past 59", "txtHR(1)", "10:", '6', "10:", "HR : de 00:00 à 23:59"},
        {"a sixth character in a time", "txtHR(1)", "10:30", '0', "10:30", "HR : de 00:00 à 23:59"},
        {"a tab in a number", "txtRm(1)", "1", '\t', "1", "Il faut entrer un nombre"},
        {"Backspace below Vp's minimum", "txtVp", "60", 8, "6", ""},
        {"any letter in a waypoint", "txtRepere(1)", "Étamp", 'e', "Étampe", ""},
        {"a C1 control in a waypoint, unseen", "txtRepere(1)", "Étamp", 0x85, "Étamp", ""},
        {"a 41st character in a waypoint", "txtRepere(1)",
         "0123456789012345678901234567890123456789", 'x',
         "0123456789012345678901234567890123456789", "Repère : 40 caractères au plus"},
    };
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        platform::ClearText(at(row.box));
        platform::Paste(at(row.box), row.before);
        host.messageBoxes.clear();
        platform::KeyPress(at(row.box), row.key);
        EXPECT_EQ(at(row.box).text(), row.after);
        if (*row.message == '\0') {
            EXPECT_TRUE(host.messageBoxes.empty());
        } else {
            ASSERT_EQ(host.messageBoxes.size(), 1u);
            EXPECT_EQ(host.messageBoxes[0].prompt, row.message);
        }
    }
}

// A paste that no key could have typed is refused, and the box shows the log's value again.
TEST_F(FrmLogTest, APastedTextOutOfRangeGivesTheValueBack) {
    Open();
    AddLeg("A", 90, 40);
    platform::Paste(at("txtRm(1)"), "9");
    EXPECT_EQ(at("txtRm(1)").text(), "90");
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].prompt, "Rm : de 0 à 360");
    EXPECT_EQ(form.log().etapes[0].Rm, 90);
}

TEST_F(FrmLogTest, FiguresFollowEachKeyAndActualTimesReviseTheEstimates) {
    Open();
    TypeIn("txtDepart", "09:30");
    TypeIn("txtCarbu", "100");
    TypeIn("txtConso", "20");
    TypeIn("txtReserve", "95");
    AddLeg("Nord", 90, 40);
    TypeIn("txtV(1)", "120");
    TypeIn("txtVw(1)", "20");
    EXPECT_EQ(at("lblCap(1)").caption(), "095 °");
    EXPECT_EQ(at("lblVs(1)").caption(), "102 kts");
    AddLeg("Sud", 180, 30);
    EXPECT_EQ(at("txtV(2)").text(), "120");  // the wind of the leg before
    EXPECT_EQ(at("txtVw(2)").text(), "20");
    const std::string estimate = at("lblHE(2)").caption();
    TypeIn("txtHR(1)", "10:30");
    EXPECT_NE(at("lblHE(2)").caption(), estimate);
    EXPECT_NE(at("lblVsR(1)").caption(), "");
    EXPECT_EQ(at("lblVsR(2)").caption(), "");
    EXPECT_EQ(at("lblReste(2)").foreColour(), platform::palette::kRed);
    EXPECT_EQ(at("lblArrivee").foreColour(), platform::palette::kRed);
    EXPECT_EQ(form.resultat(), CalculLog(form.log()));
}

TEST_F(FrmLogTest, RowsAreAddedInsertedDeletedAndMovedAtTheCurrentRow) {
    Open();
    AddLeg("A", 10, 10);
    AddLeg("B", 20, 20);
    AddLeg("C", 30, 30);
    platform::Focus(at("txtRm(2)"));
    EXPECT_EQ(form.currentRow(), 2);
    platform::Click(at("cmdInserer"));
    EXPECT_EQ(Reperes(), "A;;B;C;");
    EXPECT_EQ(at("txtRepere(3)").text(), "B");
    EXPECT_EQ(at("txtRm(2)").text(), "");
    EXPECT_EQ(form.focused(), &at("txtRepere(2)"));
    platform::Click(at("cmdSupprimer"));
    EXPECT_EQ(Reperes(), "A;B;C;");
    platform::Focus(at("txtDist(3)"));
    platform::PressShortcut(form, "Alt+Up");
    EXPECT_EQ(Reperes(), "A;C;B;");
    EXPECT_EQ(form.currentRow(), 2);
    EXPECT_EQ(at("txtRm(2)").text(), "30");
    platform::PressShortcut(form, "Alt+Down");
    EXPECT_EQ(Reperes(), "A;B;C;");
    platform::Focus(at("txtRepere(1)"));
    platform::Click(at("cmdMonter"));  // already first: nothing
    EXPECT_EQ(Reperes(), "A;B;C;");
    // Enter in the last row makes the next leg; rows show only once their leg exists.
    EXPECT_FALSE(at("txtRm(4)").visible());
    platform::KeyPress(at("txtVw(3)"), platform::kEnterKey);
    EXPECT_EQ(form.log().etapes.size(), 4u);
    EXPECT_TRUE(at("txtRm(4)").visible());
    EXPECT_EQ(form.focused(), &at("txtRepere(4)"));
    EXPECT_EQ(form.resultat(), CalculLog(form.log()));
}

// Past the rows in view the table scrolls to keep the current row in view; the bar scrolls it.
TEST_F(FrmLogTest, TheCurrentRowStaysInView) {
    Open();
    for (int i = 0; i < 15; ++i) platform::Click(at("cmdAjouter"));
    EXPECT_TRUE(at("txtRm(15)").visible());
    EXPECT_FALSE(at("txtRm(3)").visible());
    EXPECT_EQ(at("txtRm(4)").top(), at("txtRm(1)").design().top);
    EXPECT_EQ(at("vscEtapes").max(), 4);
    platform::ThumbRelease(at("vscEtapes"), 1);
    EXPECT_TRUE(at("txtRm(1)").visible());
    EXPECT_FALSE(at("txtRm(13)").visible());
    EXPECT_EQ(at("lblCap(12)").top(),
              at("lblCap(1)").design().top + 11 * at("lblCap(1)").design().rowPitch);
    for (int i = 15; i < 100; ++i) platform::Click(at("cmdAjouter"));
    EXPECT_TRUE(host.messageBoxes.empty());
    platform::Click(at("cmdAjouter"));
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(form.log().etapes.size(), 100u);
}

TEST_F(FrmLogTest, SaveReopenAndTheTitle) {
    Open();
    EXPECT_EQ(form.caption(), "Log de navigation");
    AddLeg("Étampes", 90, 40);
    EXPECT_EQ(form.caption(), "*Log de navigation");
    EXPECT_TRUE(docs.FileExists("/recovery/log-en-cours.vlog"));
    docs.fileNames = {"/vols/route.vlog"};
    platform::PressShortcut(form, "Ctrl+S");
    EXPECT_EQ(form.caption(), "Log de navigation - route.vlog");
    EXPECT_EQ(docs.files["/vols/route.vlog"], WriteLog(form.log()));
    EXPECT_FALSE(docs.FileExists("/recovery/log-en-cours.vlog"));
    const LogNav saved = form.log();
    // Saving again writes to the same file without asking.
    TypeIn("txtRm(1)", "95");
    platform::Click(at("cmdEnregistrer"));
    EXPECT_EQ(docs.dialogs.size(), 1u);
    EXPECT_NE(docs.files["/vols/route.vlog"], WriteLog(saved));
    docs.files["/vols/autre.vlog"] = WriteLog(saved);
    docs.fileNames = {"/vols/autre.vlog"};
    platform::PressShortcut(form, "Ctrl+O");
    EXPECT_EQ(form.log(), saved);
    EXPECT_EQ(at("txtRepere(1)").text(), "Étampes");
    EXPECT_EQ(at("txtRm(1)").text(), "90");
    EXPECT_EQ(form.caption(), "Log de navigation - autre.vlog");
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(FrmLogTest, ABadFileSaysWhyAndLeavesTheLogAsItWas) {
    Open();
    AddLeg("A", 90, 40);
    docs.fileNames = {"/x.vlog"};
    platform::Click(at("cmdEnregistrer"));
    const LogNav before = form.log();
    const std::string caption = form.caption();
    const std::pair<const char*, std::string> kBad[] = {
        {"/tronque.vlog", WriteLog(before).substr(0, 40)},
        {"/texte.vlog", "pas du JSON"},
        {"/version.vlog", R"({"format": "ventrose-log", "version": 7})"},
        {"/enorme.vlog", std::string(kMaxFichier + 1, ' ')},
    };
    for (const auto& [path, bytes] : kBad) {
        SCOPED_TRACE(path);
        docs.files[path] = bytes;
        docs.fileNames = {path};
        host.messageBoxes.clear();
        platform::Click(at("cmdOuvrir"));
        ASSERT_EQ(host.messageBoxes.size(), 1u);
        EXPECT_NE(host.messageBoxes[0].prompt.find(std::string(path).substr(1)), std::string::npos);
        EXPECT_EQ(form.log(), before);
        EXPECT_EQ(form.caption(), caption);
        EXPECT_EQ(docs.files[path], bytes);
    }
    docs.fileNames = {"/absent.vlog"};
    platform::Click(at("cmdOuvrir"));
    EXPECT_EQ(form.log(), before);
}

TEST_F(FrmLogTest, AFailedSaveKeepsTheLogUnsaved) {
    Open();
    AddLeg("A", 90, 40);
    docs.fullDisk.insert("/plein.vlog");
    docs.fileNames = {"/plein.vlog"};
    EXPECT_FALSE(form.cmdEnregistrer_Click());
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].prompt,
              "Le fichier /plein.vlog n'a pas pu être enregistré : disque plein.");
    EXPECT_TRUE(form.unsaved());
    EXPECT_EQ(form.caption(), "*Log de navigation");
    EXPECT_TRUE(docs.FileExists("/recovery/log-en-cours.vlog"));
}

TEST_F(FrmLogTest, ClosingWithUnsavedChangesAsks) {
    Open();
    AddLeg("A", 90, 40);
    docs.saveAnswer = SaveChangesAnswer::Cancel;
    platform::CloseRequest(form);
    EXPECT_TRUE(form.loaded());
    platform::Click(at("cmdQuit"));
    EXPECT_TRUE(form.loaded());
    EXPECT_EQ(docs.questions, 2);
    docs.saveAnswer = SaveChangesAnswer::Save;
    docs.fileNames = {std::nullopt};  // the save dialog cancelled: still open
    platform::CloseRequest(form);
    EXPECT_TRUE(form.loaded());
    docs.fileNames = {"/fin.vlog"};
    platform::CloseRequest(form);
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(docs.FileExists("/fin.vlog"));
    // Saved: the next closing asks nothing.
    Open();
    platform::Click(at("cmdQuit"));
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(docs.questions, 4);
}

TEST_F(FrmLogTest, AnUnsavedLogIsOfferedBackAtTheNextOpening) {
    Open();
    AddLeg("Perdu", 90, 40);
    const LogNav lost = form.log();
    // A crash: the window goes without asking; the copy stays.
    app.runtime().End();
    ASSERT_TRUE(docs.FileExists("/recovery/log-en-cours.vlog"));

    platform::HeadlessHost host2;
    app::Application again{host2, docs};
    again.Start();
    docs.yes = true;
    platform::Click(again.frmMainCalc()["cmdLog"]);
    EXPECT_EQ(again.frmLog().log(), lost);
    EXPECT_TRUE(again.frmLog().unsaved());
    EXPECT_EQ(again.frmLog()["txtRepere(1)"].text(), "Perdu");
    // Declined, the copy goes.
    docs.saveAnswer = SaveChangesAnswer::Discard;
    platform::Click(again.frmLog()["cmdQuit"]);
    EXPECT_FALSE(docs.FileExists("/recovery/log-en-cours.vlog"));
}

// A copy kept against a crash that cannot be read back (written by a version that let a control
// character in) is put aside, under a name that does not overwrite an earlier one, and said;
// the log starts afresh and keeps its own copy again.
TEST_F(FrmLogTest, ARecoveryThatCannotBeReadIsPutAsideAndSaid) {
    const std::string bad = R"({"format": "ventrose-log", "version": 1, "Vp": 120,)"
                            R"( "departure": "09:30", "fuel": {"unit": "l", "atDeparture": 0,)"
                            R"( "perHour": 0, "reserve": 0}, "legs": [{"waypoint": "A",)"
                            R"( "Rm": 90, "D": 40, "V": 0, "Vw": 0}]})";
    docs.files["/recovery/log-en-cours.vlog"] = bad;
    docs.files["/recovery/log-illisible.vlog"] = "plus ancien";
    Open();
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].prompt,
              "Le log non enregistré de la dernière fois ne peut pas être repris. Étape 1 : le "
              "repère contient un caractère de contrôle. Il est gardé à part dans « "
              "/recovery/log-illisible-2.vlog ».");
    EXPECT_EQ(docs.questions, 0) << "nothing is offered back";
    EXPECT_EQ(docs.files["/recovery/log-illisible-2.vlog"], bad);
    EXPECT_EQ(docs.files["/recovery/log-illisible.vlog"], "plus ancien");
    EXPECT_FALSE(docs.FileExists("/recovery/log-en-cours.vlog"));
    AddLeg("B", 90, 40);
    EXPECT_TRUE(docs.FileExists("/recovery/log-en-cours.vlog"));
}

// One that cannot even be read stays where it is, and no copy is written over it.
TEST_F(FrmLogTest, ARecoveryThatCannotBeReadAtAllIsLeftAlone) {
    const std::string huge(kMaxFichier + 1, ' ');
    docs.files["/recovery/log-en-cours.vlog"] = huge;
    Open();
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_NE(host.messageBoxes[0].prompt.find("Il reste dans « /recovery/log-en-cours.vlog »"),
              std::string::npos);
    AddLeg("B", 90, 40);
    EXPECT_EQ(docs.files["/recovery/log-en-cours.vlog"], huge);
}

TEST_F(FrmLogTest, ExportAndPrintGoThroughTheDocuments) {
    Open();
    AddLeg("A", 90, 40);
    docs.fileNames = {"/a.csv"};
    platform::PressShortcut(form, "Ctrl+E");
    EXPECT_EQ(docs.dialogs.back().filter, "Fichier CSV (*.csv)");
    EXPECT_TRUE(docs.FileExists("/a.csv"));
    platform::PressShortcut(form, "Ctrl+P");
    EXPECT_EQ(docs.printed, 1);
}

// Printed before it was ever saved, the log is headed by its window's name once.
TEST_F(FrmLogTest, ALogNeverSavedIsPrintedUnderTheWindowsNameAlone) {
    Open();
    AddLeg("A", 90, 40);
    platform::PressShortcut(form, "Ctrl+P");
    EXPECT_EQ(docs.lastPrinted.title, "Log de navigation");
    ASSERT_FALSE(docs.lastPrinted.pages.empty());
    EXPECT_EQ(docs.lastPrinted.pages[0].texts[0].text, "Log de navigation");
    docs.fileNames = {"/vols/route.vlog"};
    platform::PressShortcut(form, "Ctrl+S");
    platform::PressShortcut(form, "Ctrl+P");
    EXPECT_EQ(docs.lastPrinted.title, "route.vlog");
    EXPECT_EQ(docs.lastPrinted.pages[0].texts[0].text, "Log de navigation — route.vlog");
}

// Little Navmap's KYKM to CYLW, as the route's core test measures it.
constexpr const char* kPlan =
    "<LittleNavmap><Flightplan><Waypoints>"
    "<Waypoint><Ident>KYKM</Ident><Pos Lon=\"-120.543999\" Lat=\"46.568199\"/></Waypoint>"
    "<Waypoint><Name>User defined point</Name><Pos Lon=\"-120.848\" Lat=\"47.676601\"/>"
    "</Waypoint>"
    "<Waypoint><Ident>DIABO</Ident><Pos Lon=\"-120.93708\" Lat=\"48.833759\"/></Waypoint>"
    "<Waypoint><Ident>CYLW</Ident><Pos Lon=\"-119.377998\" Lat=\"49.957199\"/></Waypoint>"
    "</Waypoints></Flightplan></LittleNavmap>";

std::optional<common::LatLon> At(double latitude, double longitude) {
    return common::LatLon{latitude, longitude};
}

// The positions of an imported plan go with their legs wherever the legs go, through the file
// and the copy kept against a crash; the courses and distances typed over them are the
// pilot's; a leg made by hand has none.
TEST_F(FrmLogTest, PositionsGoWithTheirLegs) {
    Open();
    docs.files["/plans/kykm.lnmpln"] = kPlan;
    docs.fileNames = {"/plans/kykm.lnmpln"};
    platform::PressShortcut(form, "Ctrl+I");
    ASSERT_EQ(Reperes(), "User defined point;DIABO;CYLW;");
    EXPECT_EQ(form.log().origin, "KYKM");
    EXPECT_EQ(form.log().originPosition, At(46.568199, -120.543999));
    EXPECT_EQ(form.log().etapes[0].Rm, 335);
    EXPECT_EQ(form.log().etapes[0].D, 68);
    EXPECT_EQ(form.path(), "");
    EXPECT_TRUE(form.unsaved());
    EXPECT_EQ(std::get<LogNav>(ReadLog(docs.files["/recovery/log-en-cours.vlog"])), form.log());

    TypeIn("txtRm(1)", "330");
    EXPECT_EQ(form.log().etapes[0].Rm, 330);
    EXPECT_EQ(form.log().etapes[0].position, At(47.676601, -120.848));
    platform::Focus(at("txtRm(3)"));
    platform::Click(at("cmdMonter"));
    EXPECT_EQ(Reperes(), "User defined point;CYLW;DIABO;");
    EXPECT_EQ(form.log().etapes[1].position, At(49.957199, -119.377998));
    platform::Click(at("cmdInserer"));
    EXPECT_EQ(form.log().etapes[1].position, std::nullopt);
    platform::Click(at("cmdSupprimer"));
    platform::Focus(at("txtRm(1)"));
    platform::Click(at("cmdSupprimer"));
    platform::PressShortcut(form, "Ctrl+Z");
    EXPECT_EQ(form.log().etapes[0].position, At(47.676601, -120.848));
    platform::Click(at("cmdAjouter"));
    EXPECT_EQ(form.log().etapes[3].position, std::nullopt);

    const LogNav imported = form.log();
    docs.fileNames = {"/vols/kykm.vlog"};
    platform::PressShortcut(form, "Ctrl+S");
    platform::Click(at("cmdQuit"));
    Open();
    docs.fileNames = {"/vols/kykm.vlog"};
    platform::PressShortcut(form, "Ctrl+O");
    EXPECT_EQ(form.log(), imported);
    EXPECT_EQ(at("txtOrigine").text(), "KYKM");
    EXPECT_EQ(at("txtRm(1)").text(), "330");
    EXPECT_TRUE(host.messageBoxes.empty());
}

// The origin is typed as a waypoint is, by the same rule, and is part of the log.
TEST_F(FrmLogTest, TheOriginIsTypedAsAWaypoint) {
    Open();
    platform::Paste(at("txtOrigine"), "Toussus\x7f-le-Noble");
    EXPECT_EQ(form.log().origin, "Toussus-le-Noble");
    EXPECT_TRUE(form.unsaved());
    platform::Paste(at("txtOrigine"), std::string(30, 'x'));
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].prompt, "De : 40 caractères au plus");
    EXPECT_EQ(at("txtOrigine").text(), "Toussus-le-Noble");
}

}  // namespace
}  // namespace ventrose::navlog
