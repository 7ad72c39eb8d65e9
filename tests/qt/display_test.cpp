// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows are shown, on real widgets: the menu every window offers and its shortcuts,
// the palettes (Jour exactly as the designs are, every window recoloured at once), keeping the
// main window on top, the windows owned by the one they open over, and their remembered places.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include "app/language_menu.h"
#include "app/sim_menu.h"
#include "platform/accessible_names.h"
#include "platform/qt/appearance.h"
#include "platform/qt/display_menu.h"
#include "platform/qt/qt_host.h"
#include "platform/runtime.h"
#include "platform/user_actions.h"
#include "preferences/recolour.h"
#include "tests/qt/app_under_test.h"
#include "translations/language.h"

namespace ventrose::testing {
namespace {

using platform::qt::DisplayMenu;
using preferences::Palette;

// The entries of the menu that `open` brings up, submenus as "Couleurs/Nuit"; the menu is then
// closed without a choice.
QStringList MenuAfter(const std::function<void()>& open) {
    QStringList entries;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        const std::function<void(QMenu&, const QString&)> list = [&](QMenu& m,
                                                                     const QString& prefix) {
            for (QAction* action : m.actions()) {
                if (action->isSeparator()) {
                    entries << QStringLiteral("--");
                } else if (action->menu() != nullptr) {
                    list(*action->menu(), prefix + action->text() + QLatin1Char('/'));
                } else {
                    QString text = prefix + action->text();
                    if (!action->shortcut().isEmpty())
                        text += QLatin1Char(' ') + action->shortcut().toString();
                    entries << text;
                }
            }
        };
        list(*menu, {});
        menu->close();
    });
    open();
    return entries;
}

const QStringList kDisplayEntries = {
    QStringLiteral("Toujours au premier plan Ctrl+T"),
    QStringLiteral("Couleurs/Jour Ctrl+1"),
    QStringLiteral("Couleurs/Nuit Ctrl+2"),
    QStringLiteral("Couleurs/Nuit rouge Ctrl+3"),
};

// A right click as the window system delivers it, at the centre of `widget`.
void RightClick(QWidget& widget) {
    QWindow* window = widget.window()->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint at = widget.mapTo(widget.window(), widget.rect().center());
    QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, at);
}

class DisplayTest : public ::testing::Test {
protected:
    DisplayTest() {
        t_.app.Start();
        main_ = t_.window(t_.app.frmMainCalc());
        activate(*main_);
    }

    static void activate(QWidget& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    }

    platform::Form& main() { return t_.app.frmMainCalc(); }
    QWidget& mainWidget(const char* name) { return *t_.widget(main(), name); }

    // Runs `inside` in each calculator and About window in turn, each opened over the main window
    // and closed by its close box afterwards.
    void inEveryModalWindow(const std::function<void(platform::Form&, QWidget&)>& inside) {
        t_.host.onModal = [&](platform::Form& form) {
            QWidget* window = t_.window(form);
            ASSERT_NE(window, nullptr);
            activate(*window);
            inside(form, *window);
            platform::CloseRequest(form);
        };
        for (const char* button : {"cmdVitesse", "cmdVz", "cmdConversions", "Command1"}) {
            activate(*main_);
            platform::Click(main()[button]);
        }
        t_.host.onModal = nullptr;
        activate(*main_);
    }

    AppUnderTest t_;
    QWidget* main_ = nullptr;
};

TEST_F(DisplayTest, ARightClickOnTheWindowOrAnyControlOpensTheMenuWithItsShortcuts) {
    for (const char* target : {"", "lblFb", "hscVp", "cmdClear", "optDistance", "Frame1"}) {
        QWidget* widget = *target == '\0' ? main_ : t_.widget(main(), target);
        EXPECT_EQ(MenuAfter([&] { RightClick(*widget); }), kDisplayEntries)
            << "right click on " << (*target == '\0' ? "the window" : target);
    }
}

TEST_F(DisplayTest, ShiftF10OpensTheMenuOfTheFocusedControl) {
    mainWidget("hscVw").setFocus();
    EXPECT_EQ(MenuAfter([] {
                  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
              }),
              kDisplayEntries);
}

