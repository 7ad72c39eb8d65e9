// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/qt/qt_session.h"

#include <QApplication>
#include <QGuiApplication>
#include <QString>
#include <iostream>

#include "tests/runner/qt/qt_driver.h"
#include "tests/runner/qt/quiet_notices.h"
#include "tests/runner/runner.h"

namespace ventrose::scenario {

QtSession::QtSession(int& argc, char** argv, bool qt) : argc_(argc), argv_(argv) {
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
    QtDriver driver(&files_);
    Runner runner(file, scenario, driver, out);
    return runner.run();
}

std::optional<std::string> QtSession::Files::PrintToPdf(const common::PrintJob& job,
                                                        const std::string& path) {
    if (!session_.application_) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QuietOffscreenNotices();
        session_.application_ = std::make_unique<QGuiApplication>(session_.argc_, session_.argv_);
    }
    return files_.PrintToPdf(job, path);
}

}  // namespace ventrose::scenario
