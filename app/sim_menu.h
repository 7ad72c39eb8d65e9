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
// a small dialog (AskLink) before choosing, filled in with the ones that simulator was last
// linked with in this run, "Aucun" chosen since or not; cancelling it changes nothing.
class SimMenu : public QObject {
public:
    SimMenu();

    // Appends the submenu to `menu`.
    void fill(QMenu& menu);
    // Shows the link in force, without calling back, its entries in the current language.
    void show(const std::optional<simlink::LinkChoice>& link);

    // A person's choice: a link, or none.
    std::function<void(const std::optional<simlink::LinkChoice>& link)> linkChosen;

    QAction* noneAction() const { return actions_[0]; }
    QAction* action(simlink::Simulator simulator) const;

private:
    void ask(simlink::Simulator simulator);

    std::array<QAction*, 3> actions_{};
    std::optional<simlink::LinkChoice> link_;
    // X-Plane's, then FlightGear's.
    std::array<std::optional<simlink::LinkChoice>, 2> lastUsed_{};
};

// Asks for a simulator's machine and port, with `current` filled in when it is a link to that
// simulator, else the defaults, and checks them with the link's own rules: a wrong one is said in
// the dialog, which stays open. Nullopt when the person cancels.
std::optional<simlink::LinkChoice> AskLink(QWidget* parent, simlink::Simulator simulator,
                                           const std::optional<simlink::LinkChoice>& current);

}  // namespace ventrose::app
