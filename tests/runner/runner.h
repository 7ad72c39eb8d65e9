// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "tests/runner/driver.h"
#include "tests/runner/scenario.h"
#include "tests/runner/simulator_steps.h"

namespace ventrose::scenario {

// Plays one scenario against a freshly started application. A step that opens a modal window
// returns only when that window is closed: the steps in between are played from inside it,
// through the driver's modal pump, as a person works in a modal window.
class Runner {
public:
    // `simulator` plays the sim- steps; without it (a build without Qt) they fail.
    Runner(std::string file, const Scenario& scenario, Driver& driver, std::ostream& out,
           SimulatorSteps* simulator = nullptr);

    // Starts the application and plays every step; then checks what must hold at the end.
    // Returns true when every step held.
    bool run();

    // Plays the next step; false when there is none left or the file was stopped.
    bool step();

private:
    void execute(const Step& step);
    bool person(const Step& step);
    void expect(const Step& step);
    // Whether an expectation holds now, without reporting it.
    bool holds(const Step& step);
    void refused(const Step& step);
    bool documents(const Step& step);
    bool simulator(const Step& step);
    void fail(const Step& step, const std::string& expected, const std::string& got);
    std::string snapshot();
    bool ended();

    std::string file_;
    const Scenario& scenario_;
    Driver& driver_;
    std::ostream& out_;
    SimulatorSteps* simulator_;
    bool simulatorStarted_ = false;
    std::size_t next_ = 0;
    std::size_t logSeen_ = 0;
    std::size_t boxesSeen_ = 0;
    bool stopped_ = false;
    bool passed_ = true;
};

}  // namespace ventrose::scenario
