// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/shrink.h"

namespace ventrose::soak {

std::vector<scenario::Step> Shrink(std::vector<scenario::Step> steps, const Failure& failure,
                                   const Replay& replay, std::chrono::seconds budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    const auto stillFails = [&](const std::vector<scenario::Step>& candidate) {
        const auto seen = replay(candidate);
        return seen && seen->kind == failure.kind;
    };
    bool progress = true;
    while (progress && std::chrono::steady_clock::now() < deadline) {
        progress = false;
        for (std::size_t chunk = std::max<std::size_t>(steps.size() / 2, 1); chunk >= 1;
             chunk /= 2) {
            for (std::size_t at = 0;
                 at < steps.size() && std::chrono::steady_clock::now() < deadline;) {
                std::vector<scenario::Step> candidate(
                    steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(at));
                const std::size_t end = std::min(steps.size(), at + chunk);
                candidate.insert(candidate.end(), steps.begin() + static_cast<std::ptrdiff_t>(end),
                                 steps.end());
                if (stillFails(candidate)) {
                    steps = std::move(candidate);
                    progress = true;
                } else {
                    at += chunk;
                }
            }
            if (chunk == 1) break;
        }
    }
    return steps;
}

}  // namespace ventrose::soak
