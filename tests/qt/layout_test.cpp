// SPDX-License-Identifier: GPL-3.0-or-later
// Every window at the scale factor of the run (QT_SCALE_FACTOR, one CTest test per factor): no
// label's text is wider than the label (or, wrapped, taller), no option's text is cut, and no
// control lies outside its window, in each window's state after loading and after each of its
// options is selected (and the main window and the log with their widest texts, the log with and
// without the exact triangle's columns).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <utility>

#include "platform/runtime.h"
#include "platform/user_actions.h"
#include "tests/qt/app_under_test.h"

namespace ventrose::testing {
namespace {

using platform::ControlKind;

// What does not fit in one window in one state, one line per fault.
std::vector<std::string> layoutFaults(const AppUnderTest& t, const platform::Form& form,
                                      const std::string& state) {
    std::vector<std::string> faults;
    QWidget* window = t.window(form);
    const auto fault = [&](const platform::Control& control, const std::string& what) {
        faults.push_back(form.name() + " (" + state + ") " + control.name() + ": " + what);
    };
    for (const auto& control : form.controls()) {
        QWidget* widget = t.view.widgetOf(*control);
        if (widget == nullptr || !widget->isVisibleTo(window)) continue;
        if (control->kind() != ControlKind::Line) {
            const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
            if (!window->rect().contains(inWindow))
                fault(*control, "outside the window at " + std::to_string(inWindow.x()) + "," +
                                    std::to_string(inWindow.y()) + " " +
                                    std::to_string(inWindow.width()) + "x" +
                                    std::to_string(inWindow.height()));
        }
        if (auto* label = qobject_cast<QLabel*>(widget);
            label != nullptr && control->kind() == ControlKind::Label) {
            const QString text = label->text();
            if (text.trimmed().isEmpty()) continue;
            const QRect area = label->contentsRect();
            if (label->wordWrap()) {
                const int needed = label->heightForWidth(label->width());
                if (needed > label->height())
                    fault(*control, "wrapped text needs " + std::to_string(needed) +
                                        " px of height, has " + std::to_string(label->height()));
            } else {
                const QFontMetrics metrics(label->font());
                for (const QString& line : text.split(QLatin1Char('\n'))) {
                    const int needed = metrics.horizontalAdvance(line);
                    if (needed > area.width())
                        fault(*control, "«" + line.toStdString() + "» needs " +
                                            std::to_string(needed) + " px, has " +
                                            std::to_string(area.width()));
                }
            }
        }
        if (auto* option = qobject_cast<QAbstractButton*>(widget);
            option != nullptr && (control->kind() == ControlKind::OptionButton ||
                                  control->kind() == ControlKind::CheckBox)) {
            const int needed = option->sizeHint().width();
            if (needed > option->width())
                fault(*control, "option needs " + std::to_string(needed) + " px, has " +
                                    std::to_string(option->width()));
        }
    }
    return faults;
}

class LayoutTest : public ::testing::TestWithParam<int> {
protected:
    void checkEveryState();
    AppUnderTest t_;
};

TEST_P(LayoutTest, EveryLabelFitsAndEveryControlIsInsideItsWindow) { checkEveryState(); }

// With a link chosen, the status line, the box and the simulator's speed show too, with the
// longest texts they take.
TEST_P(LayoutTest, TheSimulatorsControlsFitTheirPlaces) {
    t_.app.simFeed().SetLink(simlink::Simulator::FlightGear);
    t_.app.simFeed().SetStatus("FlightGear : données reçues", true);
    t_.app.simFeed().Deliver({.tasKt = 1888.0});
    checkEveryState();
}

void LayoutTest::checkEveryState() {
    platform::Form& form = *AllWindows(t_.app).at(static_cast<std::size_t>(GetParam()));
    t_.app.runtime().Load(form);
    t_.app.runtime().Show(form, platform::ShowMode::Modeless);
    QWidget* window = t_.window(form);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    if (form.name() == "frmLog") {
        // A screenful of legs and more, the first ones with the widest figures: a leg of 400 NM
        // at 1 kt, then ground speeds below zero.
        for (int i = 0; i < 14; ++i) platform::Click(form["cmdAjouter"]);
        platform::ClearText(form["txtVp"]);
        platform::Paste(form["txtVp"], "60");
        platform::Paste(form["txtRepere(1)"], "Château-Thierry Saint-Rémy-lès-Chevreuse");
        platform::Paste(form["txtDist(1)"], "400");
        platform::Paste(form["txtVw(1)"], "59");
        platform::Paste(form["txtVw(2)"], "360");
        platform::Paste(form["txtHR(2)"], "23:59");
        // Their figures shown (a course given), then a leg that no heading holds (a cross wind
        // above Vp) and one with a tail wind that takes the ground speeds above 1000 kt at 800.
        const std::pair<const char*, const char*> more[] = {
            {"txtRm(1)", "90"},  {"txtRm(2)", "360"}, {"txtRm(3)", "90"},  {"txtDist(3)", "10"},
            {"txtVw(3)", "360"}, {"txtRm(4)", "180"}, {"txtDist(4)", "1"}, {"txtVw(4)", "360"}};
        for (const auto& [box, text] : more) {
            platform::ClearText(form[box]);
            platform::Paste(form[box], text);
        }
    }
    std::vector<std::string> faults = layoutFaults(t_, form, "loaded");
    if (form.name() == "frmLog") {
        // The exact triangle's columns, the window widened for them, at both ends of Vp.
        platform::Click(form["chkExact"]);
        std::vector<std::string> more = layoutFaults(t_, form, "exact triangle");
        faults.insert(faults.end(), more.begin(), more.end());
        platform::ClearText(form["txtVp"]);
        platform::Paste(form["txtVp"], "800");
        more = layoutFaults(t_, form, "exact triangle at 800 kt");
        faults.insert(faults.end(), more.begin(), more.end());
    }
    if (form.name() == "frmMainCalc") {
        // The exact triangle's widest texts: a difference of five digits of time, then a cross
        // wind above Vp.
        const std::pair<const char*, int> widest[] = {
            {"hscVp", 60}, {"hscRm", 0}, {"hscV", 58}, {"hscVw", 59}, {"hscDt", 400}};
        for (const auto& [bar, value] : widest) platform::ThumbRelease(form[bar], value);
        std::vector<std::string> more = layoutFaults(t_, form, "widest difference");
        platform::ThumbRelease(form["hscV"], 90);
        platform::ThumbRelease(form["hscVw"], 360);
        faults.insert(faults.end(), more.begin(), more.end());
        more = layoutFaults(t_, form, "no heading");
        faults.insert(faults.end(), more.begin(), more.end());
    }
    std::vector<std::string> options;
    for (const auto& control : form.controls())
        if (control->kind() == ControlKind::OptionButton) options.push_back(control->name());
    for (const std::string& option : options) {
        if (!form.loaded()) break;
        platform::Click(form[option]);
        const std::vector<std::string> more = layoutFaults(t_, form, option);
        faults.insert(faults.end(), more.begin(), more.end());
    }
    EXPECT_TRUE(faults.empty()) << "at scale " << window->devicePixelRatioF() << ":\n"
                                << ::testing::PrintToString(faults);
}

std::string windowName(const ::testing::TestParamInfo<int>& info) {
    static const char* const names[] = {"frmMainCalc",    "frmVitesse", "frmDescente",
                                        "frmConversions", "frmLog",     "frmQuit"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, LayoutTest, ::testing::Range(0, 6), windowName);

}  // namespace
}  // namespace ventrose::testing
