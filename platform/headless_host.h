// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "platform/host.h"

namespace ventrose::platform {

// A host without a display. A modal window is worked by whoever drives the host (a test's
// callback, the scenario runner's next steps); every message box is answered with OK at once
// and kept for inspection.
class HeadlessHost : public Host {
public:
    // Called when a form is shown modally; it returns when the driver has nothing more to do
    // in that window. Without one, Show returns at once.
    std::function<void(Form&)> onModal;

    void runModal(Form& form) override {
        if (onModal) onModal(form);
    }
    void showMessageBox(const MessageBoxRequest& request) override {
        messageBoxes.push_back(request);
    }

    std::vector<MessageBoxRequest> messageBoxes;
};

}  // namespace ventrose::platform
