// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <functional>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/form.h"
#include "platform/headless_host.h"
#include "platform/qt/appearance.h"
#include "platform/qt/geometry.h"
#include "platform/qt/qt_view.h"
#include "platform/runtime.h"

namespace ventrose::platform::qt {
namespace {

using platform::ControlKind;

const FormDesign& TestDesign() {
    static const FormDesign design = [] {
        FormDesign d{.name = "frmTest", .caption = "Test", .width = 3000, .height = 3000};
        d.controls.push_back({.kind = ControlKind::VScrollBar,
                              .name = "vscAlt",
                              .left = 150,
                              .top = 150,
                              .width = 255,
                              .height = 1500,
                              .min = 45,
                              .max = 0,
                              .smallChange = 1,
                              .largeChange = 10,
                              .value = 45});
        d.controls.push_back({.kind = ControlKind::TextBox,
                              .name = "txtT",
                              .left = 600,
                              .top = 150,
                              .width = 1500,
                              .height = 300});
        d.controls.push_back({.kind = ControlKind::Label,
                              .name = "lblL",
                              .caption = "a\r\nb",
                              .left = 600,
                              .top = 600,
                              .width = 1500,
                              .height = 600});
        return d;
    }();
    return design;
}

// A window whose key filter upper-cases letters and swallows digits.
class TestForm : public Form {
public:
    explicit TestForm(Runtime& runtime) : Form(runtime, TestDesign()) {
        onKeyPress("txtT", [](int& key) {
            if (key >= 'a' && key <= 'z') key -= 32;
            if (key >= '0' && key <= '9') key = 0;
        });
    }
};

class QtViewTest : public ::testing::Test {
protected:
    QtViewTest() : runtime_(host_), form_(runtime_), view_(runtime_) {
        runtime_.Show(form_, ShowMode::Modeless);
    }

    template <class W>
    W& widget(const char* name) {
        return *qobject_cast<W*>(view_.widgetOf(form_[name]));
    }

