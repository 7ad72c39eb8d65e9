// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/control_ref.h"
#include "platform/form.h"
#include "platform/headless_host.h"
#include "platform/runtime.h"
#include "platform/user_actions.h"

namespace ventrose::platform {
namespace {

FormDesign makeDesign(const std::string& name) {
    FormDesign d{.name = name, .caption = name};
    d.controls.push_back({.kind = ControlKind::HScrollBar,
                          .name = "hsc",
                          .min = 0,
                          .max = 100,
                          .smallChange = 1,
                          .largeChange = 10,
                          .value = 50});
    // An upward bar: Min at the top is the larger number.
    d.controls.push_back({.kind = ControlKind::VScrollBar,
                          .name = "vsc",
                          .min = 45,
                          .max = 0,
                          .smallChange = 1,
                          .largeChange = 5,
                          .value = 0});
    d.controls.push_back({.kind = ControlKind::Frame, .name = "fra"});
    d.controls.push_back(
        {.kind = ControlKind::OptionButton, .name = "optA", .container = "fra", .selected = true});
    d.controls.push_back({.kind = ControlKind::OptionButton, .name = "optB", .container = "fra"});
    d.controls.push_back({.kind = ControlKind::OptionButton, .name = "optC"});
    d.controls.push_back({.kind = ControlKind::OptionButton, .name = "optD", .selected = true});
    d.controls.push_back({.kind = ControlKind::TextBox, .name = "txt"});
    d.controls.push_back({.kind = ControlKind::Label, .name = "lbl", .caption = "design"});
    // Without the dialect's range: the kind alone keeps it to 0 and 1.
    d.controls.push_back({.kind = ControlKind::CheckBox, .name = "chk", .value = 7});
    return d;
}

// A window that records which of its handlers ran.
class Recorder : public Form {
public:
    Recorder(Runtime& runtime, const FormDesign& design) : Form(runtime, design) {
        onLoad([this] { events.push_back("load"); });
        onUnload([this] {
            events.push_back("unload");
            if (unloadAgain) this->runtime().Unload(*this);
        });
        onChange("hsc",
                 [this] { events.push_back("hsc " + std::to_string((*this)["hsc"].value())); });
        onChange("vsc",
                 [this] { events.push_back("vsc " + std::to_string((*this)["vsc"].value())); });
        for (const char* opt : {"optA", "optB", "optC", "optD"})
            onClick(opt, [this, opt] { events.push_back(std::string("click ") + opt); });
        onClick("chk", [this] {
            events.push_back("click chk " + std::to_string((*this)["chk"].value()) +
                             (this->runtime().isActedOnByPerson((*this)["chk"]) ? " by hand" : ""));
        });
        onKeyPress("txt", [](int& key) {
            if (key == '.') key = ',';
            if (key == 'x') key = 0;
        });
    }
    std::vector<std::string> events;
    bool unloadAgain = false;
};

struct RuntimeTest : ::testing::Test {
    FormDesign mainDesign = makeDesign("frmA");
    FormDesign otherDesign = makeDesign("frmB");
    HeadlessHost host;
    Runtime runtime{host};
    Recorder a{runtime, mainDesign};
    Recorder b{runtime, otherDesign};

