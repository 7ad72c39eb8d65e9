// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "platform/property.h"

class QWidget;

namespace ventrose::platform {
class Control;
class Form;
}

namespace ventrose::platform::qt {

using WidgetLookup = std::function<QWidget*(const Control&)>;

// Gives every control's widget the accessible name and description the layout gives it (see
// platform/accessible_names.h). Qt announces a name or description to screen readers when it is
// set, so each is set only when it differs.
void DescribeForScreenReaders(const Form& form, const WidgetLookup& widgetOf);

// After a property of one control changed: the value label's own text when only that changed,
// else the whole window again (a caption, a place or a visibility may name other controls). A
// row of a table that moves or is shown names nothing else and keeps its name (it is named as
// its column's first row stands in the design): only its own widget is described, so that
// scrolling a long table stays quick.
void RedescribeAfterChange(const Control& control, Property property, const WidgetLookup& widgetOf);

}  // namespace ventrose::platform::qt
