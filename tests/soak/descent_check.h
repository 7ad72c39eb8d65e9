// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/runner/driver.h"
#include "tests/soak/failure.h"

namespace ventrose::soak {

// The descent window's promise, frame by frame: what each label shows is what the frame's
// computation gives for the four bars of the frame. An input whose bar still stands where
// loading put it may never have been stored (it counts as absent), and a text the computation
// leaves absent leaves its label as it was: both are allowed for.
Check CheckDescent(scenario::Driver& driver);

}  // namespace ventrose::soak