    void SetUp() override {
        runtime.Load(a);
        runtime.Show(a, ShowMode::Modeless);
        a.events.clear();
    }
};

TEST_F(RuntimeTest, SettingAValueRunsChangeOnlyWhenItChanges) {
    a["hsc"].setValue(50);
    a["hsc"].setValue(70);
    a["hsc"].setValue(500);  // brought to the nearer end
    a["hsc"].setValue(-3);
    EXPECT_EQ(a.events, (std::vector<std::string>{"hsc 70", "hsc 100", "hsc 0"}));
}

TEST_F(RuntimeTest, PersonMovesStayWithinTheRangeWhicheverWayRound) {
    struct Row {
        const char* what;
        const char* bar;
        bool arrow;
        Toward toward;
        int times;
        int expected;
    };
    const Row rows[] = {
        {"arrow toward Max", "hsc", true, Toward::Max, 3, 53},
        {"trough stops at Max", "hsc", false, Toward::Max, 9, 100},
        {"trough toward Min", "hsc", false, Toward::Min, 3, 70},
        {"upward bar: toward Min climbs", "vsc", true, Toward::Min, 2, 2},
        {"upward bar: trough to its top", "vsc", false, Toward::Min, 20, 45},
        {"upward bar: toward Max descends to 0", "vsc", true, Toward::Max, 50, 0},
    };
    for (const Row& row : rows) {
        for (int i = 0; i < row.times; ++i) {
            Control& bar = a[row.bar];
            EXPECT_TRUE(row.arrow ? ArrowClick(bar, row.toward) : TroughClick(bar, row.toward))
                << row.what;
        }
        EXPECT_EQ(a[row.bar].value(), row.expected) << row.what;
    }
    ThumbRelease(a["vsc"], 99);
    EXPECT_EQ(a["vsc"].value(), 45);
}

TEST_F(RuntimeTest, OptionsAreExclusiveWithinTheirContainerOnly) {
    EXPECT_TRUE(Click(a["optB"]));
    EXPECT_TRUE(Click(a["optB"]));  // already selected: runs nothing
    EXPECT_FALSE(a["optA"].selected());
    EXPECT_TRUE(a["optD"].selected());  // another container
    a["optC"].setSelected(true);
    EXPECT_FALSE(a["optD"].selected());
    EXPECT_TRUE(a["optB"].selected());
    EXPECT_EQ(a.events, (std::vector<std::string>{"click optB", "click optC"}));
}

// A click toggles a check box through its Value, and the new value runs its Click handler, told
// a person's click from window code's setting.
TEST_F(RuntimeTest, ACheckBoxTogglesAndRunsClickOnlyWhenItChanges) {
    EXPECT_EQ(a["chk"].value(), 1);
    EXPECT_TRUE(Click(a["chk"]));
    a["chk"].setValue(0);
    a["chk"].setValue(5);
    EXPECT_TRUE(Click(a["chk"]));
    EXPECT_EQ(a.events, (std::vector<std::string>{"click chk 0 by hand", "click chk 1",
                                                  "click chk 0 by hand"}));
    EXPECT_FALSE(runtime.isActedOnByPerson(a["chk"])) << "only while the action runs";
}

TEST_F(RuntimeTest, KeyPressGoesThroughTheFilterBeforeInsertion) {
    struct Row {
        int key;
        const char* text;
    };
    const Row rows[] = {{'1', "1"}, {'.', "1,"}, {'x', "1,"}, {13, "1,"}, {233, "1,é"},
                        {8, "1,"},  {8, "1"},    {8, ""},     {8, ""}};
    for (const Row& row : rows) {
        EXPECT_TRUE(KeyPress(a["txt"], row.key));
        EXPECT_EQ(a["txt"].text(), row.text) << "after key " << row.key;
    }
    Paste(a["txt"], "a\r\nb.");
    EXPECT_EQ(a["txt"].text(), "ab.");  // no filter, no line breaks in a one-line box
}

TEST_F(RuntimeTest, UnloadRunsItsHandlerOnceEvenWhenAskedAgain) {
    a.unloadAgain = true;
    runtime.Unload(a);
    EXPECT_EQ(a.events, (std::vector<std::string>{"unload"}));
    EXPECT_TRUE(runtime.ended());  // no window left
    EXPECT_EQ(runtime.log().back(), "end");
}

TEST_F(RuntimeTest, ControlsComeBackFromTheDesignAtEachLoad) {
    runtime.Load(b);
    b["lbl"].setCaption("changed");
    b["hsc"].setValue(10);
    runtime.Unload(b);
    EXPECT_EQ(b.find("lbl"), nullptr);
    runtime.Load(b);
    EXPECT_EQ(b["lbl"].caption(), "design");
    EXPECT_EQ(b["hsc"].value(), 50);
    EXPECT_EQ(b.events, (std::vector<std::string>{"load", "hsc 10", "unload", "load"}));
    ASSERT_EQ(runtime.Forms().size(), 2u);
    EXPECT_EQ(runtime.Forms()[1], &b);
}

TEST_F(RuntimeTest, AModalWindowTakesTheInputOfTheOthers) {
    bool refusedUnder = false;
    host.onModal = [&](Form& shown) {
        EXPECT_EQ(runtime.activeForm(), &shown);
        refusedUnder = !ArrowClick(a["hsc"], Toward::Max) && !Click(a["optB"]) &&
                       !Click(a["chk"]) && !CloseRequest(a) && !KeyPress(a["txt"], '1') &&
                       !ClearText(a["txt"]);
        EXPECT_TRUE(ArrowClick(b["hsc"], Toward::Max));
        CloseRequest(b);
    };
    runtime.Show(b, ShowMode::Modal);
    EXPECT_TRUE(refusedUnder);
    EXPECT_TRUE(a.events.empty());
    EXPECT_FALSE(b.loaded());
    EXPECT_EQ(runtime.activeForm(), &a);
    EXPECT_EQ(runtime.log(), (std::vector<std::string>{"load frmA", "show frmA", "load frmB",
                                                       "show-modal frmB", "unload frmB"}));
}

// A file dropped reaches a window that takes files, unless a modal window is over it; a window
// without the handler takes none.
TEST_F(RuntimeTest, ADroppedFileReachesOnlyAWindowThatTakesFiles) {
    std::vector<std::string> dropped;
    b.onDropFile([&dropped](const std::string& path) { dropped.push_back(path); });
    EXPECT_FALSE(a.takesDroppedFiles());
    EXPECT_FALSE(DropFile(a, "/tmp/plan.fms"));
    EXPECT_TRUE(b.takesDroppedFiles());
    bool refusedUnder = false;
    a.onDropFile([&dropped](const std::string& path) { dropped.push_back("under " + path); });
    host.onModal = [&](Form&) {
        EXPECT_TRUE(DropFile(b, "/tmp/plan.fms"));
        refusedUnder = !DropFile(a, "/tmp/other.fms");
        CloseRequest(b);
    };
    runtime.Load(b);
    runtime.Show(b, ShowMode::Modal);
    EXPECT_TRUE(refusedUnder);
    EXPECT_FALSE(DropFile(b, "/tmp/unloaded.fms"));
    EXPECT_EQ(dropped, std::vector<std::string>{"/tmp/plan.fms"});
}

TEST_F(RuntimeTest, NothingRunsAfterTheEnd) {
    runtime.End();
    a.events.clear();
    runtime.Load(b);
    EXPECT_FALSE(b.loaded());
    EXPECT_FALSE(a.loaded());
    EXPECT_EQ(runtime.log().back(), "end");
    EXPECT_TRUE(a.events.empty());
    EXPECT_EQ(runtime.activeForm(), nullptr);
}

TEST_F(RuntimeTest, MessageBoxesKnowTheirWindow) {
    runtime.MsgBox("Il faut entrer un nombre", 48, "Erreur");
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].owner, "frmA");
    EXPECT_EQ(host.messageBoxes[0].style, 48);
}

}  // namespace
}  // namespace ventrose::platform

