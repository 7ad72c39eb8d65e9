// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/host.h"

class QWidget;

namespace ventrose::platform::qt {

// Modal windows and message boxes on a real display. A modal window is worked in a nested
// event loop, as a dialog's exec() is; a message box is a real QMessageBox the person answers.
// Both can be made not to wait (for a driver that plays a person's steps itself).
class QtHost : public Host {
public:
    void runModal(Form& form) override;
    void showMessageBox(const MessageBoxRequest& request) override;

    // Every message box shown, in order.
    const std::vector<MessageBoxRequest>& messageBoxes() const { return messageBoxes_; }

    // Replaces the nested event loop of runModal: the pump is called instead and returns once
    // it has nothing more to do in that window.
    void setModalPump(std::function<void(Form&)> pump) { pump_ = std::move(pump); }
    // Each message box is still made and shown, then answered with its OK button at once.
    void setAnswerAtOnce(bool atOnce) { answerAtOnce_ = atOnce; }
    // The window of a form, by the form's name, or null: a message box is owned by the window
    // that was taking input, so that it stays above it (and centred on it).
    void setWindowOf(std::function<QWidget*(const std::string& form)> windowOf) {
        windowOf_ = std::move(windowOf);
    }

private:
    std::vector<MessageBoxRequest> messageBoxes_;
    std::function<void(Form&)> pump_;
    std::function<QWidget*(const std::string&)> windowOf_;
    bool answerAtOnce_ = false;
};

}  // namespace ventrose::platform::qt
