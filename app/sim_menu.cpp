// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sim_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <variant>

#include "common/tr.h"

namespace ventrose::app {

namespace {

using simlink::LinkChoice;
using simlink::Simulator;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString QTr(const char* context, const char* french) {
    return QString::fromStdString(common::Tr(context, french));
}

// What the pilot sets on the simulator's side, in one sentence.
QString Advice(Simulator simulator) {
    return simulator == Simulator::XPlane
               ? QTr("SimMenu",
                     "X-Plane envoie ses données sans réglage : donner la machine où il tourne "
                     "(127.0.0.1 : celle-ci) et son port UDP (49000 sauf réglage contraire).")
               : QTr("SimMenu",
                     "Lancer FlightGear avec --telnet=5401, puis donner la machine où il tourne "
                     "(127.0.0.1 : celle-ci) et ce port.");
}

}  // namespace

SimMenu::SimMenu() {
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (QAction*& action : actions_) {
        action = new QAction(group);
        action->setCheckable(true);
    }
    connect(actions_[0], &QAction::triggered, this, [this] {
        if (linkChosen) linkChosen(std::nullopt);
    });
    connect(actions_[1], &QAction::triggered, this, [this] { ask(Simulator::XPlane); });
    connect(actions_[2], &QAction::triggered, this, [this] { ask(Simulator::FlightGear); });
    show(std::nullopt);
}

QAction* SimMenu::action(Simulator simulator) const {
    return actions_[simulator == Simulator::XPlane ? 1 : 2];
}

void SimMenu::fill(QMenu& menu) {
    QMenu* sub = menu.addMenu(QTr("SimMenu", "Simulateur"));
    for (QAction* a : actions_) sub->addAction(a);
}

void SimMenu::show(const std::optional<LinkChoice>& link) {
    link_ = link;
    if (link) lastUsed_[link->simulator == Simulator::XPlane ? 0 : 1] = link;
    (link ? action(link->simulator) : noneAction())->setChecked(true);
    noneAction()->setText(QTr("SimMenu", "Aucun"));
    for (const Simulator simulator : {Simulator::XPlane, Simulator::FlightGear}) {
        QString text = Text(simlink::SimulatorName(simulator)) + QString::fromUtf8("…");
        if (link && link->simulator == simulator)
            text +=
                QStringLiteral(" (%1:%2)").arg(QString::fromStdString(link->host)).arg(link->port);
        action(simulator)->setText(text);
    }
}

void SimMenu::ask(Simulator simulator) {
    const std::optional<LinkChoice> chosen = AskLink(
        QApplication::activeWindow(), simulator, lastUsed_[simulator == Simulator::XPlane ? 0 : 1]);
    if (!chosen) {
        show(link_);  // the check mark goes back where it was
        return;
    }
    if (linkChosen) linkChosen(chosen);
}

std::optional<LinkChoice> AskLink(QWidget* parent, Simulator simulator,
                                  const std::optional<LinkChoice>& current) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Text(simlink::SimulatorName(simulator)));
    auto* layout = new QVBoxLayout(&dialog);
    // The dialog grows with the message of a wrong value rather than squeezing the others.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* advice = new QLabel(Advice(simulator));
    advice->setWordWrap(true);
    advice->setFixedWidth(advice->fontMetrics().averageCharWidth() * 48);
    layout->addWidget(advice);
    auto* form = new QFormLayout;
    const bool same = current && current->simulator == simulator;
    auto* host = new QLineEdit(
        QString::fromStdString(same ? current->host : std::string(simlink::kDefaultHost)));
    auto* port =
        new QLineEdit(QString::number(same ? current->port : simlink::DefaultPort(simulator)));
    host->setMaxLength(static_cast<int>(simlink::kMaxHostBytes) + 1);
    port->setMaxLength(6);
    form->addRow(QTr("SimMenu", "&Machine :"), host);
    form->addRow(QTr("SimMenu", "&Port :"), port);
    layout->addLayout(form);
    auto* problem = new QLabel;
    problem->setWordWrap(true);
    problem->setFixedWidth(advice->width());
    problem->setAccessibleName(QTr("SimMenu", "Erreur"));
    problem->hide();
    layout->addWidget(problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QTr("SimMenu", "OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QTr("SimMenu", "Annuler"));
    layout->addWidget(buttons);

    std::optional<LinkChoice> chosen;
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const auto made = simlink::MakeLinkChoice(simulator, host->text().trimmed().toStdString(),
                                                  port->text().trimmed().toStdString());
        if (const auto* error = std::get_if<simlink::LinkChoiceError>(&made)) {
            problem->setText(QString::fromStdString(error->message));
            problem->show();
            return;
        }
        chosen = std::get<LinkChoice>(made);
        dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return chosen;
}

}  // namespace ventrose::app
