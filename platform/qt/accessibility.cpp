// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/accessibility.h"

#include <QWidget>

#include "platform/accessible_names.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/qt/appearance.h"

namespace ventrose::platform::qt {

namespace {

void describe(QWidget& widget, const Control& control) {
    const QString name = ToQString(AccessibleNameOf(control));
    const QString description = ToQString(AccessibleDescriptionOf(control));
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
    if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

}  // namespace

void DescribeForScreenReaders(const Form& form, const WidgetLookup& widgetOf) {
    for (const auto& control : form.controls())
        if (QWidget* widget = widgetOf(*control)) describe(*widget, *control);
}

void RedescribeAfterChange(const Control& control, Property property,
                           const WidgetLookup& widgetOf) {
    switch (property) {
        case Property::Stale:
            if (QWidget* widget = widgetOf(control)) describe(*widget, control);
            return;
        case Property::Caption:
            if (IsValueLabel(control) && !NamesAnother(control)) {
                // A result's new value: only its description follows; its name is its place's.
                QWidget* widget = widgetOf(control);
                const QString description = ToQString(AccessibleDescriptionOf(control));
                if (widget != nullptr && widget->accessibleDescription() != description)
                    widget->setAccessibleDescription(description);
                return;
            }
            // A control other than a label, or a label the window writes at length (named by its
            // own text), renames only itself unless the design makes it another's name: a line
            // rewritten at each datagram redescribes one widget, not the window.
            if (control.kind() != ControlKind::Label ||
                (!IsCaptionLabel(control) && !NamesAnother(control))) {
                if (QWidget* widget = widgetOf(control)) describe(*widget, control);
                return;
            }
            break;
        case Property::ToolTipText:
            if (QWidget* widget = widgetOf(control)) describe(*widget, control);
            return;
        case Property::Visible:
        case Property::Left:
        case Property::Top:
            if (control.index() > 0 &&
                (control.kind() != ControlKind::Label || IsValueLabel(control))) {
                if (QWidget* widget = widgetOf(control)) describe(*widget, control);
                return;
            }
            break;
        default: return;
    }
    DescribeForScreenReaders(control.form(), widgetOf);
}

}  // namespace ventrose::platform::qt