// The Menu key comes as a context menu event from the keyboard (the window system makes it).
TEST_F(DisplayTest, ATextBoxEndsItsEditMenuWithTheWindowsEntries) {
    inEveryModalWindow([&](platform::Form& form, QWidget&) {
        if (form.name() != "frmConversions") return;
        QWidget* box = t_.widget(form, "txtChoixDist");
        box->setFocus();
        QStringList expected = {QStringLiteral("Couper\tCtrl+X"),
                                QStringLiteral("Copier\tCtrl+C"),
                                QStringLiteral("Coller\tCtrl+V"),
                                QStringLiteral("Supprimer"),
                                QStringLiteral("--"),
                                QStringLiteral("Tout sélectionner\tCtrl+A"),
                                QStringLiteral("--")};
        expected += kDisplayEntries;
        EXPECT_EQ(MenuAfter([&] {
                      QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4),
                                              box->mapToGlobal(QPoint(4, 4)));
                      QApplication::sendEvent(box, &event);
                  }),
                  expected);
        EXPECT_EQ(MenuAfter([&] { RightClick(*box); }), expected);
    });
}

TEST_F(DisplayTest, TheShortcutsWorkInEveryWindowAndLeaveTheTextBoxKeysAlone) {
    const auto shortcut = [](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    };
    std::vector<std::string> reached;
    inEveryModalWindow([&](platform::Form& form, QWidget&) {
        t_.view.setOnTop(false);
        t_.view.setPalette(Palette::Jour);
        shortcut(Qt::Key_T);
        shortcut(Qt::Key_3);
        if (t_.view.preferences().onTop && t_.view.preferences().palette == Palette::NuitRouge)
            reached.push_back(form.name());
    });
    EXPECT_EQ(reached,
              (std::vector<std::string>{"frmVitesse", "frmDescente", "frmConversions", "frmQuit"}));

    inEveryModalWindow([&](platform::Form& form, QWidget&) {
        if (form.name() != "frmConversions") return;
        auto* box = qobject_cast<QLineEdit*>(t_.widget(form, "txtChoixDist"));
        box->setFocus();
        QTest::keyClicks(box, "12");
        shortcut(Qt::Key_2);
        EXPECT_EQ(t_.view.preferences().palette, Palette::Nuit) << "Ctrl+2 in a text box";
        shortcut(Qt::Key_A);
        shortcut(Qt::Key_C);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12"))
            << "Ctrl+A and Ctrl+C still select and copy";
        EXPECT_EQ(form["txtChoixDist"].text(), "12") << "no shortcut typed into the box";
    });
    activate(*main_);
    mainWidget("hscVp").setFocus();
    shortcut(Qt::Key_1);
    EXPECT_EQ(t_.view.preferences().palette, Palette::Jour);
}

TEST_F(DisplayTest, AChoiceInTheMenuIsCheckedAndTold) {
    int told = 0;
    t_.view.onPreferencesChanged = [&] { ++told; };
    DisplayMenu& menu = t_.view.displayMenu();
    menu.paletteAction(Palette::NuitRouge)->trigger();
    EXPECT_EQ(t_.view.preferences().palette, Palette::NuitRouge);
    EXPECT_TRUE(menu.paletteAction(Palette::NuitRouge)->isChecked());
    EXPECT_FALSE(menu.paletteAction(Palette::Jour)->isChecked());
    menu.onTopAction()->trigger();
    EXPECT_TRUE(t_.view.preferences().onTop);
    EXPECT_TRUE(menu.onTopAction()->isChecked());
    EXPECT_EQ(told, 2);
    t_.view.setPalette(Palette::Nuit);
    EXPECT_TRUE(menu.paletteAction(Palette::Nuit)->isChecked()) << "set from outside too";
    EXPECT_EQ(told, 2) << "only a person's choice is told";
}

