// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

#include "app/application.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/headless_host.h"
#include "platform/qt/qt_view.h"

namespace ventrose::testing {

// The whole application on real widgets, with a headless host: a modal window is worked by the
// test's callback (host.onModal), which returns once it has closed the window.
struct AppUnderTest {
    platform::HeadlessHost host;
    app::Application app{host};
    platform::qt::QtView view{app.runtime()};

    QWidget* widget(const platform::Form& form, const char* control) const {
        return view.widgetOf(form[control]);
    }
    QWidget* window(const platform::Form& form) const { return view.windowOf(form); }
};

// Every window of the application, for tests that go through all of them.
inline std::vector<platform::Form*> AllWindows(app::Application& app) {
    return {&app.frmMainCalc(),    &app.frmVitesse(), &app.frmDescente(),
            &app.frmConversions(), &app.frmLog(),     &app.frmQuit()};
}

}  // namespace ventrose::testing