    HeadlessHost host_;
    Runtime runtime_;
    TestForm form_;
    QtView view_;
};

TEST_F(QtViewTest, VerticalBarWithMinAboveMaxHasMinAtTheTop) {
    auto& bar = widget<QScrollBar>("vscAlt");
    EXPECT_EQ(bar.minimum(), -45);
    EXPECT_EQ(bar.maximum(), 0);
    EXPECT_EQ(bar.value(), -45) << "value 45 = Min, at the top";
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the lower arrow: toward Max
    EXPECT_EQ(form_["vscAlt"].value(), 44);
    EXPECT_EQ(bar.value(), -44);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form_["vscAlt"].value(), 34);
    bar.setSliderDown(true);
    bar.setSliderPosition(0);  // the thumb at the bottom
    EXPECT_EQ(form_["vscAlt"].value(), 34) << "no change before the release";
    bar.setSliderDown(false);
    EXPECT_EQ(form_["vscAlt"].value(), 0);
    form_["vscAlt"].setValue(40);
    EXPECT_EQ(bar.value(), -40) << "the model's change is mirrored";
}

TEST_F(QtViewTest, TypedKeysGoThroughTheWindowsKeyFilter) {
    auto& edit = widget<QLineEdit>("txtT");
    QTest::keyClicks(&edit, "ab1c");
    EXPECT_EQ(form_["txtT"].text(), "ABC");
    EXPECT_EQ(edit.text(), QStringLiteral("ABC"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(form_["txtT"].text(), "AB");
    EXPECT_EQ(edit.text(), QStringLiteral("AB"));
}

TEST_F(QtViewTest, EditsOtherThanKeysReportTheWholeText) {
    auto& edit = widget<QLineEdit>("txtT");
    QTest::keyClicks(&edit, "abc");
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(form_["txtT"].text(), "");
}

// Under a modal window the model refuses the edit the line edit has already made: the view
// shows the model's text again.
TEST_F(QtViewTest, ARefusedEditIsUndoneOnTheScreen) {
    auto& edit = widget<QLineEdit>("txtT");
    QTest::keyClicks(&edit, "a");
    static const FormDesign overDesign{
        .name = "frmOver", .caption = "Over", .width = 1500, .height = 1500};
    Form over(runtime_, overDesign);
    host_.onModal = [&](Form&) {
        QTest::keyClicks(&edit, "b");
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_Delete);
        runtime_.Unload(over);
    };
    runtime_.Show(over, ShowMode::Modal);
    EXPECT_EQ(form_["txtT"].text(), "A");
    EXPECT_EQ(edit.text(), QStringLiteral("A"));
}

// Every way a person edits or moves in a line edit, with real key, mouse and input-method events:
// after each step the widget shows exactly the model's text, caret and selection.
TEST_F(QtViewTest, TheLineEditNeverDisagreesWithTheModel) {
    auto& edit = widget<QLineEdit>("txtT");
    Control& box = form_["txtT"];
    auto key = [&edit](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(&edit, k, m);
    };
    auto commit = [&edit](const QString& preedit, const QString& committed) {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(committed);
        QApplication::sendEvent(&edit, &event);
    };
    struct Step {
        const char* name;
        std::function<void()> act;
        const char* text;
        int caret, selected;
    };
    const Step steps[] = {
        {"TypedAtTheEnd", [&] { QTest::keyClicks(&edit, "abc"); }, "ABC", 3, 0},
        {"HomeThenTyped", [&] { key(Qt::Key_Home), QTest::keyClicks(&edit, "x"); }, "XABC", 1, 0},
        {"ShiftRightSelects",
         [&] { key(Qt::Key_Right, Qt::ShiftModifier), key(Qt::Key_Right, Qt::ShiftModifier); },
         "XABC", 3, 2},
        {"TypedOverTheSelection", [&] { QTest::keyClicks(&edit, "z"); }, "XZC", 2, 0},
        {"ShiftLeftKeepsTheAnchor",
         [&] { key(Qt::Key_Left, Qt::ShiftModifier), key(Qt::Key_Left, Qt::ShiftModifier); }, "XZC",
         0, 2},
        {"CtrlAThenBackspace", [&] { key(Qt::Key_A, Qt::ControlModifier), key(Qt::Key_Backspace); },
         "", 0, 0},
        {"InputMethodCommitIsTyped", [&] { commit({}, QStringLiteral("éa1")); }, "éA", 2, 0},
        {"CompositionIsNotShown", [&] { commit(QStringLiteral("e"), {}); }, "éA", 2, 0},
        {"CtrlVPastesAtTheCaret",
         [&] {
             QApplication::clipboard()->setText(QStringLiteral("12"));
             key(Qt::Key_Home), key(Qt::Key_V, Qt::ControlModifier);
         },
         "12éA", 2, 0},
        {"ShiftInsertPastes", [&] { key(Qt::Key_Insert, Qt::ShiftModifier); }, "1212éA", 4, 0},
        {"CtrlXCutsThroughTheModel",
         [&] { key(Qt::Key_End, Qt::ShiftModifier), key(Qt::Key_X, Qt::ControlModifier); }, "1212",
         4, 0},
        {"UndoAndLineKillsEditNothing",
         [&] {
             key(Qt::Key_Z, Qt::ControlModifier), key(Qt::Key_U, Qt::ControlModifier),
                 key(Qt::Key_K, Qt::ControlModifier);
         },
         "1212", 4, 0},
        {"DeleteAfterTheCaret", [&] { key(Qt::Key_Home), key(Qt::Key_Delete); }, "212", 0, 0},
        {"DoubleClickSelectsTheWord",
         [&] { QTest::mouseDClick(&edit, Qt::LeftButton, {}, QPoint(4, edit.height() / 2)); },
         "212", 3, 3},
        {"ATextSetFromOutsideIsUndone", [&] { edit.setText(QStringLiteral("zzz")); }, "212", 3, 3},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(box.text(), step.text);
        EXPECT_EQ(box.caret(), step.caret);
        EXPECT_EQ(box.selLength(), step.selected);
        EXPECT_EQ(ToUtf8(edit.text()), box.text());
        EXPECT_EQ(edit.text().left(edit.cursorPosition()).toUcs4().size(), box.caret());
        EXPECT_EQ(edit.selectedText().toUcs4().size(), box.selLength());
    }
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("éA")) << "the cut text";
}

// A column of a table: each element is a widget of its own, named and placed by its row, and a
// key typed into one reaches the column's filter with that row.
TEST(QtViewArrays, EachElementIsAWidgetAndItsKeysCarryItsRow) {
    static const FormDesign design = [] {
        FormDesign d{.name = "frmRows", .caption = "Rows", .width = 3000, .height = 3000};
        d.controls.push_back({.kind = ControlKind::TextBox,
                              .name = "txtR",
                              .left = 150,
                              .top = 150,
                              .width = 1500,
                              .height = 300,
                              .rows = 3,
                              .rowPitch = 450});
        return d;
    }();
    HeadlessHost host;
    Runtime runtime(host);
    Form form(runtime, design);
    std::vector<int> rows;
    form.onRowKeyPress(0, [&rows](int index, int& key) {
        rows.push_back(index);
        if (key == 'x') key = 0;
    });
    QtView view(runtime);
    runtime.Show(form, ShowMode::Modeless);
    for (int i = 1; i <= 3; ++i) {
        const std::string name = "txtR(" + std::to_string(i) + ")";
        auto* edit = qobject_cast<QLineEdit*>(view.widgetOf(form[name]));
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_EQ(edit->objectName().toStdString(), name);
        EXPECT_EQ(edit->y(), view.widgetOf(form["txtR(1)"])->y() + (i - 1) * 30);
    }
    auto& second = *qobject_cast<QLineEdit*>(view.widgetOf(form["txtR(2)"]));
    QTest::keyClicks(&second, "4x2");
    EXPECT_EQ(form["txtR(2)"].text(), "42");
    EXPECT_EQ(second.text(), QStringLiteral("42"));
    EXPECT_EQ(form["txtR(1)"].text(), "");
    EXPECT_EQ(rows, (std::vector<int>{2, 2, 2}));
}

// Hidden rows have no widget, so that a long table costs only the rows in view; a row the window
// shows gets its widget then, with the model's text, and loses it when hidden again.
TEST(QtViewArrays, OnlyTheShownElementsHaveWidgets) {
    static const FormDesign design = [] {
        FormDesign d{.name = "frmRows", .caption = "Rows", .width = 3000, .height = 3000};
        d.controls.push_back({.kind = ControlKind::Label,
                              .name = "lblRoute",
                              .caption = "Route",
                              .left = 150,
                              .top = 0,
                              .width = 1500,
                              .height = 150});
        d.controls.push_back({.kind = ControlKind::TextBox,
                              .name = "txtR",
                              .left = 150,
                              .top = 150,
                              .width = 1500,
                              .height = 300,
                              .visible = false,
                              .rows = 100,
                              .rowPitch = 450});
        d.controls.push_back({.kind = ControlKind::CommandButton,
                              .name = "cmdOk",
                              .left = 1800,
                              .top = 150,
                              .width = 900,
                              .height = 300});
        return d;
    }();
    HeadlessHost host;
    Runtime runtime(host);
    Form form(runtime, design);
    std::vector<int> rows;
    form.onRowKeyPress(form.designRow("txtR", {ControlKind::TextBox}, true),
                       [&rows](int index, int&) { rows.push_back(index); });
    QtView view(runtime);
    runtime.Show(form, ShowMode::Modeless);
    for (const auto& control : form.controls())
        EXPECT_EQ(view.widgetOf(*control) != nullptr, control->index() == 0) << control->name();

    form["txtR(2)"].setText("95");
    form["txtR(2)"].setVisible(true);
    auto* edit = qobject_cast<QLineEdit*>(view.widgetOf(form["txtR(2)"]));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("95"));
    EXPECT_EQ(edit->objectName(), QStringLiteral("txtR(2)"));
    EXPECT_EQ(edit->accessibleName(), QStringLiteral("Route 2"));
    form["txtR(2)"].setTop(2000);  // scrolled: the same row, the same name
    EXPECT_EQ(edit->accessibleName(), QStringLiteral("Route 2"));
    QTest::keyClicks(edit, "1");
    EXPECT_EQ(form["txtR(2)"].text(), "951");
    EXPECT_EQ(rows, (std::vector<int>{2}));