TEST_F(DisplayTest, UnderWaylandKeepingOnTopIsDisabledAndSaysWhy) {
    DisplayMenu menu(false);
    EXPECT_FALSE(menu.onTopAction()->isEnabled());
    EXPECT_TRUE(menu.onTopAction()->toolTip().contains(QStringLiteral("QT_QPA_PLATFORM=xcb")));
    QMenu shown;
    menu.fill(shown);
    ASSERT_GE(shown.actions().size(), 2);
    EXPECT_FALSE(shown.actions()[1]->isEnabled());
    EXPECT_TRUE(shown.actions()[1]->text().contains(QStringLiteral("Wayland")));
}

// What every window looks like, one picture per window.
std::vector<QImage> Pictures(const std::vector<QWidget*>& windows) {
    std::vector<QImage> pictures;
    for (QWidget* window : windows) pictures.push_back(window->grab().toImage());
    return pictures;
}

TEST_F(DisplayTest, APaletteRecoloursEveryOpenWindowAndJourComesBackExactly) {
    platform::Runtime& runtime = t_.app.runtime();
    std::vector<QWidget*> windows;
    for (platform::Form* form : AllWindows(t_.app)) {
        runtime.Load(*form);
        windows.push_back(t_.window(*form));
    }
    const std::vector<QImage> jour = Pictures(windows);
    const QPalette styles = QApplication::palette();

    t_.view.setPalette(Palette::Nuit);
    const std::vector<QImage> nuit = Pictures(windows);
    const platform::Colour nightWindow = preferences::Recolour(
        Palette::Nuit, platform::kDefaultColour, preferences::Role::MessageBackground);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), platform::qt::ToQColor(nightWindow))
        << "message boxes and menus are dark too";
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase),
              platform::qt::ToQColor(preferences::Recolour(Palette::Nuit, platform::kDefaultColour,
                                                           preferences::Role::ToolTipBackground)));
    t_.view.setPalette(Palette::NuitRouge);
    const std::vector<QImage> rouge = Pictures(windows);
    t_.view.setPalette(Palette::Jour);
    const std::vector<QImage> jourAgain = Pictures(windows);

    for (std::size_t i = 0; i < windows.size(); ++i) {
        const std::string name = windows[i]->objectName().toStdString();
        EXPECT_NE(nuit[i], jour[i]) << name << " is recoloured in Nuit";
        EXPECT_NE(rouge[i], nuit[i]) << name << " is recoloured in Nuit rouge";
        EXPECT_EQ(jourAgain[i], jour[i]) << name << " in Jour again, pixel for pixel";
    }
    EXPECT_EQ(QApplication::palette(), styles) << "the style's own palette is back";
}

// What the style adds (a faint white bevel blended over a dark red face) may pale a red, but
// no pixel turns towards green or blue, and none is more than faintly pale.
TEST_F(DisplayTest, NuitRougeShowsNoOtherHueThanRed) {
    std::vector<QWidget*> windows;
    for (platform::Form* form : AllWindows(t_.app)) {
        t_.app.runtime().Load(*form);
        windows.push_back(t_.window(*form));
    }
    t_.view.setPalette(Palette::NuitRouge);
    for (QWidget* window : windows) {
        const QImage picture = window->grab().toImage();
        int otherHues = 0;
        int palest = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                const int white = std::max(pixel.green(), pixel.blue());
                if (std::abs(pixel.green() - pixel.blue()) > 2 || pixel.red() < white) ++otherHues;
                palest = std::max(palest, white);
            }
        EXPECT_EQ(otherHues, 0) << window->objectName().toStdString();
        EXPECT_LE(palest, 64) << window->objectName().toStdString();
    }
}

TEST_F(DisplayTest, OnlyTheMainWindowTakesTheOnTopHintAndTheOthersAreOwnedByIt) {
    t_.view.setOnTop(true);
    EXPECT_TRUE(main_->windowFlags() & Qt::WindowStaysOnTopHint);
    inEveryModalWindow([&](platform::Form& form, QWidget& window) {
        EXPECT_EQ(window.parentWidget(), main_) << form.name() << " is owned by the main window";
        EXPECT_EQ(window.windowType(), Qt::Dialog) << form.name();
        EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint)
            << form.name() << " stays above its owner without it";
    });
    t_.view.setOnTop(false);
    EXPECT_FALSE(main_->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(main_->parentWidget(), nullptr);
}

