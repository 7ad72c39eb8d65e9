// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <variant>

#include "app/sim_link.h"

namespace ventrose::app {

// A new simulator link from the module, looked for beside the executable (the build tree) and
// where the package installs it; or why there is none, as one sentence in the current language.
// The module, once loaded, stays so for the rest of the process.
std::variant<std::unique_ptr<SimLink>, std::string> LoadSimLink(SimFeed& feed);

// What a person is told when the simulator's machine cannot be found, in the current language.
std::string HostNotFound(const std::string& host);

}  // namespace ventrose::app
