// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/runner/driver.h"
#include "tests/soak/failure.h"

namespace ventrose::soak {

// The main window's promise: every label shows what the wind computations give for the four
// bars it shows, the exact triangle's included. The leg's labels (and the difference, which
// counts the leg) follow the entry bar of the selected mode only once that bar
// has moved (or the window was reset) since the mode last changed: switching modes computes
// nothing, and the next pass starts from the computed quantity, not from the hidden bar that
// may be pinned at its end.
class MainWindowCheck {
public:
    void reset() { legFromBar_ = true; }
    void before(scenario::Driver& driver);
    void after(scenario::Driver& driver, bool clearClicked);
    Check check(scenario::Driver& driver) const;

private:
    bool legFromBar_ = true;
    bool tempsBefore_ = true;
    int entryBefore_ = 0;
};

}  // namespace ventrose::soak
