// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "tests/runner/scenario.h"
#include "tests/soak/failure.h"

namespace ventrose::soak {

// Replays a list of steps against a fresh application; the failure it ends with, if any.
using Replay = std::function<std::optional<Failure>(const std::vector<scenario::Step>&)>;

// The shortest list found by deleting steps, halves first, then ever smaller runs down to single
// steps, for as long as the replay still fails with the same kind of failure. Stops improving
// when `budget` is spent and returns the best list so far.
std::vector<scenario::Step> Shrink(std::vector<scenario::Step> steps, const Failure& failure,
                                   const Replay& replay, std::chrono::seconds budget);

}  // namespace ventrose::soak
