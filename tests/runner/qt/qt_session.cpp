// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/qt/qt_session.h"

#include <QApplication>
#include <QGuiApplication>
#include <QString>
#include <iostream>

#include "tests/runner/headless_driver.h"
#include "tests/runner/qt/fake_simulator.h"
#include "tests/runner/qt/qt_driver.h"
#include "tests/runner/qt/quiet_notices.h"
#include "tests/runner/runner.h"
#include "translations/language.h"

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

void QtSession::speak(const Scenario& scenario) {
    const common::Language language = ScenarioLanguage(scenario);
    if (language == common::CurrentLanguage()) return;
    // Qt's translators need an application, which the headless mode otherwise makes only to
    // print. A French file after an English one needs only the source texts back.
    if (language == common::Language::French) {
        common::SetCurrentLanguage(language);
        return;
    }
    ensureApplication();
    translations::UseLanguage(language);
}

bool QtSession::run(const std::string& file, const Scenario& scenario, std::ostream& out) {
    speak(scenario);
    QtDriver driver(&files_);
    FakeSimulator simulator([] {});
    Runner runner(file, scenario, driver, out, &simulator);
    return runner.run();
}

bool QtSession::runHeadless(const std::string& file, const Scenario& scenario, std::ostream& out) {
    speak(scenario);
    HeadlessDriver driver(&files_);
    FakeSimulator simulator([this] { ensureApplication(); });
    Runner runner(file, scenario, driver, out, &simulator);
    return runner.run();
}

void QtSession::ensureApplication() {
    if (application_) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QuietOffscreenNotices();
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

std::optional<std::string> QtSession::Files::PrintToPdf(const common::PrintJob& job,
                                                        const std::string& path) {
    session_.ensureApplication();
    return files_.PrintToPdf(job, path);
}

}  // namespace ventrose::scenario
