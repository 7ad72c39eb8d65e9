// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "platform/accessible_names.h"
#include "platform/control.h"
#include "platform/design_dialect.h"
#include "platform/form.h"
#include "platform/headless_host.h"
#include "platform/runtime.h"

namespace ventrose::platform {
namespace {

using namespace dialect;

Place px(int left, int top, int width, int height) {
    return {left * kPx, top * kPx, width * kPx, height * kPx};
}

// One of each way a window lays out a control and what names it.
FormDesign namingDesign() {
    FormDesign d{.name = "frmNames", .caption = "Essai", .width = 600 * kPx, .height = 400 * kPx};
    d.controls = {
        Caption("lblVent", "", "Vent :", px(10, 10, 60, 17)),
        HBar("hscVent", "", px(80, 10, 200, 17), {.min = 0, .max = 360}),
        Value("lblVentV", "", px(290, 10, 50, 17), "lblVentV"),
        Caption("lblCap", "", "Cap\r\n  vrai", px(10, 40, 60, 30)),
        Box("txtCap", "", px(80, 42, 60, 20)),
        Frame("fraMode", "", "Mode de calcul", px(10, 80, 300, 80)),
        Option("optTemps", "fraMode", "Temps", px(10, 45, 80, 17)),
        HBar("hscAlt", "fraMode", px(10, 20, 100, 17), {.min = 0, .max = 100}),
        Caption("lblTitre", "", "Résultat", px(10, 170, 100, 17)),
        Value("lblRes", "", px(10, 190, 100, 17), "---"),
        Caption("lblLoin", "", "Temps de vol", px(400, 10, 80, 17)),
        LabelledBy(Value("lblVol", "", px(400, 300, 80, 17)), "lblLoin"),
        Caption("lblAide", "", "lblAide", px(10, 220, 300, 40)),
        // Two captions stacked in one place, the window showing one or the other with its bar.
        Caption("lblAltitude", "", "Altitude", px(10, 270, 60, 17)),
        Hidden(Caption("lblNiveau", "", "Niveau", px(10, 270, 60, 17))),
        Hidden(HBar("hscNiveau", "", px(80, 270, 100, 17), {.min = 0, .max = 400})),
        Button("cmdCalcul", "", "Calculer", px(400, 350, 80, 25)),
        Stroke("linSep", "", 0, 300 * kPx, 600 * kPx, 300 * kPx, 0x000000),
        Picture("imgLogo", "", "", px(500, 200, 50, 50)),
        Outline("shpBord", "", px(490, 190, 70, 70), 0x000000),
    };
    return d;
}

struct AccessibleNamesTest : ::testing::Test {
    FormDesign design = namingDesign();
    HeadlessHost host;
    Runtime runtime{host};
    Form form{runtime, design};

