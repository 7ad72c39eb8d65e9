#include "tests/soak/qt_drivers.h"

#include <QApplication>
#include <QString>
#include <iostream>

#include "tests/runner/qt/qt_driver.h"

namespace ventrose::soak {

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says so each time a window asks for what it has no use for; a
// million such notices would bury the report.
void quietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    } else {
        std::cerr << qFormatLogMessage(type, context, message).toStdString() << "\n";
    }
}

}  // namespace

QtDrivers::QtDrivers(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietOffscreenNotices);
    application_ = std::make_unique<QApplication>(argc, argv);
    // Only the model ends the application.
    QApplication::setQuitOnLastWindowClosed(false);
}

QtDrivers::~QtDrivers() = default;

DriverFactory QtDrivers::factory() const {
    return [] { return std::unique_ptr<scenario::Driver>(std::make_unique<scenario::QtDriver>()); };
}

}  // namespace ventrose::soak
