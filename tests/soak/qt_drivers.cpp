// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/qt_drivers.h"

#include <QApplication>
#include <QString>
#include <iostream>

#include "tests/runner/qt/qt_driver.h"
#include "tests/runner/qt/quiet_notices.h"

namespace ventrose::soak {

QtDrivers::QtDrivers(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    scenario::QuietOffscreenNotices();
    application_ = std::make_unique<QApplication>(argc, argv);
    // Only the model ends the application.
    QApplication::setQuitOnLastWindowClosed(false);
}

QtDrivers::~QtDrivers() = default;

DriverFactory QtDrivers::factory() const {
    return [] { return std::unique_ptr<scenario::Driver>(std::make_unique<scenario::QtDriver>()); };
}

}  // namespace ventrose::soak
