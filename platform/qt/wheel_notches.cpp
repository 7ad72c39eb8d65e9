// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/wheel_notches.h"

#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

namespace ventrose::platform::qt {

namespace {

constexpr int kNotch = QWheelEvent::DefaultDeltasPerStep;  // 120 eighths of a degree

}  // namespace

WheelNotches::WheelNotches(QObject* bar, std::function<void(Toward)> onNotch)
    : QObject(bar), onNotch_(std::move(onNotch)) {}

bool WheelNotches::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
    const QPoint angle = static_cast<QWheelEvent*>(event)->angleDelta();
    const int delta = std::abs(angle.y()) >= std::abs(angle.x()) ? angle.y() : angle.x();
    if ((delta > 0 && pending_ < 0) || (delta < 0 && pending_ > 0)) pending_ = 0;
    // Bounded: a flood of deltas adds up to whole notches, never to an overflow.
    pending_ += std::clamp(delta, -100 * kNotch, 100 * kNotch);
    const int notches = pending_ / kNotch;
    pending_ -= notches * kNotch;
    event->accept();
    for (int n = 0; n < std::abs(notches); ++n)
        if (onNotch_) onNotch_(notches > 0 ? Toward::Min : Toward::Max);
    return true;
}

}  // namespace ventrose::platform::qt
