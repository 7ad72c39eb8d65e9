// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

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

FormDesign makeDesign() {
    FormDesign d{.name = "frmRows", .caption = "rows"};
    d.controls.push_back({.kind = ControlKind::Label, .name = "lblTitle", .caption = "title"});
    d.controls.push_back({.kind = ControlKind::TextBox,
                          .name = "txtRm",
                          .caption = "0",
                          .left = 100,
                          .top = 300,
                          .width = 600,
                          .height = 285,
                          .rows = 3,
                          .rowPitch = 300});
    d.controls.push_back(
        {.kind = ControlKind::Label, .name = "lblCap", .caption = "-", .rows = 3, .rowPitch = 300});
    d.controls.push_back({.kind = ControlKind::CommandButton, .name = "cmdAjouter"});
    return d;
}

// A window with arrays, whose handlers record the row they were given.
class Rows : public Form {
public:
    explicit Rows(Runtime& runtime) : Form(runtime, design_) {
        txtRm.onKeyPress([this](int index, int& key) {
            events.push_back("key " + std::to_string(index));
            if (key == 'x') key = 0;
            lblCap[index]->setCaption("cap " + txtRm[index]->text());
        });
        lblCap.onClick([this](int index) { events.push_back("click " + std::to_string(index)); });
        cmdAjouter.onClick([this] { events.push_back("ajouter"); });
    }
    static inline const FormDesign design_ = makeDesign();
    TextBoxArrayRef txtRm{*this, "txtRm"};
    LabelArrayRef lblCap{*this, "lblCap"};
    ButtonRef cmdAjouter{*this, "cmdAjouter"};
    std::vector<std::string> events;
};

struct Fixture : ::testing::Test {
    HeadlessHost host;
    Runtime runtime{host};
    Rows form{runtime};
    void SetUp() override { runtime.Load(form); }
};

TEST_F(Fixture, EachElementIsAControlNamedByItsRowFromOne) {
    EXPECT_EQ(form.controls().size(), 1u + 3u + 3u + 1u);
    for (int i = 1; i <= 3; ++i) {
        Control& box = form["txtRm(" + std::to_string(i) + ")"];
        EXPECT_EQ(&box, &*form.txtRm[i]);
        EXPECT_EQ(box.index(), i);
        EXPECT_EQ(box.text(), "0");
        EXPECT_EQ(box.left(), 100);
        EXPECT_EQ(box.top(), 300 + (i - 1) * 300);  // each row below the one before
    }
    EXPECT_EQ(form["lblTitle"].index(), 0);
    EXPECT_EQ(form["lblTitle"].name(), "lblTitle");
    EXPECT_EQ(form.find("txtRm"), nullptr);  // the array itself is no control
    EXPECT_EQ(form.find("txtRm(0)"), nullptr);
    EXPECT_EQ(form.find("txtRm(4)"), nullptr);
    EXPECT_EQ(form.txtRm.rows(), 3);
}

TEST_F(Fixture, AnElementOutsideTheArrayIsOutOfRange) {
    EXPECT_THROW(*form.txtRm[0], std::out_of_range);
    EXPECT_THROW(*form.txtRm[4], std::out_of_range);
}

TEST_F(Fixture, SingleControlsAfterAnArrayAreStillFoundByTheirReferences) {
    EXPECT_EQ(&*form.cmdAjouter, &form["cmdAjouter"]);
    ASSERT_TRUE(Click(*form.cmdAjouter));
    EXPECT_EQ(form.events, (std::vector<std::string>{"ajouter"}));
}

// The key filter is one handler for the whole column; it is told the row it filters and can
// refuse the key as for any box, with the caret and the selection the element's own.
TEST_F(Fixture, AKeyPressReachesTheColumnsHandlerWithItsRow) {
    Control& second = *form.txtRm[2];
    ASSERT_TRUE(Select(second, 0, 1));
    ASSERT_TRUE(KeyPress(second, '9'));
    EXPECT_EQ(form.lblCap[2]->caption(), "cap 0");  // the handler runs before the key is typed
    ASSERT_TRUE(KeyPress(second, 'x'));
    EXPECT_EQ(second.text(), "9");
    EXPECT_EQ(second.selStart(), 1);
    EXPECT_EQ(form.txtRm[1]->text(), "0");
    EXPECT_EQ(form.events, (std::vector<std::string>{"key 2", "key 2"}));
    ASSERT_TRUE(Click(*form.lblCap[3]));
    EXPECT_EQ(form.events.back(), "click 3");
}

// A window colours a row's figure to call attention to it; the colour is each element's own.
TEST_F(Fixture, EachElementHasItsOwnTextColour) {
    EXPECT_EQ(form.lblCap[2]->foreColour(), kDefaultColour);
    form.lblCap[2]->setForeColour(0xD00000);
    EXPECT_EQ(form.lblCap[2]->foreColour(), 0xD00000u);
    EXPECT_EQ(form.lblCap[1]->foreColour(), kDefaultColour);
}

TEST_F(Fixture, ElementsAreMadeAnewAtEachLoad) {
    // Another window stays loaded, so that unloading this one does not end the application.
    static const FormDesign other{.name = "frmOther"};
    Form keeper(runtime, other);
    runtime.Load(keeper);
    form.txtRm[3]->setText("270");
    form.lblCap[3]->setForeColour(0xD00000);
    runtime.Unload(form);
    runtime.Load(form);
    EXPECT_EQ(form.txtRm[3]->text(), "0");
    EXPECT_EQ(form.lblCap[3]->foreColour(), kDefaultColour);
}

// A reference of the wrong shape is a programming error caught when the window is built.
TEST(ControlArray, AReferenceMustMatchWhetherTheDesignHasAnArray) {
    HeadlessHost host;
    Runtime runtime{host};
    Rows form{runtime};
    EXPECT_THROW((TextBoxRef{form, "txtRm"}), std::logic_error);
    EXPECT_THROW((ButtonArrayRef{form, "cmdAjouter"}), std::logic_error);
    EXPECT_THROW((TextBoxArrayRef{form, "lblCap"}), std::logic_error);
}

}  // namespace
}  // namespace ventrose::platform
