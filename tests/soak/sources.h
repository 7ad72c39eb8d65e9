// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tests/soak/random_person.h"
#include "tests/soak/soak.h"

namespace ventrose::soak {

// A random person's steps, `budget` of them; then, if a window is still shown modally, the
// close boxes that bring the application back to its main window.
class RandomSource : public StepSource {
public:
    RandomSource(std::uint64_t seed, std::uint64_t budget) : person_(seed), budget_(budget) {}
    std::optional<scenario::Step> next(app::Application& application) override;

private:
    RandomPerson person_;
    std::uint64_t budget_;
    std::uint64_t given_ = 0;
    int closes_ = 0;
};

// The steps of a list, in order.
class ListSource : public StepSource {
public:
    explicit ListSource(const std::vector<scenario::Step>& steps) : steps_(steps) {}
    std::optional<scenario::Step> next(app::Application&) override {
        if (next_ >= steps_.size()) return std::nullopt;
        return steps_[next_++];
    }

private:
    const std::vector<scenario::Step>& steps_;
    std::size_t next_ = 0;
};

}  // namespace ventrose::soak