    AccessibleNamesTest() { runtime.Load(form); }
};

struct NameRow {
    const char* control;
    const char* name;
    const char* why;
};
constexpr NameRow kNames[] = {
    {"lblVent", "Vent :", "a caption label says its caption"},
    {"cmdCalcul", "Calculer", "a button says its caption"},
    {"optTemps", "Temps", "an option says its caption"},
    {"fraMode", "Mode de calcul", "a frame says its caption"},
    {"hscVent", "Vent :", "a bar takes the caption on its left"},
    {"txtCap", "Cap vrai", "a box takes the caption on its left, said on one line"},
    {"hscAlt", "Mode de calcul", "a bar with no caption beside takes its frame's"},
    {"lblVentV", "Essai", "a value label far from any caption takes its window's title"},
    {"lblRes", "Résultat", "a value label takes the caption above it"},
    {"lblVol", "Temps de vol", "the design may name the label that names a control"},
    {"lblAide", "lblAide", "a wrapped label the window fills says its text"},
    {"hscNiveau", "Niveau", "of two stacked captions, the one shown or hidden with the bar"},
    {"linSep", "", "a line says nothing"},
    {"imgLogo", "", "a picture says nothing"},
    {"shpBord", "", "a shape says nothing"},
};

TEST_F(AccessibleNamesTest, EveryKindIsNamedByItsCaptionOrItsPlace) {
    for (const NameRow& row : kNames) {
        SCOPED_TRACE(row.why);
        EXPECT_EQ(AccessibleNameOf(form[row.control]), row.name) << row.control;
    }
}

TEST_F(AccessibleNamesTest, AValueLabelTellsItsValueInItsDescriptionOnly) {
    Control& result = form["lblRes"];
    EXPECT_TRUE(IsValueLabel(result));
    EXPECT_EQ(AccessibleDescriptionOf(result), "---");
    result.setCaption("12,5\r\nNm");
    EXPECT_EQ(AccessibleNameOf(result), "Résultat");
    EXPECT_EQ(AccessibleDescriptionOf(result), "12,5 Nm");
    // A note says in full what a short value stands for: it is said instead.
    result.setCaption("X");
    result.setToolTipText("aucun cap ne tient la route");
    EXPECT_EQ(AccessibleDescriptionOf(result), "aucun cap ne tient la route");
    EXPECT_FALSE(IsValueLabel(form["lblTitre"]));
    EXPECT_FALSE(IsValueLabel(form["lblAide"]));
    EXPECT_FALSE(IsValueLabel(form["hscVent"]));
    EXPECT_EQ(AccessibleDescriptionOf(form["lblTitre"]), "");
}

TEST_F(AccessibleNamesTest, ACaptionThatNamesAnotherIsKnownAsSuch) {
    EXPECT_TRUE(NamesAnother(form["lblLoin"]));
    EXPECT_FALSE(NamesAnother(form["lblVent"]));
}

// A table: its columns' captions above the first row, and rows that the window may have moved.
TEST(AccessibleNamesOfRows, EachRowIsNamedByItsColumnAndItsNumber) {
    static const FormDesign design = [] {
        FormDesign d{.name = "frmRows", .caption = "Log", .width = 600 * kPx, .height = 400 * kPx};
        d.controls = {
            Caption("lblRmTitre", "", "Rm", px(10, 10, 60, 17)),
            Rows(Box("txtRm", "", px(10, 30, 60, 20)), 100, 22 * kPx),
            Caption("lblCapTitre", "", "Cap", px(80, 10, 60, 17)),
            Rows(Value("lblCap", "", px(80, 30, 60, 20)), 100, 22 * kPx),
            Rows(Button("cmdSuppr", "", "Supprimer", px(150, 30, 60, 20)), 100, 22 * kPx),
            Rows(Box("txtSans", "", px(300, 30, 60, 20)), 3, 22 * kPx),
        };
        return d;
    }();
    HeadlessHost host;
    Runtime runtime{host};
    Form form{runtime, design};
    runtime.Load(form);
    EXPECT_EQ(AccessibleNameOf(form["txtRm(1)"]), "Rm 1");
    EXPECT_EQ(AccessibleNameOf(form["txtRm(57)"]), "Rm 57");
    form["txtRm(57)"].setTop(30 * kPx);  // scrolled up to the first row's place
    form["txtRm(1)"].setTop(1000 * kPx);
    EXPECT_EQ(AccessibleNameOf(form["txtRm(57)"]), "Rm 57");
    EXPECT_EQ(AccessibleNameOf(form["txtRm(1)"]), "Rm 1");
    EXPECT_EQ(AccessibleNameOf(form["lblCap(100)"]), "Cap 100");
    form["lblCap(100)"].setCaption("095 °");
    EXPECT_EQ(AccessibleNameOf(form["lblCap(100)"]), "Cap 100");
    EXPECT_EQ(AccessibleDescriptionOf(form["lblCap(100)"]), "095 °");
    EXPECT_EQ(AccessibleNameOf(form["cmdSuppr(4)"]), "Supprimer");  // its own caption
    EXPECT_EQ(AccessibleNameOf(form["txtSans(2)"]), "Log 2");       // no caption: the window's
}

TEST(Spoken, LineBreaksAndRunsOfBlanksAreOneSpace) {
    EXPECT_EQ(Spoken("  Vitesse\r\n\tpropre  "), "Vitesse propre");
    EXPECT_EQ(Spoken(" \r\n "), "");
    EXPECT_EQ(Spoken("Vp"), "Vp");
}

}  // namespace
}  // namespace ventrose::platform
