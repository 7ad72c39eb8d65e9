// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "tests/runner/driver.h"
#include "tests/runner/scenario.h"

namespace ventrose::soak {

// A person's step built from its words, with its source line in the scenario syntax so that a
// list of steps can be written out as a scenario file. `quoted` marks the string arguments.
scenario::Step MakeStep(std::string word, std::vector<std::string> args,
                        std::vector<bool> quoted = {});

// The form a step acts on ("frmMainCalc" for "frmMainCalc.hscVp"), and the control, if any.
std::string FormOf(const scenario::Step& step);
std::string ControlOf(const scenario::Step& step);

// Plays a person's step through the driver as the scenario runner plays it; false when the
// window refused it. Also a file written and a question answered Ne pas enregistrer ahead
// (write-file, answer-save discard) and the clock moved forward (clock +SECONDS), which no
// window takes: false. Throws what the driver
// throws.
bool PlayStep(scenario::Driver& driver, const scenario::Step& step);

}  // namespace ventrose::soak
