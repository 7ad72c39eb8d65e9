// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/control_ref.h"
#include "platform/design_dialect.h"
#include "platform/form.h"
#include "platform/headless_host.h"
#include "platform/runtime.h"
#include "platform/user_actions.h"

namespace ventrose::platform {
namespace {

FormDesign makeDesign() {
    using namespace dialect;
    FormDesign d{.name = "frmKeys", .caption = "keys"};
    d.controls.push_back(Rows(Box("txtRm", "", {0, 0, 600, 285}), 3, 300));
    d.controls.push_back(Box("txtVp", "", {0, 1000, 600, 285}));
    d.controls.push_back(Shortcut(Button("cmdSave", "", "Save", {0, 1400, 600, 285}), "Ctrl+S"));
    d.controls.push_back(
        Hidden(Shortcut(Button("cmdHidden", "", "Hidden", {0, 1800, 600, 285}), "Ctrl+H")));
    return d;
}

class Keys : public Form {
public:
    explicit Keys(Runtime& runtime) : Form(runtime, design_) {
        txtRm.onGotFocus([this](int row) { events.push_back("focus " + std::to_string(row)); });
        txtRm.onChange([this](int row) { events.push_back("change " + std::to_string(row)); });
        txtVp.onChange([this] { events.push_back("change Vp " + txtVp->text()); });
        cmdSave.onClick([this] { events.push_back("save"); });
        cmdHidden.onClick([this] { events.push_back("hidden"); });
        onQueryUnload([this] { return mayClose; });
    }
    std::vector<std::string> events;
    bool mayClose = false;
    TextBoxArrayRef txtRm{*this, "txtRm"};
    TextBoxRef txtVp{*this, "txtVp"};
    ButtonRef cmdSave{*this, "cmdSave"};
    ButtonRef cmdHidden{*this, "cmdHidden"};

private:
    inline static const FormDesign design_ = makeDesign();
};

struct FocusShortcutTest : ::testing::Test {
    HeadlessHost host;
    Runtime runtime{host};
    Keys form{runtime};
    void SetUp() override {
        runtime.Load(form);
        runtime.Show(form, ShowMode::Modeless);
    }
};

// Typing, pasting or selecting in a box puts the focus there first, once; a new text, however
// it comes, runs Change after it.
TEST_F(FocusShortcutTest, EditingABoxFocusesItAndEveryNewTextRunsChange) {
    KeyPress(form["txtRm(2)"], '4');
    KeyPress(form["txtRm(2)"], '5');
    Paste(form["txtRm(1)"], "");
    Select(form["txtRm(3)"], 0, 0);
    form.txtVp->setText("120");
    form.txtVp->setText("120");
    EXPECT_EQ(form.events, (std::vector<std::string>{"focus 2", "change 2", "change 2", "focus 1",
                                                     "focus 3", "change Vp 120"}));
    EXPECT_EQ(form.focused(), &form["txtRm(3)"]);
    form.setFocus(form["txtRm(1)"]);
    EXPECT_EQ(form.events.back(), "focus 1");
}

TEST_F(FocusShortcutTest, AShortcutClicksOnlyAShownControlWithThoseKeys) {
    EXPECT_TRUE(PressShortcut(form, "Ctrl+S"));
    EXPECT_TRUE(PressShortcut(form, "Ctrl+H"));
    EXPECT_TRUE(PressShortcut(form, "Ctrl+Q"));
    EXPECT_EQ(form.events, std::vector<std::string>{"save"});
}

TEST_F(FocusShortcutTest, QueryUnloadKeepsTheWindowOpenOnACloseRequest) {
    CloseRequest(form);
    EXPECT_TRUE(form.loaded());
    form.mayClose = true;
    CloseRequest(form);
    EXPECT_FALSE(form.loaded());
}

}  // namespace
}  // namespace ventrose::platform
