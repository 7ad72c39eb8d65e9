// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds: every interactive control of every window has a name, taken from
// the caption beside it, and a value label tells its current value.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QTest>
#include <set>

#include "platform/accessible_names.h"
#include "platform/runtime.h"
#include "platform/user_actions.h"
#include "tests/qt/app_under_test.h"

namespace ventrose::testing {
namespace {

using platform::IsValueLabel;

bool interactive(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
        case QAccessible::RadioButton:
        case QAccessible::CheckBox:
        case QAccessible::ScrollBar:
        case QAccessible::Slider:
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox: return true;
        default: return false;
    }
}

// Every interactive node under `node` without a name, by object name.
void collectNameless(QAccessibleInterface* node, std::vector<std::string>& nameless,
                     int& interactiveSeen) {
    if (node == nullptr) return;
    if (interactive(node->role())) {
        ++interactiveSeen;
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            nameless.push_back(
                node->object() != nullptr ? node->object()->objectName().toStdString() : "?");
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectNameless(node->child(i), nameless, interactiveSeen);
}

class AccessibilityTest : public ::testing::Test {
protected:
    AccessibilityTest() {
        for (platform::Form* form : AllWindows(t_.app)) t_.app.runtime().Load(*form);
        // Two legs in the log, so that its table has rows to read, with the exact triangle's
        // columns.
        for (int i = 0; i < 2; ++i) platform::Click(t_.app.frmLog()["cmdAjouter"]);
        platform::Click(t_.app.frmLog()["chkExact"]);
    }

    // A table's rows show only once their leg exists; a hidden row has no widget.
    static bool hiddenRow(const platform::Control& control) {
        return control.index() > 0 && !control.visible();
    }

    QString nameOf(platform::Form& form, const char* control) {
        return QAccessible::queryAccessibleInterface(t_.widget(form, control))
            ->text(QAccessible::Name);
    }
    QString descriptionOf(platform::Form& form, const char* control) {
        return QAccessible::queryAccessibleInterface(t_.widget(form, control))
            ->text(QAccessible::Description);
    }

    AppUnderTest t_;
};

TEST_F(AccessibilityTest, NoInteractiveControlOfAnyWindowIsNameless) {
    for (platform::Form* form : AllWindows(t_.app)) {
        QWidget* window = t_.window(*form);
        ASSERT_NE(window, nullptr) << form->name();
        std::vector<std::string> nameless;
        int seen = 0;
        collectNameless(QAccessible::queryAccessibleInterface(window), nameless, seen);
        EXPECT_TRUE(nameless.empty()) << form->name() << ": " << ::testing::PrintToString(nameless);
        int controls = 0;
        for (const auto& control : form->controls())
            if (!hiddenRow(*control) && control->kind() != platform::ControlKind::Label &&
                control->kind() != platform::ControlKind::Frame &&
                control->kind() != platform::ControlKind::Line &&
                control->kind() != platform::ControlKind::Shape &&
                control->kind() != platform::ControlKind::Image)
                ++controls;
        EXPECT_EQ(seen, controls) << form->name() << ": every interactive control is in the tree";
    }
}

TEST_F(AccessibilityTest, BarsAndBoxesAreNamedByTheCaptionBesideThem) {
    platform::Form& main = t_.app.frmMainCalc();
    EXPECT_EQ(nameOf(main, "hscVp"), QStringLiteral("Vp = Vitesse propre ou TAS"));
    EXPECT_EQ(nameOf(main, "hscVw"), QStringLiteral("Force du vent ( Vw en Kts )"));
    EXPECT_EQ(nameOf(main, "hscDt"), QStringLiteral("Distance ( D ) à parcourir en NM"));
    EXPECT_EQ(nameOf(main, "hscTsv"), QStringLiteral("Temps sans vent ( en minutes )"))
        << "the hidden bar takes the caption hidden with it";
    EXPECT_EQ(nameOf(main, "optDistance"), QStringLiteral("Distance"));
    EXPECT_EQ(nameOf(main, "cmdVitesse"), QStringLiteral("IAS to TAS"));
    EXPECT_EQ(nameOf(t_.app.frmVitesse(), "vscAlt"), QStringLiteral("Altitude"));
    EXPECT_EQ(nameOf(t_.app.frmConversions(), "txtChoixDist"), QStringLiteral("Distances"))
        << "the frame's caption";
    EXPECT_EQ(nameOf(t_.app.frmDescente(), "hscPtA"), QStringLiteral("Altitude point A"));
    EXPECT_EQ(nameOf(t_.app.frmLog(), "vscEtapes"), QStringLiteral("Étapes"))
        << "not the window's title";
}

TEST_F(AccessibilityTest, AValueLabelIsNamedByItsCaptionAndTellsItsValue) {
    platform::Form& main = t_.app.frmMainCalc();
    EXPECT_EQ(nameOf(main, "lblFb"), QStringLiteral("FACTEUR DE BASE ( Fb = 60 / Vp )"));
    EXPECT_EQ(nameOf(main, "lblMultCos"), QStringLiteral("Cosinus d'alpha :"));
    EXPECT_EQ(nameOf(main, "lblVs"), QStringLiteral("Vitesse Sol ( Vs = Vp +/- Ve )"));
    const QString before = descriptionOf(main, "lblVp");
    EXPECT_EQ(before.toStdString(), main["lblVp"].caption());
    ASSERT_TRUE(platform::ArrowClick(main["hscVp"], platform::Toward::Max));
    EXPECT_NE(descriptionOf(main, "lblVp"), before) << "kept up to date";
    EXPECT_EQ(descriptionOf(main, "lblVp").toStdString(), main["lblVp"].caption());
}

// Every result is named after a caption of its window: one beside it, or further along its row
// when nothing stands between (never after the frame's title).
TEST_F(AccessibilityTest, EveryValueLabelIsNamedByACaption) {
    platform::Form& main = t_.app.frmMainCalc();
    EXPECT_EQ(nameOf(main, "lblTsv"),
              QStringLiteral("TEMPS SANS VENT ( Tsv soit Vp = Vs ) ( Tsv = D . Fb )"));
    EXPECT_EQ(nameOf(main, "lblD"),
              QStringLiteral("DISTANCE ( D ) en miles nautiques ( D = Tsv . Inverse Fb )"));
    EXPECT_EQ(nameOf(main, "lblTav"), QStringLiteral("Temps avec vent"));
    // The exact speed and Mach, and the exact triangle's figures, say what they are, so that a
    // listener does not take them for the rule's.
    for (const char* exact : {"lblVpExacte", "lblMach"})
        EXPECT_EQ(nameOf(t_.app.frmVitesse(), exact),
                  QStringLiteral("Vp exacte et Mach ( atmosphère standard, compressibilité )"))
            << exact;
    for (const char* exact : {"lblCapExact", "lblVsExacte", "lblEcart"})
        EXPECT_EQ(nameOf(main, exact), QStringLiteral("Triangle exact")) << exact;
    std::vector<std::string> unnamed;
    for (platform::Form* form : AllWindows(t_.app)) {
        std::set<QString> captions;
        for (const auto& control : form->controls())
            if (control->kind() == platform::ControlKind::Label && !IsValueLabel(*control))
                captions.insert(QString::fromStdString(platform::Spoken(control->caption())));
        for (const auto& control : form->controls()) {
            if (!IsValueLabel(*control) || hiddenRow(*control)) continue;
            // A row of a table is named after its column's caption and its number ("Cap 2").
            QString name = nameOf(*form, control->name().c_str());
            const QString row = QStringLiteral(" %1").arg(control->index());
            if (control->index() > 0 && name.endsWith(row)) name.chop(row.size());
            if (!captions.count(name))
                unnamed.push_back(form->name() + "." + control->name() + " (" +
                                  nameOf(*form, control->name().c_str()).toStdString() + ")");
        }
    }
    EXPECT_TRUE(unnamed.empty()) << ::testing::PrintToString(unnamed);
}

// The log's exact columns are named after their captions, and so are the columns moved right to
// make room for them; where no heading holds the course, the «X» is said in full.
TEST_F(AccessibilityTest, TheLogsExactColumnsAreNamedAndSayWhyNoHeadingHolds) {
    platform::Form& log = t_.app.frmLog();
    const std::pair<const char*, const char*> leg[] = {
        {"txtRm(1)", "90"}, {"txtDist(1)", "40"}, {"txtV(1)", "180"}, {"txtVw(1)", "200"}};
    for (const auto& [box, text] : leg) {
        platform::ClearText(log[box]);
        platform::Paste(log[box], text);
    }
    EXPECT_EQ(nameOf(log, "lblCapExact(1)"), QStringLiteral("Cap exact 1"));
    EXPECT_EQ(nameOf(log, "lblVsExacte(2)"), QStringLiteral("Vs exacte 2"));
    EXPECT_EQ(nameOf(log, "lblVsR(1)"), QStringLiteral("Vs réelle 1"));
    EXPECT_EQ(log["lblCapExact(1)"].caption(), "X");
    for (const char* exact : {"lblCapExact(1)", "lblVsExacte(1)"})
        EXPECT_EQ(descriptionOf(log, exact),
                  QStringLiteral("cap impossible : vent traversier > Vp"))
            << exact;
}

TEST_F(AccessibilityTest, OptionsAreRadioButtonsWithTheirState) {
    platform::Form& main = t_.app.frmMainCalc();
    QAccessibleInterface* temps =
        QAccessible::queryAccessibleInterface(t_.widget(main, "optTemps"));
    QAccessibleInterface* distance =
        QAccessible::queryAccessibleInterface(t_.widget(main, "optDistance"));
    EXPECT_EQ(temps->role(), QAccessible::RadioButton);
    EXPECT_TRUE(temps->state().checked);
    EXPECT_FALSE(distance->state().checked);
    // A screen reader's toggle action selects through the model, and its handler runs.
    distance->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(main["optDistance"].selected());
    EXPECT_TRUE(main["hscTsv"].visible());
    EXPECT_FALSE(temps->state().checked);
}

// The simulator's box reads as a check box named by its caption, with its state; a screen
// reader's toggle goes through the model, whose handler stops following.
TEST_F(AccessibilityTest, TheSimulatorsBoxIsACheckBoxWithItsState) {
    t_.app.simFeed().SetLink(simlink::Simulator::XPlane);
    for (platform::Form* form : {static_cast<platform::Form*>(&t_.app.frmMainCalc()),
                                 static_cast<platform::Form*>(&t_.app.frmVitesse()),
                                 static_cast<platform::Form*>(&t_.app.frmDescente())}) {
        SCOPED_TRACE(form->name());
        QAccessibleInterface* box =
            QAccessible::queryAccessibleInterface(t_.widget(*form, "chkSuivre"));
        EXPECT_EQ(box->role(), QAccessible::CheckBox);
        EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("Suivre le simulateur"));
        EXPECT_TRUE(box->state().checked);
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_EQ((*form)["chkSuivre"].value(), 0);
        EXPECT_FALSE(box->state().checked);
        EXPECT_EQ(nameOf(*form, "lblSimulateur"), QStringLiteral("X-Plane : pas de données"));
    }
}

// While the link gives nothing, a followed figure is said to be out of date after its value; the
// next values take that away.
TEST_F(AccessibilityTest, AFigureTheLinkNoLongerFeedsIsSaidToBeOutOfDate) {
    t_.app.simFeed().SetLink(simlink::Simulator::XPlane);
    QAccessibleInterface* vp =
        QAccessible::queryAccessibleInterface(t_.widget(t_.app.frmMainCalc(), "lblVp"));
    EXPECT_EQ(vp->text(QAccessible::Description), QStringLiteral("120 kts, pas à jour"));
    t_.app.simFeed().SetStatus("X-Plane : données reçues", true);
    EXPECT_EQ(vp->text(QAccessible::Description), QStringLiteral("120 kts"));
}

// A screen reader announces a bar's value as the window holds it, not the widget's position.
TEST_F(AccessibilityTest, ABarTellsTheModelsValue) {
    platform::Form& main = t_.app.frmMainCalc();
    for (const char* bar : {"hscVp", "hscRm", "hscVw"}) {
        SCOPED_TRACE(bar);
        QAccessibleValueInterface* value =
            QAccessible::queryAccessibleInterface(t_.widget(main, bar))->valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->currentValue().toInt(), main[bar].value());
        EXPECT_EQ(value->minimumValue().toInt(), main[bar].min());
        EXPECT_EQ(value->maximumValue().toInt(), main[bar].max());
    }
}

