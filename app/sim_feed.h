// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "simlink/link_state.h"
#include "simlink/sim_values.h"

namespace ventrose::app {

// What a simulator link tells the calculators. The link adapter (sockets, timers) calls it;
// it passes each call on to the windows that are loaded, through the forms model, as a person
// would move their bars.
class SimFeed {
public:
    virtual ~SimFeed() = default;
    // A link was chosen, or none: each calculator shows, or hides, its status line and its
    // "Suivre le simulateur" box; choosing a link turns following on in every window.
    virtual void SetLink(std::optional<simlink::Simulator> simulator) = 0;
    // The link's state ("X-Plane : données reçues", "X-Plane : pas de données"), for the status
    // lines, and whether values are coming (while not, the values shown are not current).
    virtual void SetStatus(std::string_view status, bool receiving) = 0;
    // New values: every loaded calculator that follows takes its inputs from them.
    virtual void Deliver(const simlink::SimValues& values) = 0;
};

}  // namespace ventrose::app
