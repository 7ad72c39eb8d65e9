// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/qt/qt_session.h"

#include <QApplication>
#include <QString>
#include <iostream>

#include "tests/runner/qt/qt_driver.h"
#include "tests/runner/qt/quiet_notices.h"
#include "tests/runner/runner.h"

namespace ventrose::scenario {

QtSession::QtSession(int& argc, char** argv, bool qt) {
    if (!qt) return;
    // Without a display the widgets still exist and take events, off the screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QuietOffscreenNotices();
    application_ = std::make_unique<QApplication>(argc, argv);
    // Only the model ends the application.
    QApplication::setQuitOnLastWindowClosed(false);
}

QtSession::~QtSession() = default;

bool QtSession::run(const std::string& file, const Scenario& scenario, std::ostream& out) {
    QtDriver driver;
    Runner runner(file, scenario, driver, out);
    return runner.run();
}

}  // namespace ventrose::scenario
