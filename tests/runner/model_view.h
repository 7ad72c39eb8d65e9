// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/design.h"

namespace ventrose::platform {
class Control;
class Form;
}  // namespace ventrose::platform

namespace ventrose::scenario {

// A colour in the file's syntax: "#RRGGBB", or "" for the toolkit's own.
std::string ColourText(platform::Colour colour);

// The properties that a scenario can name for a control of this kind, in dump order.
const std::vector<std::string>& PropertiesOf(const platform::Control& control);

// A model property in the file's syntax; nothing when the control has no such property.
std::optional<std::string> ReadModel(const platform::Control& control, const std::string& property);
std::optional<std::string> ReadModel(const platform::Form& form, const std::string& property);

// Every property of every control of the form, as "FORM.CONTROL.PROPERTY VALUE" lines.
std::vector<std::string> DumpModel(const platform::Form& form);

}  // namespace ventrose::scenario
