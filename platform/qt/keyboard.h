// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QPushButton;
class QScrollBar;
class QWidget;

namespace ventrose::platform {
class Control;
class Form;
}

namespace ventrose::platform::qt {

// Which kinds take the focus from Tab and a click is the model's (platform/control_kinds.h).
// Their widgets are made workable without a mouse beyond what Qt gives them (Space already
// presses a focused button and selects a focused option) by their kind's entry in
// control_kinds.cpp, with these.

// On a focused scroll bar the arrow keys are its arrows, Page Up and Page Down its trough
// (toward Min and toward Max), Home and End its ends: each goes through the bar's own actions,
// which the view hands to the model as a click would be.
void StepWithKeys(QScrollBar& bar);

// Enter presses a focused button, as Space does.
void PressWithEnter(QPushButton& button);

// Chains Tab through the form's focusable widgets in reading order (platform/reading_order.h),
// from the places the controls have now; hidden ones are skipped by Qt itself.
void ChainFocusInReadingOrder(const Form& form,
                              const std::function<QWidget*(const Control&)>& widgetOf);

// Gives the focus to the first shown control in reading order, unless the window already has a
// focused widget: a window opens ready for the keyboard.
void FocusFirstInReadingOrder(const Form& form,
                              const std::function<QWidget*(const Control&)>& widgetOf);

}  // namespace ventrose::platform::qt
