// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <optional>

#include "simlink/link_choice.h"

class QAction;
class QMenu;
class QWidget;

namespace ventrose::app {

// The "Simulateur" submenu of every window's context menu: "Aucun", "X-Plane…" and
// "FlightGear…", one of them checked. The last two ask for the simulator's machine and port in
// a small dialog (SimLinkDialog) before choosing; cancelling it changes nothing.
class SimMenu : public QObject {
public:
    SimMenu();

    // Appends the submenu to `menu`.
    void fill(QMenu& menu);
    // Shows the link in force, without calling back.
    void show(const std::optional<simlink::LinkChoice>& link);

    // A person's choice: a link, or none.
    std::function<void(const std::optional<simlink::LinkChoice>& link)> linkChosen;

    QAction* noneAction() const { return actions_[0]; }
    QAction* action(simlink::Simulator simulator) const;

private:
    void ask(simlink::Simulator simulator);

    std::array<QAction*, 3> actions_{};
    std::optional<simlink::LinkChoice> link_;
};

// Asks for a simulator's machine and port, with the link in force or the defaults filled in,
// and checks them with the link's own rules: a wrong one is said in the dialog, which stays
// open. Nullopt when the person cancels.
std::optional<simlink::LinkChoice> AskLink(QWidget* parent, simlink::Simulator simulator,
                                           const std::optional<simlink::LinkChoice>& current);

}  // namespace ventrose::app
