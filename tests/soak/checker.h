// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "tests/runner/driver.h"
#include "tests/runner/scenario.h"
#include "tests/soak/airspeed_check.h"
#include "tests/soak/conversions_check.h"
#include "tests/soak/failure.h"
#include "tests/soak/main_window_check.h"

namespace ventrose::soak {

// What is noted before a step, for the checks after it. A step that opens a modal window
// returns only once that window is closed, with the steps played in it checked in between;
// so each step keeps its own notes.
struct BeforeStep {
    std::string active;  // the window taking input
    bool targetAcceptsInput = false;
    std::size_t boxes = 0;  // message boxes shown so far
};

// Every invariant the soak checks after each step: the application is alive unless the person
// quit; a window under a modal one refuses the step; every message box is one of the
// program's own, owned by the window that took the step; no bar's value lies outside its
// range; the window on top shows what its computations give for the inputs it shows.
class Checker {
public:
    // The application has just started (again).
    void started(scenario::Driver& driver);
    BeforeStep before(scenario::Driver& driver, const scenario::Step& step);
    // `fed`: the simulator's values reached the windows during the step, so that what the
    // step alone would have done cannot be told apart.
    Check after(scenario::Driver& driver, const scenario::Step& step, const BeforeStep& noted,
                bool taken, bool fed = false);
    // The simulator's values reached the windows between two steps.
    Check simulatorFed(scenario::Driver& driver);

private:
    Check bars(scenario::Driver& driver, const std::string& form) const;
    Check windowOnTop(scenario::Driver& driver, const std::string& form) const;

    bool quitAsked_ = false;
    // The simulator has handed the windows values since the start.
    bool fedOnce_ = false;
    // frmVitesse was loaded at the last step.
    bool vitesseLoaded_ = false;
    std::size_t boxesChecked_ = 0;
    MainWindowCheck main_;
    AirspeedCheck airspeed_;
    ConversionsCheck conversions_;
};

}  // namespace ventrose::soak
