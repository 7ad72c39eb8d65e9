// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/failure.h"

#include <stdexcept>

#include "tests/runner/scenario.h"

namespace ventrose::soak {

std::string Seen(scenario::Driver& driver, const std::string& form, const std::string& control,
                 const std::string& property) {
    const auto seen = driver.read(form, control, property);
    if (!seen) throw std::runtime_error("no property " + property + " on " + form + "." + control);
    return *seen;
}

int SeenValue(scenario::Driver& driver, const std::string& form, const std::string& bar) {
    return std::stoi(Seen(driver, form, bar, "Value"));
}

bool SeenFlag(scenario::Driver& driver, const std::string& form, const std::string& control,
              const std::string& property) {
    return Seen(driver, form, control, property) == "true";
}

Check ExpectCaption(scenario::Driver& driver, const std::string& form, const std::string& control,
                    const std::string& expected, const std::string& why) {
    const std::string seen = Seen(driver, form, control, "Caption");
    if (seen == scenario::Quote(expected)) return std::nullopt;
    return Failure{form + "." + control, form + "." + control + ".Caption shows " + seen + ", " +
                                             why + " gives " + scenario::Quote(expected)};
}

}  // namespace ventrose::soak