// «Langue / Language», after the display's entries, turns every open window's captions to the
// other language at once, on the widgets as in the model, and back.
TEST_F(DisplayTest, TheLanguageMenuAppliesAtOnceToTheOpenWindows) {
    app::LanguageMenu languages;
    languages.languageChosen = [&](common::Language chosen) {
        languages.show(chosen);
        EXPECT_TRUE(translations::ChangeLanguage(t_.app.runtime(), chosen));
    };
    t_.view.displayMenu().moreEntries = [&](QMenu& menu) { languages.fill(menu); };
    const QStringList expected =
        kDisplayEntries + QStringList{QStringLiteral("Langue / Language/Français"),
                                      QStringLiteral("Langue / Language/English")};
    EXPECT_EQ(MenuAfter([&] { RightClick(*main_); }), expected);
    auto text = [&](const char* name) { return mainWidget(name).property("text").toString(); };
    languages.action(common::Language::English)->trigger();
    EXPECT_EQ(text("cmdQuit"), QStringLiteral("Quit"));
    EXPECT_EQ(main_->windowTitle(), QStringLiteral("Ventrose for FS"));
    EXPECT_EQ(main()["cmdQuit"].caption(), "Quit");
    languages.action(common::Language::French)->trigger();
    EXPECT_EQ(text("cmdQuit"), QStringLiteral("Quitter"));
    EXPECT_EQ(main_->windowTitle(), QStringLiteral("Ventrose pour FS"));
    EXPECT_TRUE(languages.action(common::Language::French)->isChecked());
}

// After a switch of language the menus speak it, the entries made once (on top, the palettes,
// the simulators) as much as the submenus made as the menu opens, and a screen reader hears a
// stale figure qualified in it; back in French everything reads as before.
TEST_F(DisplayTest, TheMenusAndAStaleFiguresDescriptionFollowASwitchOfLanguage) {
    app::SimMenu sim;
    app::LanguageMenu languages;
    languages.languageChosen = [&](common::Language chosen) {
        languages.show(chosen);
        EXPECT_TRUE(translations::ChangeLanguage(t_.app.runtime(), chosen));
        sim.show(std::nullopt);
    };
    t_.view.displayMenu().moreEntries = [&](QMenu& menu) {
        sim.fill(menu);
        languages.fill(menu);
    };
    // A link that gives nothing: the main window's airspeed is not current.
    t_.app.simFeed().SetLink(simlink::Simulator::XPlane);
    QAccessibleInterface* vp = QAccessible::queryAccessibleInterface(&mainWidget("lblVp"));
    ASSERT_NE(vp, nullptr);
    const auto figure = [&] {
        return platform::qt::ToQString(platform::Spoken(main()["lblVp"].caption()));
    };
    const QStringList languageEntries = {QStringLiteral("Langue / Language/Français"),
                                         QStringLiteral("Langue / Language/English")};

    languages.action(common::Language::English)->trigger();
    const QStringList english = {
        QStringLiteral("Always on top Ctrl+T"),  QStringLiteral("Colours/Day Ctrl+1"),
        QStringLiteral("Colours/Night Ctrl+2"),  QStringLiteral("Colours/Red night Ctrl+3"),
        QStringLiteral("Simulator/None"),        QStringLiteral("Simulator/X-Plane…"),
        QStringLiteral("Simulator/FlightGear…"),
    };
    EXPECT_EQ(MenuAfter([&] { RightClick(*main_); }), english + languageEntries);
    EXPECT_EQ(vp->text(QAccessible::Description), figure() + QStringLiteral(", not current"));

    languages.action(common::Language::French)->trigger();
    const QStringList french = {
        QStringLiteral("Simulateur/Aucun"),
        QStringLiteral("Simulateur/X-Plane…"),
        QStringLiteral("Simulateur/FlightGear…"),
    };
    EXPECT_EQ(MenuAfter([&] { RightClick(*main_); }), kDisplayEntries + french + languageEntries);
    EXPECT_EQ(vp->text(QAccessible::Description), figure() + QStringLiteral(", pas à jour"));
}