namespace ventrose::platform {
namespace {

// A window's typed reference names a control of its design, of the kind it expects; anything
// else fails the window's construction, with the name.
TEST(ControlRef, AReferenceTheDesignLacksFailsWithItsName) {
    const FormDesign design = makeDesign("frmA");
    HeadlessHost host;
    Runtime runtime{host};
    Form form{runtime, design};
    struct Row {
        const char* name;
        std::function<void()> make;
        const char* said;
    };
    const Row rows[] = {
        {"MisspeltName",
         [&] {
             ScrollBarRef{form, "hsx"};
         },
         "frmA has no control hsx"},
        {"WrongKind",
         [&] {
             TextBoxRef{form, "hsc"};
         },
         "the control hsc of frmA is not of the kind"},
        {"BindingByAMisspeltName", [&] { form.onClick("optZ", [] {}); },
         "frmA has no control optZ"},
        {"UseBeforeLoad",
         [&] {
             ScrollBarRef { form, "hsc" } -> value();
         },
         "frmA is not loaded"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            row.make();
            ADD_FAILURE() << "accepted";
        } catch (const std::logic_error& e) {
            EXPECT_NE(std::string(e.what()).find(row.said), std::string::npos) << e.what();
        }
    }
    const ScrollBarRef hsc{form, "hsc"};
    int changes = 0;
    hsc.onChange([&] { ++changes; });
    runtime.Load(form);
    hsc->setValue(7);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(&*hsc, &form["hsc"]) << "the control of the current load";
}

}  // namespace
}  // namespace ventrose::platform
