// SPDX-License-Identifier: GPL-3.0-or-later
// ventrose: the flight computer on the screen.
#include <QApplication>
#include <QIcon>
#include <QSize>
#include <QTimer>
#include <cstdlib>
#include <iostream>

#include "app/application.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/qt_view.h"
#include "platform/runtime.h"

namespace {

// Qt alone would abort with a long message about plugins; a person needs one line.
bool hasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/%1/ventrose.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    if (!hasDisplay()) {
        std::cerr << "ventrose: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); run it on "
                     "a desktop, "
                     "or under `xvfb-run ventrose`, or with `QT_QPA_PLATFORM=vnc ventrose`\n";
        return 1;
    }
    QApplication qtApplication(argc, argv);
    // On Wayland the compositor finds the icon through the launcher, named after the desktop file.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ventrose.Ventrose"));
    // Only the model ends the application (its main window's unloading, or Quitter).
    QApplication::setQuitOnLastWindowClosed(false);

    ventrose::platform::qt::QtHost host;
    ventrose::app::Application application(host);
    ventrose::platform::qt::QtView view(application.runtime());
    host.setWindowOf([&](const std::string& name) -> QWidget* {
        const ventrose::platform::Form* form = application.runtime().form(name);
        return form != nullptr ? view.windowOf(*form) : nullptr;
    });
    application.Start();
    // Reading the icon's pictures costs a few milliseconds: the main window is shown first, and
    // every title bar gets the icon as soon as the event loop runs.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(ApplicationIcon()); });
    if (!application.runtime().ended()) QApplication::exec();
    return 0;
}