// A pilot who set X-Plane's port, chose «Aucun» for a while, then X-Plane again, finds the port
// set, not the default.
TEST(SimMenuTest, TheDialogShowsTheLastMachineAndPortAfterAucun) {
    app::SimMenu menu;
    menu.show(simlink::LinkChoice{simlink::Simulator::XPlane, "192.168.1.20", 49010});
    menu.show(std::nullopt);
    QStringList shown;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        for (const QLineEdit* box : dialog->findChildren<QLineEdit*>()) shown << box->text();
        dialog->close();
    });
    menu.action(simlink::Simulator::XPlane)->trigger();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("192.168.1.20"), QStringLiteral("49010")}));
    EXPECT_TRUE(menu.noneAction()->isChecked()) << "cancelling changes nothing";
}

TEST(QtHostTest, AMessageBoxIsOwnedByTheWindowThatWasTakingInput) {
    QWidget owner;
    owner.setObjectName(QStringLiteral("frmConversions"));
    platform::qt::QtHost host;
    host.setAnswerAtOnce(true);
    host.setWindowOf(
        [&](const std::string& name) { return name == "frmConversions" ? &owner : nullptr; });
    QWidget* parentSeen = nullptr;
    struct ShowFilter : QObject {
        QWidget** seen;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show)
                if (auto* box = qobject_cast<QMessageBox*>(watched)) *seen = box->parentWidget();
            return false;
        }
    } filter;
    filter.seen = &parentSeen;
    qApp->installEventFilter(&filter);
    host.showMessageBox({"Il faut entrer un nombre", 48, "Erreur", "frmConversions"});
    qApp->removeEventFilter(&filter);
    EXPECT_EQ(parentSeen, &owner);
}

class PlacesTest : public DisplayTest {
protected:
    QRect screen() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(PlacesTest, AWindowOpensWhereItWasAndIsRememberedWhereItIsLeft) {
    preferences::Preferences chosen;
    chosen.windowPositions["frmVitesse"] = {40, 30};
    t_.view.setPreferences(chosen);
    int told = 0;
    t_.view.onPreferencesChanged = [&] { ++told; };
    QPoint opened;
    t_.host.onModal = [&](platform::Form& form) {
        QWidget* window = t_.window(form);
        opened = window->pos();
        window->move(60, 50);
        platform::CloseRequest(form);
    };
    platform::Click(main()["cmdVitesse"]);
    EXPECT_EQ(opened, QPoint(40, 30));
    const auto& kept = t_.view.preferences().windowPositions;
    ASSERT_TRUE(kept.contains("frmVitesse"));
    EXPECT_EQ(kept.at("frmVitesse"), (preferences::Point{60, 50}));
    EXPECT_EQ(told, 1) << "told when the window closed";

    platform::Click(main()["cmdVitesse"]);
    EXPECT_EQ(opened, QPoint(60, 50)) << "reopened where it was left";
}

TEST_F(PlacesTest, APlaceNoScreenShowsIsBroughtBackOntoTheScreen) {
    preferences::Preferences chosen;
    chosen.windowPositions["frmDescente"] = {screen().right() + 3000, screen().bottom() + 2000};
    t_.view.setPreferences(chosen);
    QRect opened;
    t_.host.onModal = [&](platform::Form& form) {
        opened = t_.window(form)->frameGeometry();
        platform::CloseRequest(form);
    };
    platform::Click(main()["cmdVz"]);
    EXPECT_TRUE(screen().contains(opened))
        << opened.x() << "," << opened.y() << " " << opened.width() << "x" << opened.height();
}

TEST_F(PlacesTest, AWindowWithoutAPlaceIsNotMoved) {
    t_.host.onModal = [&](platform::Form& form) {
        EXPECT_FALSE(t_.window(form)->testAttribute(Qt::WA_Moved)) << "left to the window system";
        platform::CloseRequest(form);
    };
    platform::Click(main()["cmdConversions"]);
    EXPECT_TRUE(t_.view.preferences().windowPositions.contains("frmConversions"))
        << "but its place is kept when it closes";
}

}  // namespace
}  // namespace ventrose::testing
