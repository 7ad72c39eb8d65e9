// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace ventrose::app {
class Application;
}

namespace ventrose::scenario {

// The simulator of a scenario: a fake X-Plane or FlightGear on 127.0.0.1, and the program's own
// link to it feeding the application's windows. Sockets need an event loop, which runs only
// inside these calls: between them nothing arrives (in the --qt mode, also while the driver
// hands the widgets their events). Each call returns what went wrong, or nothing.
class SimulatorSteps {
public:
    virtual ~SimulatorSteps() = default;

    // "xplane" or "flightgear": the fake listens on a free port and the application is linked to
    // it as `--sim NAME:127.0.0.1:PORT` links it.
    virtual std::optional<std::string> start(const std::string& simulator,
                                             app::Application& application) = 0;
    // A dataref or property (or its alias), in the simulator's own unit.
    virtual std::optional<std::string> set(const std::string& name, double value) = 0;
    // Malformed replies (or foreign ones), sent and seen refused by the link within patienceMs.
    virtual std::optional<std::string> junk(int patienceMs) = 0;
    virtual std::optional<std::string> foreign(int patienceMs) = 0;
    virtual std::optional<std::string> stop() = 0;
    virtual std::optional<std::string> restart() = 0;
    virtual std::optional<std::string> drop() = 0;
    // Runs the event loop until the link has handed the windows every value the simulator holds
    // now, at most timeoutMs.
    virtual std::optional<std::string> waitForValues(int timeoutMs) = 0;
    // Runs the event loop until `holds` does, at most timeoutMs; false when it never held.
    virtual bool waitUntil(const std::function<bool()>& holds, int timeoutMs) = 0;
    // How many times the link has handed the windows values.
    virtual std::uint64_t deliveries() const = 0;
};

}  // namespace ventrose::scenario
