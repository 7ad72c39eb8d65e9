// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include "app/application.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/qt_view.h"
#include "tests/runner/driver.h"
#include "tests/runner/scripted_documents.h"
#include "tests/runner/std_document_files.h"

class QWidget;

namespace ventrose::scenario {

// The application on real Qt windows: each step is delivered as a person delivers it (mouse
// clicks on the widgets, key presses, scroll-bar actions, the close box) and what is seen is
// read from the widgets. Needs a QApplication.
class QtDriver : public Driver {
public:
    // The files go through `files`, or the standard library's when it is null.
    explicit QtDriver(platform::DocumentFiles* files = nullptr);
    ~QtDriver() override;

    app::Application& application() override { return *application_; }
    ScriptedDocuments& documents() override { return documents_; }
    ScriptedClock& clock() override { return clock_; }
    const std::vector<platform::MessageBoxRequest>& messageBoxes() override {
        return host_.messageBoxes();
    }
    void setModalPump(std::function<void(platform::Form&)> pump) override;

    bool click(const std::string& form, const std::string& control) override;
    bool arrow(const std::string& form, const std::string& bar, platform::Toward toward) override;
    bool page(const std::string& form, const std::string& bar, platform::Toward toward) override;
    bool drag(const std::string& form, const std::string& bar, int value) override;
    bool key(const std::string& form, const std::string& box, int code) override;
    bool keyDown(const std::string& form, const std::string& box, int code, int shift) override;
    bool paste(const std::string& form, const std::string& box, std::string_view text) override;
    bool clear(const std::string& form, const std::string& box) override;
    bool deleteKey(const std::string& form, const std::string& box) override;
    bool select(const std::string& form, const std::string& box, int start, int length) override;
    bool wheel(const std::string& form, const std::string& bar, platform::Toward toward) override;
    bool close(const std::string& form) override;
    bool drop(const std::string& form, const std::string& path) override;
    bool shortcut(const std::string& form, const std::string& keys) override;

    std::optional<std::string> read(const std::string& form, const std::string& control,
                                    const std::string& property) override;
    std::vector<std::string> dump(const std::string& form) override;

private:
    template <class WidgetType>
    WidgetType& widget(const std::string& form, const std::string& control);
    platform::qt::FormWindow& window(const std::string& form);
    // Delivers the event(s) and tells whether the model took the step. A window under a modal
    // one still gets the event (a person can still click it) and must refuse it. When the
    // window takes input, the event must reach the model, unless `mayDoNothing` (a step that
    // can leave the widget with nothing to report, such as clearing an empty box).
    bool deliver(const std::string& form, const std::function<void()>& event,
                 bool mayDoNothing = false);

    StdDocumentFiles ownFiles_;
    ScriptedDocuments documents_;
    ScriptedClock clock_;
    platform::qt::QtHost host_;
    std::unique_ptr<app::Application> application_;
    std::unique_ptr<platform::qt::QtView> view_;
    int actions_ = 0;
    bool lastTaken_ = false;
};

}  // namespace ventrose::scenario
