// SPDX-License-Identifier: GPL-3.0-or-later
// A person without a mouse: Tab through each window in reading order, the keys of a focused
// scroll bar, option and button, Escape in a modal window, and a focus that can be seen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QShortcut>
#include <QTest>

#include "platform/qt/text_box.h"
#include "tests/qt/app_under_test.h"

namespace ventrose::testing {
namespace {

class KeyboardTest : public ::testing::Test {
protected:
    KeyboardTest() {
        t_.app.Start();
        main_ = t_.window(t_.app.frmMainCalc());
        activate(*main_);
    }

    // Waits for the window itself to take the keyboard: Qt counts a window owned by the active
    // one as active already (QWindow::isActive), so qWaitForWindowActive would not wait.
    static void activate(QWidget& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    }

    platform::Form& main() { return t_.app.frmMainCalc(); }
    QWidget& mainWidget(const char* name) { return *t_.widget(main(), name); }

    static void press(int key) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    }

    AppUnderTest t_;
    QWidget* main_ = nullptr;
};

// A group of options is one stop, at its selected option, as for radio buttons everywhere.
TEST_F(KeyboardTest, TabFollowsTheMainWindowsReadingOrder) {
    mainWidget("hscVp").setFocus();
    std::vector<std::string> reached{"hscVp"};
    for (int i = 0; i < 13; ++i) {
        press(Qt::Key_Tab);
        reached.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    const std::vector<std::string> expected{
        "hscVp",      "hscRm", "hscV",     "hscVw",    "optTemps", "hscDt",  "cmdConversions",
        "cmdVitesse", "cmdVz", "Command1", "cmdClear", "cmdQuit",  "cmdLog", "hscVp"};
    EXPECT_EQ(reached, expected);
    press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), &mainWidget("cmdLog"));
}

TEST_F(KeyboardTest, TheWindowOpensWithTheFirstControlInReadingOrderFocused) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("hscVp"));
}

TEST_F(KeyboardTest, ArrowsAndPageKeysOnAFocusedBarAreItsArrowsAndTrough) {
    QWidget& bar = mainWidget("hscVw");
    bar.setFocus();
    const std::string before = main()["lblVw"].caption();
    ASSERT_EQ(main()["hscVw"].value(), 0);
    press(Qt::Key_Right);
    EXPECT_EQ(main()["hscVw"].value(), 1);
    EXPECT_NE(main()["lblVw"].caption(), before) << "the value label follows";
    press(Qt::Key_PageDown);
    EXPECT_EQ(main()["hscVw"].value(), 11);
    press(Qt::Key_PageUp);
    EXPECT_EQ(main()["hscVw"].value(), 1);
    press(Qt::Key_Left);
    EXPECT_EQ(main()["hscVw"].value(), 0);
    press(Qt::Key_Left);
    EXPECT_EQ(main()["hscVw"].value(), 0) << "Min is a limit, as for the arrow";
    press(Qt::Key_End);
    EXPECT_EQ(main()["hscVw"].value(), main()["hscVw"].max());
    press(Qt::Key_Home);
    EXPECT_EQ(main()["hscVw"].value(), main()["hscVw"].min());
    EXPECT_EQ(QApplication::focusWidget(), &bar) << "the keys never move the focus";
}

TEST_F(KeyboardTest, SpaceSelectsAFocusedOption) {
    mainWidget("optDistance").setFocus();
    press(Qt::Key_Space);
    EXPECT_TRUE(main()["optDistance"].selected());
    EXPECT_FALSE(main()["optTemps"].selected());
    EXPECT_TRUE(main()["hscTsv"].visible()) << "the option's handler ran";
    press(Qt::Key_Space);
    EXPECT_TRUE(main()["optDistance"].selected()) << "a selected option stays selected";
    press(Qt::Key_Left);
    EXPECT_TRUE(main()["optTemps"].selected()) << "an arrow selects the next option of the group";
    EXPECT_EQ(QApplication::focusWidget(), &mainWidget("optTemps"));
    EXPECT_FALSE(main()["hscTsv"].visible()) << "the option's handler ran";
}

// The simulator's box, shown with a link, is the first stop of the main window's order; Space
// ticks and unticks it through the model.
TEST_F(KeyboardTest, SpaceTogglesAFocusedCheckBox) {
    t_.app.simFeed().SetLink(simlink::Simulator::XPlane);
    mainWidget("cmdLog").setFocus();  // the last stop: Tab wraps to the first
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &mainWidget("chkSuivre"));
    press(Qt::Key_Space);
    EXPECT_EQ(main()["chkSuivre"].value(), 0);
    press(Qt::Key_Space);
    EXPECT_EQ(main()["chkSuivre"].value(), 1);
}

