// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

#include "platform/user_actions.h"

namespace ventrose::platform::qt {

// Put on a scroll bar, it turns the mouse wheel into whole notches, each one click on the arrow
// the wheel turns toward: up or left toward Min, down or right toward Max. A high-resolution
// wheel sends parts of a notch, which add up; turning back starts afresh. The slider's own wheel
// handling never runs, so the bar moves only through the model.
class WheelNotches : public QObject {
public:
    WheelNotches(QObject* bar, std::function<void(Toward)> onNotch);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(Toward)> onNotch_;
    int pending_ = 0;  // eighths of a degree not yet a whole notch
};

}  // namespace ventrose::platform::qt
