#pragma once

#include <functional>

#include "platform/design.h"

class QWidget;

namespace ventrose::platform {
class Control;
class Form;
}

namespace ventrose::platform::qt {

// Makes a control's widget workable without a mouse. Buttons, options, bars and boxes take the
// focus from Tab and a click; labels, frames and pictures never do. On a focused scroll bar the
// arrow keys are its arrows, Page Up and Page Down its trough (toward Min and toward Max), Home
// and End its ends: each goes through the bar's own actions, which the view hands to the model
// as a click would be. Enter and Space press a focused button; Space selects a focused option.
void MakeKeyboardReachable(QWidget& widget, ControlKind kind);

// Chains Tab through the form's focusable widgets in reading order (platform/reading_order.h),
// from the places the controls have now; hidden ones are skipped by Qt itself.
void ChainFocusInReadingOrder(const Form& form, const std::function<QWidget*(const Control&)>& widgetOf);

// Gives the focus to the first shown control in reading order, unless the window already has a
// focused widget: a window opens ready for the keyboard.
void FocusFirstInReadingOrder(const Form& form, const std::function<QWidget*(const Control&)>& widgetOf);

}  // namespace ventrose::platform::qt
