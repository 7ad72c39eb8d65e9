// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window against what it stands on, read from the widgets' own palettes as
// the style paints them: at night each pair reads at 4.5:1 or more (WCAG 2's contrast for
// text); in Jour, the designs' own colours, the pairs below it are the designs' known ones.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>
#include <algorithm>
#include <iostream>
#include <set>
#include <sstream>

#include "platform/palette.h"
#include "platform/runtime.h"
#include "preferences/colour.h"
#include "preferences/recolour.h"
#include "tests/qt/app_under_test.h"

namespace ventrose::testing {
namespace {

using preferences::Palette;

preferences::Colour ToColour(const QColor& c) {
    return (static_cast<preferences::Colour>(c.red()) << 16) |
           (static_cast<preferences::Colour>(c.green()) << 8) |
           static_cast<preferences::Colour>(c.blue());
}

// What a widget's text stands on: its own filled ground, or else the nearest container's (a
// window is always filled).
QColor Ground(const QWidget& widget) {
    const QWidget* w = &widget;
    while (!w->isWindow() && !w->autoFillBackground()) w = w->parentWidget();
    return w->palette().color(w->backgroundRole());
}

struct Pair {
    std::string what;
    QColor text;
    QColor ground;
    bool greyed = false;  // a control that cannot act now: dimmer by design
    double ratio() const { return preferences::ContrastRatio(ToColour(text), ToColour(ground)); }
};

// Every text the windows show, with the colours the style draws it in: labels and options in
// WindowText on their ground, buttons in ButtonText on Button, a frame's title in WindowText on
// its Window, a text box in Text on Base and its selection in HighlightedText on Highlight.
std::vector<Pair> TextsOf(const AppUnderTest& t, const platform::Form& form) {
    std::vector<Pair> pairs;
    for (const auto& control : form.controls()) {
        QWidget* widget = t.view.widgetOf(*control);
        if (widget == nullptr) continue;
        const std::string what = form.name() + "." + control->name();
        const QPalette& p = widget->palette();
        if (qobject_cast<QPushButton*>(widget) != nullptr) {
            pairs.push_back({what, p.color(QPalette::ButtonText), p.color(QPalette::Button),
                             !widget->isEnabled()});
        } else if (qobject_cast<QLineEdit*>(widget) != nullptr) {
            pairs.push_back({what, p.color(QPalette::Text), p.color(QPalette::Base)});
            pairs.push_back({what + " (selection)", p.color(QPalette::HighlightedText),
                             p.color(QPalette::Highlight)});
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            if (!frame->title().isEmpty())
                pairs.push_back({what, p.color(QPalette::WindowText), p.color(QPalette::Window)});
        } else if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
            pairs.push_back({what, p.color(QPalette::WindowText), Ground(*widget)});
        } else if (auto* label = qobject_cast<QLabel*>(widget);
                   label != nullptr && label->pixmap().isNull()) {
            pairs.push_back({what, p.color(widget->foregroundRole()), Ground(*widget)});
        }
    }
    return pairs;
}

// The texts the toolkit draws for the windows: a message box, a tooltip, a context menu.
std::vector<Pair> ToolkitTexts() {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Erreur"), QStringLiteral("Texte"));
    const QPalette& b = box.palette();
    QMenu menu;
    const QPalette& m = menu.palette();
    const QPalette t = QToolTip::palette();
    return {
        {"message box", b.color(QPalette::WindowText), b.color(QPalette::Window)},
        {"message box button", b.color(QPalette::ButtonText), b.color(QPalette::Button)},
        {"menu entry", m.color(QPalette::Text), m.color(QPalette::Base)},
        {"menu entry chosen", m.color(QPalette::HighlightedText), m.color(QPalette::Highlight)},
        {"tooltip", t.color(QPalette::ToolTipText), t.color(QPalette::ToolTipBase)},
    };
}

// Every window loaded (so that each has its widgets) and shown in `palette`.
std::vector<Pair> EveryText(AppUnderTest& t, Palette palette) {
    t.app.Start();
    for (platform::Form* form : AllWindows(t.app)) t.app.runtime().Load(*form);
    t.view.setPalette(palette);
    std::vector<Pair> pairs;
    for (platform::Form* form : AllWindows(t.app)) {
        const std::vector<Pair> texts = TextsOf(t, *form);
        pairs.insert(pairs.end(), texts.begin(), texts.end());
    }
    const std::vector<Pair> toolkit = ToolkitTexts();
    pairs.insert(pairs.end(), toolkit.begin(), toolkit.end());
    return pairs;
}

std::string Shown(const Pair& pair) {
    std::ostringstream out;
    out << pair.what << ": " << pair.text.name().toStdString() << " on "
        << pair.ground.name().toStdString() << ", " << pair.ratio() << ":1";
    return out.str();
}

class ContrastTest : public ::testing::TestWithParam<Palette> {};

TEST_P(ContrastTest, EveryTextOfEveryWindowReadsAtNight) {
    AppUnderTest t;
    const std::vector<Pair> pairs = EveryText(t, GetParam());
    EXPECT_GT(pairs.size(), 150u) << "every window's texts were found";
    // A greyed command is dimmer than the others, so that it shows it cannot act, yet a pilot
    // reads it at night: 3:1, WCAG's contrast for what identifies a control (which exempts
    // inactive ones altogether).
    for (const Pair& pair : pairs) EXPECT_GE(pair.ratio(), pair.greyed ? 3 : 4.5) << Shown(pair);
}

// What shows an option button and whether it is selected, as drawn: the ring of each one that is
// not selected stands at 3:1 or more against the ground (WCAG 2.1's contrast for what identifies
// a control), and the dot of each selected one as much against the ground and the ring's inside.
TEST_P(ContrastTest, EveryOptionAndCheckBoxShowsItselfAndWhetherItIsOn) {
    AppUnderTest t;
    EveryText(t, GetParam());
    int off = 0, checkBoxes = 0;
    for (platform::Form* form : AllWindows(t.app)) {
        for (const auto& control : form->controls()) {
            auto* button = qobject_cast<QAbstractButton*>(t.view.widgetOf(*control));
            const bool isOption = qobject_cast<QRadioButton*>(button) != nullptr;
            if (!isOption && qobject_cast<QCheckBox*>(button) == nullptr) continue;
            checkBoxes += isOption ? 0 : 1;
            const std::string what = form->name() + "." + control->name();
            QStyleOptionButton style;
            style.initFrom(button);
            const QRect indicator = button->style()->subElementRect(
                isOption ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &style,
                button);
            const QImage picture = button->grab().toImage();
            const auto against = [&](const QColor& a, const QColor& b) {
                return preferences::ContrastRatio(ToColour(a), ToColour(b));
            };
            // The strongest contrast against `ground` within `area` of the drawn indicator.
            const auto strongest = [&](const QRect& area, const QColor& ground) {
                double best = 1;
                for (int y = area.top(); y <= area.bottom(); ++y)
                    for (int x = area.left(); x <= area.right(); ++x)
                        best = std::max(best, against(picture.pixelColor(x, y), ground));
                return best;
            };
            const QColor ground = Ground(*button);
            EXPECT_GE(strongest(indicator, ground), 3.0) << what << ": its outline";
            if (!button->isChecked()) {
                ++off;
                continue;
            }
            // The dot or the tick, inside the outline.
            const int inset = indicator.width() / 4;
            const QRect inside = indicator.adjusted(inset, inset, -inset, -inset);
            EXPECT_GE(strongest(inside, button->palette().color(QPalette::Base)), 3.0)
                << what << ": its mark";
        }
    }
    EXPECT_GT(off, 10) << "the windows' options were found";
    EXPECT_GE(checkBoxes, 3) << "the windows' check boxes were found";
}

INSTANTIATE_TEST_SUITE_P(NightPalettes, ContrastTest,
                         ::testing::Values(Palette::Nuit, Palette::NuitRouge),
                         [](const auto& info) {
                             return info.param == Palette::Nuit ? "Nuit" : "NuitRouge";
                         });

// Jour is the designs' colours as they have always been, and these colour pairs stood below
// 4.5:1 before any palette existed: the red captions (3.3:1) and magenta ones (1.8:1) on the
// windows' light blue, the magenta slopes on their white fields (3.1:1) of the descent window,
// and Fusion's own selection (3.7:1) in text boxes and menus. Each text is printed; a design that
// brings a new low pair shows here. Greyed commands are Fusion's own too, left out.
TEST(ContrastInJour, OnlyTheDesignsKnownPairsAreBelow) {
    AppUnderTest t;
    std::set<std::string> below;
    // A greyed command is drawn by the style as in every other program, and is not a text of
    // the designs.
    for (const Pair& pair : EveryText(t, Palette::Jour)) {
        if (pair.ratio() >= 4.5 || pair.greyed) continue;
        below.insert(pair.text.name().toStdString() + " on " + pair.ground.name().toStdString());
        std::cout << "Jour, below 4.5:1: " << Shown(pair) << "\n";
    }
    const std::set<std::string> expected = {"#d00000 on #c0c0ff", "#ff00ff on #c0c0ff",
                                            "#ff00ff on #ffffff", "#ffffff on #308cc6"};
    EXPECT_EQ(below, expected);
}

// A colour a window sets as it runs (the log's fuel at arrival below the reserve) outlives every
// change of palette: drawn as the palette draws that colour, so 4.5:1 or more at night, and in
// Nuit rouge, where every text is the same red, bold as well.
TEST(ARunTimeColour, OutlivesEveryChangeOfPalette) {
    AppUnderTest t;
    t.app.Start();
    t.app.runtime().Load(t.app.frmLog());
    platform::Control& arrival = t.app.frmLog()["lblArrivee"];
    arrival.setForeColour(platform::palette::kRed);
    const QWidget& widget = *t.view.widgetOf(arrival);
    for (const Palette palette :
         {Palette::Nuit, Palette::Jour, Palette::NuitRouge, Palette::Jour}) {
        t.view.setPalette(palette);
        const std::string name(preferences::PaletteName(palette));
        const QColor drawn = widget.palette().color(widget.foregroundRole());
        EXPECT_EQ(ToColour(drawn),
                  preferences::Recolour(palette, platform::palette::kRed, preferences::Role::Text))
            << name;
        if (palette != Palette::Jour) {
            EXPECT_GE(Pair({name, drawn, Ground(widget)}).ratio(), 4.5) << name;
        }
        EXPECT_EQ(widget.font().bold(), palette == Palette::NuitRouge) << name;
    }
}

}  // namespace
}  // namespace ventrose::testing
