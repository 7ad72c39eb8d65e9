// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/runner/scenario.h"
#include "tests/soak/failure.h"

namespace ventrose::soak {

// The steps as a scenario file that `ventrose-scenario` plays: what broke and how to get it
// again in comments, then the steps; the message boxes they show are not its point.
std::string ScenarioText(std::uint64_t seed, const Failure& failure,
                         const std::vector<scenario::Step>& steps);

}  // namespace ventrose::soak
