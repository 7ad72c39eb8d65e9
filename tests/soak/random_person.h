// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/runner/scenario.h"

namespace ventrose::app {
class Application;
}

namespace ventrose::soak {

// A person who does anything at all, mostly in the window that takes input and sometimes in a
// window under it: arrows, troughs and drags anywhere in a bar's range, clicks on every button,
// option, label and picture, typing, pasting and clearing in every box, closing windows, and
// now and then a flight plan of random points (or a broken one) dropped on the log. The
// same seed and the same application state give the same steps, whatever the driver.
class RandomPerson {
public:
    explicit RandomPerson(std::uint64_t seed) : state_(seed) {}

    // The next step for the application as it is now; it has started and not ended.
    scenario::Step next(app::Application& application);

private:
    std::uint64_t draw();
    std::size_t below(std::size_t n);
    bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }
    std::string character();
    std::string text(std::size_t maxLength);
    int keyCode();
    // A flight plan's text, of a planner's format or a broken one.
    std::string plan();
    std::string degrees(double limit);

    std::uint64_t state_;
    // The steps of an import under way: the plan written, the question answered, the drop.
    std::vector<scenario::Step> pending_;
    std::uint64_t plans_ = 0;
};

}  // namespace ventrose::soak
