// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/property.h"

class QAbstractButton;
class QScrollBar;
class QWidget;

namespace ventrose::platform {
class Control;
}

namespace ventrose::platform::qt {

// Shows one model property in the control's widget, with the widget's signals blocked so that
// nothing goes back to the model. `scale` is the window's dpi scale (twips to pixels).
void MirrorProperty(QWidget& widget, const Control& control, Property property, double scale);

// Shows every property the control's kind has (its entry in control_kinds.h) and whether it is
// visible: at creation, and after a person's action (the widget may have moved ahead of a model
// that refused or decided otherwise).
void MirrorAll(QWidget& widget, const Control& control, double scale);

// The parts each kind's entry shows, without blocking signals: the caller does.
void MirrorCaption(QWidget& widget, const Control& control);
void MirrorText(QWidget& widget, const Control& control);
void MirrorRange(QScrollBar& bar, const Control& control);
void MirrorChecked(QAbstractButton& button, const Control& control);
void MirrorPlace(QWidget& widget, const Control& control, double scale);
void MirrorLine(QWidget& widget, const Control& control, double scale);

}  // namespace ventrose::platform::qt
