// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "tests/runner/driver.h"

namespace ventrose::soak {

// A broken invariant: `kind` names what broke (the shrinker keeps a step list only while the
// same kind still breaks), `message` says what was seen against what should be.
struct Failure {
    std::string kind;
    std::string message;
};

using Check = std::optional<Failure>;

// What the person sees, read through the driver (the model headless, the widgets on Qt).
std::string Seen(scenario::Driver& driver, const std::string& form, const std::string& control,
                 const std::string& property);
int SeenValue(scenario::Driver& driver, const std::string& form, const std::string& bar);
bool SeenFlag(scenario::Driver& driver, const std::string& form, const std::string& control,
              const std::string& property = "Value");

// The caption shown against the one expected, as a failure of kind FORM.CONTROL.
Check ExpectCaption(scenario::Driver& driver, const std::string& form, const std::string& control,
                    const std::string& expected, const std::string& why);

}  // namespace ventrose::soak
