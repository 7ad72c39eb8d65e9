// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/runner/driver.h"
#include "tests/runner/scenario.h"
#include "tests/runner/simulator_steps.h"
#include "tests/soak/checker.h"
#include "tests/soak/failure.h"

namespace ventrose::soak {

// Where the steps come from: a random person, or a list being replayed.
class StepSource {
public:
    virtual ~StepSource() = default;
    // The next step for the application as it is now; nothing when there is none left.
    virtual std::optional<scenario::Step> next(app::Application& application) = 0;
};

using DriverFactory = std::function<std::unique_ptr<scenario::Driver>()>;

// A fake simulator linked to each application the soak starts. Every `every` steps it is given
// new random values (and, one time in four, malformed data first), and the event loop runs until
// the windows have them; in the --qt mode values may also arrive while a step's events are
// delivered. The random values do not replay: a reproduction holds the person's steps only.
struct SimulatorSetup {
    std::string simulator;  // "xplane" or "flightgear"
    std::function<std::unique_ptr<scenario::SimulatorSteps>()> make;
    std::uint64_t seed = 1;
    std::uint64_t every = 100;
};

struct SoakResult {
    std::uint64_t steps = 0;
    std::uint64_t starts = 0;
    std::optional<Failure> failure;
    // The steps since the application last started, up to the failure: the reproduction.
    std::vector<scenario::Step> life;
};

// Plays steps against the application through a driver, checking every invariant after each
// step. A step that shows a window modally returns only when that window is closed: the steps
// in between are played from inside the modal show, through the driver's modal pump, as the
// scenario runner does. With `restart`, an application that the person ended is replaced by a
// fresh one and the steps go on; without, the run stops there.
class Soak {
public:
    Soak(DriverFactory factory, bool restart, std::optional<SimulatorSetup> simulator = {})
        : factory_(std::move(factory)),
          restart_(restart),
          setup_(std::move(simulator)),
          random_(setup_ ? setup_->seed : 1) {}

    SoakResult run(StepSource& source);

private:
    void start();
    bool play();
    void pump(platform::Form& form);
    // New random values for the simulator, waited for; false when an invariant broke.
    bool feedSimulator();

    DriverFactory factory_;
    bool restart_;
    std::unique_ptr<scenario::Driver> driver_;
    std::optional<SimulatorSetup> setup_;
    std::unique_ptr<scenario::SimulatorSteps> simulator_;
    std::mt19937_64 random_;
    std::uint64_t feeds_ = 0;
    StepSource* source_ = nullptr;
    Checker checker_;
    SoakResult result_;
};

}  // namespace ventrose::soak
