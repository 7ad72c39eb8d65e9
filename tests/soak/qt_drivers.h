// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "tests/soak/soak.h"

class QCoreApplication;

namespace ventrose::soak {

// Drivers on the real Qt widgets, for as long as this object lives: it holds the process's
// QApplication (offscreen when there is no display), which must go before the process's
// static objects do. Without `widgets`, only a QCoreApplication, for the simulator's sockets.
class QtDrivers {
public:
    QtDrivers(int& argc, char** argv, bool widgets = true);
    ~QtDrivers();
    QtDrivers(const QtDrivers&) = delete;
    QtDrivers& operator=(const QtDrivers&) = delete;

    DriverFactory factory() const;
    // Fake simulators linked by the program's own link (tests/runner/qt/fake_simulator.h).
    std::function<std::unique_ptr<scenario::SimulatorSteps>()> simulators() const;

private:
    std::unique_ptr<QCoreApplication> application_;
};

}  // namespace ventrose::soak
