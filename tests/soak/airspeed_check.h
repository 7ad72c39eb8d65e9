// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "tests/runner/driver.h"
#include "tests/soak/failure.h"

namespace ventrose::soak {

// The airspeed window's promise: the altitude, metres, temperature and pressure labels show the
// standard atmosphere of the altitude the bar points at (a thumb released between steps keeps
// the previous altitude, so any row then); the speeds, the rule's and the exact one with its
// Mach number, show the standard true airspeed, or the one corrected for the temperature last
// confirmed with OK; a bar that moves discards the typed temperature; OK on a text that is no
// usable temperature says so and changes nothing.
class AirspeedCheck {
public:
    void reset() { confirmed_.reset(); }
    void before(scenario::Driver& driver, bool okClicked);
    Check after(scenario::Driver& driver, bool okClicked, std::size_t newBoxes);
    // The simulator's values reached the window: when it follows, its bars moved and the
    // temperature it was given, if any, was typed and confirmed as OK does.
    void fed(scenario::Driver& driver);
    Check check(scenario::Driver& driver) const;

private:
    std::optional<int> altitude(scenario::Driver& driver) const;

    // lblVp2, lblVpKm, lblVpExacte and lblMach, quoted as the driver reads them, on one line.
    std::optional<std::string> confirmed_;
    std::optional<std::string> predicted_;
    bool refusalPredicted_ = false;
    std::string speedsBefore_;
    int viBefore_ = 0, altBarBefore_ = 0;
};

}  // namespace ventrose::soak
