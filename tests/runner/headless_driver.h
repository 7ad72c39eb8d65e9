// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "app/application.h"
#include "platform/headless_host.h"
#include "tests/runner/driver.h"
#include "tests/runner/scripted_documents.h"
#include "tests/runner/std_document_files.h"

namespace ventrose::scenario {

// The application over the in-memory forms runtime: steps go straight in as a person's
// actions, and what is seen is read from the model.
class HeadlessDriver : public Driver {
public:
    // The files go through `files`, or the standard library's when it is null.
    explicit HeadlessDriver(platform::DocumentFiles* files = nullptr);

    app::Application& application() override { return *application_; }
    ScriptedDocuments& documents() override { return documents_; }
    ScriptedClock& clock() override { return clock_; }
    const std::vector<platform::MessageBoxRequest>& messageBoxes() override {
        return host_.messageBoxes;
    }
    void setModalPump(std::function<void(platform::Form&)> pump) override {
        host_.onModal = std::move(pump);
    }

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
    StdDocumentFiles ownFiles_;
    ScriptedDocuments documents_;
    ScriptedClock clock_;
    platform::HeadlessHost host_;
    std::unique_ptr<app::Application> application_;
};

// The form of that name, loaded or not; the control of that name in a loaded form.
// Both throw std::runtime_error with a readable message when there is none.
platform::Form& FindForm(app::Application& application, const std::string& form);
platform::Control& FindControl(app::Application& application, const std::string& form,
                               const std::string& control);
// Throws std::runtime_error unless the form is loaded and one of its controls has `keys` as its
// shortcut, so that a misspelt combination is the file's mistake in both modes.
void RequireShortcut(const platform::Form& form, const std::string& keys);

}  // namespace ventrose::scenario
