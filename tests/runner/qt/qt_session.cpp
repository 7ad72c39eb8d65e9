#include "tests/runner/qt/qt_session.h"

#include <QApplication>
#include <QString>
#include <iostream>

#include "tests/runner/qt/qt_driver.h"
#include "tests/runner/runner.h"

namespace ventrose::scenario {

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says so each time a window asks for what it has no use for (size
// hints, raising); those notices would bury the runner's report.
void quietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    } else {
        std::cerr << qFormatLogMessage(type, context, message).toStdString() << "\n";
    }
}

}  // namespace

QtSession::QtSession(int& argc, char** argv, bool qt) {
    if (!qt) return;
    // Without a display the widgets still exist and take events, off the screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietOffscreenNotices);
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
