// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/qt_drivers.h"

#include <QApplication>
#include <QString>
#include <iostream>

#include "tests/runner/qt/fake_simulator.h"
#include "tests/runner/qt/qt_driver.h"
#include "tests/runner/qt/quiet_notices.h"

namespace ventrose::soak {

QtDrivers::QtDrivers(int& argc, char** argv, bool widgets) {
    if (!widgets) {
        application_ = std::make_unique<QCoreApplication>(argc, argv);
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    scenario::QuietOffscreenNotices();
    application_ = std::make_unique<QApplication>(argc, argv);
    // Only the model ends the application.
    QApplication::setQuitOnLastWindowClosed(false);
}

QtDrivers::~QtDrivers() = default;

std::function<std::unique_ptr<scenario::SimulatorSteps>()> QtDrivers::simulators() const {
    return [] {
        return std::unique_ptr<scenario::SimulatorSteps>(
            std::make_unique<scenario::FakeSimulator>([] {}));
    };
}

DriverFactory QtDrivers::factory() const {
    return [] { return std::unique_ptr<scenario::Driver>(std::make_unique<scenario::QtDriver>()); };
}

}  // namespace ventrose::soak
