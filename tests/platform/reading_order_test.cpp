// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/design_dialect.h"
#include "platform/form.h"
#include "platform/headless_host.h"
#include "platform/reading_order.h"
#include "platform/runtime.h"

namespace ventrose::platform {
namespace {

using namespace dialect;

Place px(int left, int top, int width, int height) {
    return {left * kPx, top * kPx, width * kPx, height * kPx};
}

FormDesign readingDesign() {
    FormDesign d{.name = "frmOrder", .caption = "Ordre", .width = 400 * kPx, .height = 300 * kPx};
    d.controls = {
        Button("cmdRight", "", "Droite", px(200, 10, 50, 20)),
        // A few pixels lower than the button, but above its middle: the same line.
        Box("txtLeft", "", px(10, 14, 50, 20)),
        Frame("fraOuter", "", "Cadre", px(10, 50, 300, 100)),
        Option("optInner", "fraOuter", "Dedans", px(5, 5, 50, 17)),
        Frame("fraNested", "fraOuter", "", px(100, 40, 150, 50)),
        Box("txtNested", "fraNested", px(4, 6, 40, 20)),
        Button("cmdBeside", "", "A côté", px(100, 52, 50, 20)),
        Box("txtBelow", "", px(10, 160, 50, 20)),
    };
    return d;
}

struct ReadingOrderTest : ::testing::Test {
    FormDesign design = readingDesign();
    HeadlessHost host;
    Runtime runtime{host};
    Form form{runtime, design};

    ReadingOrderTest() { runtime.Load(form); }

    std::vector<std::string> ordered(const std::vector<const char*>& names) const {
        std::vector<const Control*> controls;
        for (const char* name : names) controls.push_back(&form[name]);
        std::vector<std::string> result;
        for (const Control* control : InReadingOrder(controls)) result.push_back(control->name());
        return result;
    }
};

TEST_F(ReadingOrderTest, PlacesAreCountedThroughEveryFrame) {
    const TwipRect inner = PlaceInWindow(form["optInner"]);
    EXPECT_EQ(inner.left, 15 * kPx);
    EXPECT_EQ(inner.top, 55 * kPx);
    EXPECT_EQ(inner.right(), 65 * kPx);
    EXPECT_EQ(inner.bottom(), 72 * kPx);
    const TwipRect nested = PlaceInWindow(form["txtNested"]);
    EXPECT_EQ(nested.left, 114 * kPx);
    EXPECT_EQ(nested.top, 96 * kPx);
}

TEST_F(ReadingOrderTest, RowsFromTopToBottomEachFromLeftToRight) {
    EXPECT_EQ(
        ordered({"txtBelow", "cmdBeside", "cmdRight", "optInner", "txtLeft"}),
        (std::vector<std::string>{"txtLeft", "cmdRight", "optInner", "cmdBeside", "txtBelow"}));
}

TEST_F(ReadingOrderTest, AFrameMovedTakesItsControlsWithIt) {
    form["fraOuter"].setTop(170 * kPx);
    EXPECT_EQ(
        ordered({"txtBelow", "cmdBeside", "cmdRight", "optInner", "txtLeft"}),
        (std::vector<std::string>{"txtLeft", "cmdRight", "cmdBeside", "txtBelow", "optInner"}));
}

TEST_F(ReadingOrderTest, NothingToOrderIsNothing) { EXPECT_TRUE(InReadingOrder({}).empty()); }

}  // namespace
}  // namespace ventrose::platform
