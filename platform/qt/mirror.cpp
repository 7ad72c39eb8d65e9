// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/mirror.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "platform/control.h"
#include "platform/qt/appearance.h"
#include "platform/qt/control_kinds.h"
#include "platform/qt/geometry.h"
#include "platform/qt/painted_widgets.h"
#include "platform/qt/text_box.h"
#include "platform/qt/widget_properties.h"
#include "platform/scroll_mapping.h"

namespace ventrose::platform::qt {

namespace {

void mirrorSelection(QWidget& widget, const Control& control) {
    if (auto* box = dynamic_cast<TextBox*>(&widget))
        box->showSelection(control.anchor(), control.caret() - control.anchor());
}

void mirrorValue(QWidget& widget, const Control& control) {
    if (auto* bar = qobject_cast<QScrollBar*>(&widget)) {
        bar->setValue(PositionOf(control.value(), control.min(), control.max()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        MirrorChecked(*button, control);
    }
}

}  // namespace

void MirrorCaption(QWidget& widget, const Control& control) {
    const QString shown = ShownText(control.caption());
    widget.setProperty(kCaptionProperty, ToQString(control.caption()));
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (control.kind() == ControlKind::Label) label->setText(shown);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(shown);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        frame->setTitle(shown);
    }
}

void MirrorText(QWidget& widget, const Control& control) {
    auto* edit = qobject_cast<QLineEdit*>(&widget);
    const QString text = ToQString(control.text());
    if (edit != nullptr && edit->text() != text) edit->setText(text);
    mirrorSelection(widget, control);
}

// Range first, then the position in it: a new Min or Max moves the position of the same value.
void MirrorRange(QScrollBar& bar, const Control& control) {
    bar.setProperty(kMinProperty, control.min());
    bar.setProperty(kMaxProperty, control.max());
    const PositionSpan span = PositionsOf(control.min(), control.max());
    bar.setRange(span.low, span.high);
    bar.setSingleStep(control.smallChange());
    bar.setPageStep(control.largeChange());
    bar.setValue(PositionOf(control.value(), control.min(), control.max()));
}

void MirrorChecked(QAbstractButton& button, const Control& control) {
    // An exclusive option refuses to be cleared while it is the one checked: the model alone
    // says which option is selected, even none.
    if (control.kind() == ControlKind::CheckBox) {
        button.setChecked(control.value() != 0);
        return;
    }
    const bool exclusive = button.autoExclusive();
    if (!control.selected() && exclusive) button.setAutoExclusive(false);
    button.setChecked(control.selected());
    button.setAutoExclusive(exclusive);
}

void MirrorPlace(QWidget& widget, const Control& control, double scale) {
    widget.setProperty(kLeftProperty, control.left());
    widget.setProperty(kTopProperty, control.top());
    widget.setGeometry(
        ToPixelRect(control.left(), control.top(), control.width(), control.height(), scale));
}

void MirrorLine(QWidget& widget, const Control& control, double scale) {
    widget.setProperty(kX1Property, control.x1());
    widget.setProperty(kY1Property, control.y1());
    widget.setProperty(kX2Property, control.x2());
    widget.setProperty(kY2Property, control.y2());
    if (auto* line = dynamic_cast<LineWidget*>(&widget))
        line->setLine(QLine(ToPixels(control.x1(), scale), ToPixels(control.y1(), scale),
                            ToPixels(control.x2(), scale), ToPixels(control.y2(), scale)));
}

void MirrorProperty(QWidget& widget, const Control& control, Property property, double scale) {
    const QSignalBlocker blocker(&widget);
    switch (property) {
        case Property::Caption: MirrorCaption(widget, control); break;
        case Property::Text: MirrorText(widget, control); break;
        case Property::SelStart: mirrorSelection(widget, control); break;
        case Property::Value: mirrorValue(widget, control); break;
        case Property::Visible: widget.setVisible(control.visible()); break;
        case Property::Left:
        case Property::Top: MirrorPlace(widget, control, scale); break;
        case Property::Min:
        case Property::Max:
        case Property::SmallChange:
        case Property::LargeChange:
            if (auto* bar = qobject_cast<QScrollBar*>(&widget)) MirrorRange(*bar, control);
            break;
        case Property::X1:
        case Property::Y1:
        case Property::X2:
        case Property::Y2: MirrorLine(widget, control, scale); break;
        // Colours depend on the palette too: the view paints them (QtView::paint).
        case Property::ForeColour:
        case Property::Stale: break;
        case Property::ToolTipText: widget.setToolTip(ToQString(control.toolTipText())); break;
        case Property::Enabled: widget.setEnabled(control.enabled()); break;
    }
}

void MirrorAll(QWidget& widget, const Control& control, double scale) {
    const QSignalBlocker blocker(&widget);
    BehaviourOf(control.kind()).mirror(widget, control, scale);
    widget.setToolTip(ToQString(control.toolTipText()));
    widget.setEnabled(control.enabled());
    widget.setVisible(control.visible());
}

}  // namespace ventrose::platform::qt