// Linked, the log's current leg is said with its waypoint, and the line under the legs, which the
// window rewrites at each datagram, is named by its new text; a greyed command says why.
TEST_F(AccessibilityTest, TheLogsCurrentLegAndGreyedCommandsAreSaid) {
    platform::Form& log = t_.app.frmLog();
    t_.app.simFeed().SetLink(simlink::Simulator::XPlane);
    EXPECT_EQ(descriptionOf(log, "txtRepere(1)"), QStringLiteral("Étape en cours"));
    EXPECT_EQ(descriptionOf(log, "txtRepere(2)"), QString());
    EXPECT_EQ(nameOf(log, "lblEnCours"),
              QStringLiteral("Étape 1 : sans position, Top à la main, HE --:--"));
    platform::Paste(log["txtRepere(1)"], "Montargis");
    EXPECT_EQ(nameOf(log, "lblEnCours"),
              QStringLiteral("Étape 1 → Montargis : sans position, Top à la main, HE --:--"));
    QAccessibleInterface* wind =
        QAccessible::queryAccessibleInterface(t_.widget(log, "cmdVentSim"));
    EXPECT_TRUE(wind->state().disabled);
    EXPECT_EQ(wind->text(QAccessible::Description), QStringLiteral("X-Plane : pas de données"));
}

TEST_F(AccessibilityTest, ACaptionLabelIsNamedByItsText) {
    EXPECT_EQ(nameOf(t_.app.frmMainCalc(), "Label2"),
              QStringLiteral("FACTEUR DE BASE ( Fb = 60 / Vp )"));
}

}  // namespace
}  // namespace ventrose::testing
