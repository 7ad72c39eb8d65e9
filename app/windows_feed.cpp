// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows_feed.h"

#include "simlink/link_state.h"

namespace ventrose::app {

// A link just chosen has received nothing yet: its state is the link's own first one.
void WindowsFeed::SetLink(std::optional<simlink::Simulator> simulator) {
    if (!simulator && !link_) return;
    link_ = simulator;
    latest_.reset();
    receiving_ = false;
    status_ = simulator ? std::string(simlink::LinkState(*simulator).Status()) : std::string();
    const bool linked = simulator.has_value();
    main_.LierSimulateur(linked);
    vitesse_.LierSimulateur(linked);
    descente_.LierSimulateur(linked);
    log_.LierSimulateur(simulator);
    if (!linked) return;
    main_.EtatSimulateur(status_, receiving_);
    vitesse_.EtatSimulateur(status_, receiving_);
    descente_.EtatSimulateur(status_, receiving_);
    log_.EtatSimulateur(status_, receiving_);
}

void WindowsFeed::SetStatus(std::string_view status, bool receiving) {
    if (!link_ || (status == status_ && receiving == receiving_)) return;
    status_ = status;
    receiving_ = receiving;
    main_.EtatSimulateur(status_, receiving_);
    vitesse_.EtatSimulateur(status_, receiving_);
    descente_.EtatSimulateur(status_, receiving_);
    log_.EtatSimulateur(status_, receiving_);
}

// The windows follow in the order a person looks at them: the main window first, which stays
// under the others.
void WindowsFeed::Deliver(const simlink::SimValues& values) {
    if (!link_) return;
    latest_ = values;
    main_.SuivreSimulateur(values);
    vitesse_.SuivreSimulateur(values);
    descente_.SuivreSimulateur(values);
    log_.SuivreSimulateur(values);
}

}  // namespace ventrose::app
