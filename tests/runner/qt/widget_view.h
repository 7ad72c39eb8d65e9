// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace ventrose::platform {
class Control;
}

namespace ventrose::scenario {

// A property as the control's widget shows it, in the file's syntax (as ReadModel gives the
// model's); nothing when the control has no such property. The control tells only which kind
// of widget it is and how its scroll values map; every value is read from the widget.
std::optional<std::string> ReadWidget(const QWidget& widget, const platform::Control& control,
                                      const std::string& property);

}  // namespace ventrose::scenario
