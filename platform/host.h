// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ventrose::platform {

class Form;

struct MessageBoxRequest {
    std::string prompt;
    int style = 0;  // 48: warning icon, one OK button
    std::string title;
    std::string owner;  // the window that was taking input when it was shown
};

// Where modal windows and message boxes really happen: a toolkit's event loop, or a script.
class Host {
public:
    virtual ~Host() = default;
    // Returns once the form is no longer shown modally (unloaded) or the application has ended;
    // meanwhile the person works in that form.
    virtual void runModal(Form& form) = 0;
    // Returns once the person has answered it.
    virtual void showMessageBox(const MessageBoxRequest& request) = 0;
};

}  // namespace ventrose::platform