    QPointer<QLineEdit> gone(edit);
    form["txtR(2)"].setVisible(false);
    EXPECT_EQ(view.widgetOf(form["txtR(2)"]), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
}

// A colour the window sets replaces the text's colour; the toolkit's own comes back after it. A
// row shown after its colour was set is drawn in it.
TEST(QtViewColours, TheTextTakesTheColourTheWindowSets) {
    static const FormDesign design = [] {
        FormDesign d{.name = "frmColours", .caption = "C", .width = 3000, .height = 3000};
        d.controls.push_back({.kind = ControlKind::Label,
                              .name = "lblReste",
                              .caption = "1",
                              .width = 900,
                              .height = 300,
                              .visible = false,
                              .rows = 2,
                              .rowPitch = 300});
        return d;
    }();
    HeadlessHost host;
    Runtime runtime(host);
    Form form(runtime, design);
    QtView view(runtime);
    runtime.Show(form, ShowMode::Modeless);
    form["lblReste(1)"].setVisible(true);
    QWidget& first = *view.widgetOf(form["lblReste(1)"]);
    const QColor toolkit = first.palette().color(first.foregroundRole());
    form["lblReste(1)"].setForeColour(0xD00000);
    EXPECT_EQ(first.palette().color(first.foregroundRole()), QColor(0xD0, 0, 0));
    form["lblReste(1)"].setForeColour(kDefaultColour);
    EXPECT_EQ(first.palette().color(first.foregroundRole()), toolkit);

    form["lblReste(2)"].setForeColour(0xD00000);
    form["lblReste(2)"].setVisible(true);
    QWidget& second = *view.widgetOf(form["lblReste(2)"]);
    EXPECT_EQ(second.palette().color(second.foregroundRole()), QColor(0xD0, 0, 0));
}

// A window its code widens grows on the screen.
TEST_F(QtViewTest, AWindowFollowsTheWidthItsCodeGivesIt) {
    const FormWindow* window = view_.windowOf(form_);
    ASSERT_NE(window, nullptr);
    form_.setWidth(4500);
    EXPECT_EQ(window->width(), ToPixels(4500, window->scale()));
    form_.setWidth(3000);
    EXPECT_EQ(window->width(), ToPixels(3000, window->scale()));
}

TEST_F(QtViewTest, CrLfInACaptionIsALineBreak) {
    EXPECT_EQ(widget<QLabel>("lblL").text(), QStringLiteral("a\nb"));
}

// A form that takes the files dropped on it.
class DropForm : public Form {
public:
    explicit DropForm(Runtime& runtime) : Form(runtime, TestDesign()) {
        onDropFile([this](const std::string& path) { dropped.push_back(path); });
    }
    std::vector<std::string> dropped;
};

// A window takes one local file dragged onto it when its form takes files, and hands it over
// once the drop is over; several files, an address on the network or plain text are refused.
TEST(QtViewDrops, AWindowTakesOneLocalFileDroppedOnIt) {
    HeadlessHost host;
    Runtime runtime(host);
    TestForm none(runtime);
    DropForm form(runtime);
    QtView view(runtime);
    runtime.Show(none, ShowMode::Modeless);
    EXPECT_FALSE(view.windowOf(none)->acceptDrops());
    runtime.Show(form, ShowMode::Modeless);
    QWidget& window = *view.windowOf(form);
    EXPECT_TRUE(window.acceptDrops());
    const auto enters = [&window](QMimeData& data) {
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        return enter.isAccepted();
    };
    QMimeData one, two, remote, text;
    one.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/plan.fms"))});
    two.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.fms")),
                 QUrl::fromLocalFile(QStringLiteral("/tmp/b.fms"))});
    remote.setUrls({QUrl(QStringLiteral("https://example.org/plan.fms"))});
    text.setText(QStringLiteral("/tmp/plan.fms"));
    EXPECT_TRUE(enters(one));
    EXPECT_FALSE(enters(two));
    EXPECT_FALSE(enters(remote));
    EXPECT_FALSE(enters(text));
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &one, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    EXPECT_TRUE(form.dropped.empty()) << "handed over after the drop, from the event loop";
    QCoreApplication::processEvents();
    EXPECT_EQ(form.dropped, std::vector<std::string>{"/tmp/plan.fms"});
}

}  // namespace
}  // namespace ventrose::platform::qt

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