TEST_F(KeyboardTest, EnterAndSpacePressAFocusedButtonAndEscapeClosesTheModalWindow) {
    int shown = 0;
    t_.host.onModal = [&](platform::Form& form) {
        ++shown;
        QWidget* window = t_.window(form);
        ASSERT_NE(window, nullptr);
        activate(*window);
        // From a focused scroll bar (the first control): Escape is the window's, not the bar's.
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("hscVi"));
        press(Qt::Key_Escape);
        EXPECT_FALSE(form.loaded()) << "Escape did what the close box does";
    };
    mainWidget("cmdVitesse").setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(shown, 1);
    activate(*main_);
    mainWidget("cmdVitesse").setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(t_.app.frmVitesse().loaded());
    EXPECT_TRUE(main().loaded()) << "Escape on the modal window left the main window alone";
}

// Escape in a text box is a key for the window's filter, which refuses it and keeps the window
// and its text; from any other control it is the window's close box.
TEST_F(KeyboardTest, EscapeInEveryModalWindowIsItsCloseBox) {
    std::vector<std::string> closed, keptByABox;
    t_.host.onModal = [&](platform::Form& form) {
        QWidget* window = t_.window(form);
        ASSERT_NE(window, nullptr);
        activate(*window);
        for (const auto& control : form.controls()) {
            if (control->kind() != platform::ControlKind::TextBox || !form.loaded()) continue;
            const std::size_t boxes = t_.host.messageBoxes.size();
            QWidget* box = t_.view.widgetOf(*control);
            box->setFocus();
            QTest::keyClicks(box, "7");
            QTest::keyClick(box, Qt::Key_Escape);
            if (form.loaded() && control->text() == "7" && t_.host.messageBoxes.size() == boxes + 1)
                keptByABox.push_back(form.name() + "." + control->name());
        }
        for (const auto& control : form.controls())
            if (control->kind() == platform::ControlKind::CommandButton) {
                t_.view.widgetOf(*control)->setFocus();
                break;
            }
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : window, Qt::Key_Escape);
        if (!form.loaded()) closed.push_back(form.name());
    };
    for (const char* button : {"cmdVitesse", "cmdVz", "cmdConversions", "Command1"}) {
        activate(*main_);
        mainWidget(button).setFocus();
        press(Qt::Key_Enter);
    }
    EXPECT_EQ(closed,
              (std::vector<std::string>{"frmVitesse", "frmDescente", "frmConversions", "frmQuit"}));
    EXPECT_EQ(keptByABox, (std::vector<std::string>{
                              "frmVitesse.txtTempExt", "frmConversions.txtChoixDist",
                              "frmConversions.txtChoixAlt", "frmConversions.txtChoixVitesse",
                              "frmConversions.txtChoixTemp", "frmConversions.txtChoixCarbu"}));
}

// The ring is drawn just outside the focused widget: the pixels there change with the focus.
TEST_F(KeyboardTest, TheFocusIsVisibleOnAScrollBar) {
    QWidget& bar = mainWidget("hscRm");
    mainWidget("cmdQuit").setFocus();
    const QPoint corner = bar.mapTo(main_, QPoint(0, bar.height() / 2)) - QPoint(1, 0);
    const QImage before = main_->grab().toImage();
    bar.setFocus();
    const QImage after = main_->grab().toImage();
    const qreal ratio = after.devicePixelRatio();
    const QPoint at(static_cast<int>(corner.x() * ratio), static_cast<int>(corner.y() * ratio));
    EXPECT_NE(before.pixel(at), after.pixel(at));
}

// A text box leaves the window the keys it has a shortcut for, whatever editing meaning they have
// for a line edit (under X11's bindings Ctrl+E moves the caret to the end of the line, and the
// log's Ctrl+E, export, would never be taken from a box); its other keys stay its own. Ctrl+A
// selects all in every platform's bindings, so it stands for such a key here.
TEST(TextBoxKeys, AKeyTheWindowHasAShortcutForIsTheWindows) {
    QWidget window;
    auto* box = new platform::qt::TextBox(&window);
    box->setText(QStringLiteral("120"));
    box->selectAll();
    new QShortcut(QKeySequence(QStringLiteral("Ctrl+A")), &window);
    const auto overridden = [box](Qt::Key key) {
        QKeyEvent event(QEvent::ShortcutOverride, key, Qt::ControlModifier, QString());
        event.ignore();
        QApplication::sendEvent(box, &event);
        return event.isAccepted();
    };
    EXPECT_FALSE(overridden(Qt::Key_A)) << "the window's key";
    EXPECT_TRUE(overridden(Qt::Key_C)) << "the box's copy";
}

}  // namespace
}  // namespace ventrose::testing
