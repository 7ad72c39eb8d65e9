// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/scenario_file.h"

namespace ventrose::soak {

namespace {

// A comment must stay on one line.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

}  // namespace

std::string ScenarioText(std::uint64_t seed, const Failure& failure,
                         const std::vector<scenario::Step>& steps) {
    std::string text = "# Found by ventrose-soak --seed " + std::to_string(seed) + "\n";
    text += "# " + oneLine(failure.message) + "\n";
    text +=
        "# Add the expectation that the last step breaks before keeping this file as a scenario.\n";
    for (const auto& step : steps) text += step.source + "\n";
    text += "ignore-msgboxes\n";
    return text;
}

}  // namespace ventrose::soak
