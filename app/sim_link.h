// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "simlink/link_choice.h"

namespace ventrose::app {

class SimFeed;

// The simulator link as the program holds it. Its sockets are Qt Network's, which costs a
// start-up a few milliseconds just to be loaded: so the program does not link it, and loads the
// link from a module of its own (libventrose-sim-link.so, sim_link_module.cpp) once a link is
// chosen (sim_link_loader.h).
class SimLink {
public:
    virtual ~SimLink() = default;
    // Ends the link in force, then starts `choice` (none: no socket at all).
    virtual void setLink(const std::optional<simlink::LinkChoice>& choice) = 0;
    // Told once per link when its host cannot be found, with the host as the link names it. The
    // program says it in its language (HostNotFound): the module has its own copy of the cores,
    // whose texts no translator reaches.
    virtual void setOnHostNotFound(std::function<void(const std::string& host)> onHostNotFound) = 0;
};

// What the module exports under the name kMakeSimLink: a new link feeding `feed`, which the
// caller owns and deletes (the module stays loaded).
using MakeSimLink = SimLink* (*)(SimFeed& feed);
inline constexpr const char* kMakeSimLink = "ventrose_make_sim_link";

}  // namespace ventrose::app
