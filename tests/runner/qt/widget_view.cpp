// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/qt/widget_view.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVariant>

#include "platform/accessible_names.h"
#include "platform/control.h"
#include "platform/qt/appearance.h"
#include "platform/qt/widget_properties.h"
#include "platform/scroll_mapping.h"
#include "tests/runner/model_view.h"
#include "tests/runner/scenario.h"

namespace ventrose::scenario {

namespace pq = platform::qt;

namespace {

QString shownCaption(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) return frame->title();
    return QString();
}

// The caption the widget was given, provided the widget shows it; else what it shows, which
// then fails the expectation with the text on the screen.
std::string caption(const QWidget& widget) {
    const QString given = widget.property(pq::kCaptionProperty).toString();
    const QString shown = shownCaption(widget);
    if (shown == pq::ShownText(pq::ToUtf8(given))) return pq::ToUtf8(given);
    return pq::ToUtf8(shown);
}

std::string integer(const QWidget& widget, const char* name) {
    const QVariant value = widget.property(name);
    return value.isValid() ? std::to_string(value.toInt()) : std::string("(none)");
}

std::string flag(bool b) { return b ? "true" : "false"; }

}  // namespace

std::optional<std::string> ReadWidget(const QWidget& widget, const platform::Control& control,
                                      const std::string& property) {
    bool known = false;
    for (const auto& p : PropertiesOf(control)) known = known || p == property;
    if (!known) return std::nullopt;
    const auto* bar = qobject_cast<const QScrollBar*>(&widget);
    const int min = widget.property(pq::kMinProperty).toInt();
    const int max = widget.property(pq::kMaxProperty).toInt();
    if (property == "Caption") return Quote(caption(widget));
    if (property == "Text") {
        const auto* edit = qobject_cast<const QLineEdit*>(&widget);
        return Quote(edit ? pq::ToUtf8(edit->text()) : std::string());
    }
    if (property == "Value") {
        if (bar != nullptr) return std::to_string(platform::ValueAt(bar->value(), min, max));
        const auto* button = qobject_cast<const QAbstractButton*>(&widget);
        const bool checked = button != nullptr && button->isChecked();
        if (control.kind() == platform::ControlKind::CheckBox) return checked ? "1" : "0";
        return flag(checked);
    }
    if (property == "ForeColor") {
        // The colour the view was given, provided the text is drawn in it.
        const auto given =
            static_cast<platform::Colour>(widget.property(pq::kForeColourProperty).toUInt());
        const QColor drawn = widget.palette().color(widget.foregroundRole());
        if (given != platform::kDefaultColour && drawn != pq::ToQColor(given))
            return "(a widget colour of " + drawn.name().toStdString() + ")";
        return Quote(ColourText(given));
    }
    // What a person sees of it: the widget drawn dimmed.
    if (property == "Stale") return flag(widget.graphicsEffect() != nullptr);
    if (property == "ToolTipText") {
        // The note as the pointer shows it, provided a screen reader is told it too (a result
        // without a note tells its value instead).
        const QString note = widget.toolTip();
        const bool tellsItsValue = note.isEmpty() && platform::IsValueLabel(control);
        if (!tellsItsValue && widget.accessibleDescription() != note)
            return "(an accessible description of «" + pq::ToUtf8(widget.accessibleDescription()) +
                   "»)";
        return Quote(pq::ToUtf8(note));
    }
    if (property == "Visible") return flag(!widget.isHidden());
    // What a person sees: the widget greyed, and out of the mouse's and the keyboard's way.
    if (property == "Enabled") return flag(widget.isEnabled());
    if (property == "Left") return integer(widget, pq::kLeftProperty);
    if (property == "Top") return integer(widget, pq::kTopProperty);
    if ((property == "Min" || property == "Max") && bar != nullptr &&
        (bar->minimum() != platform::PositionsOf(min, max).low ||
         bar->maximum() != platform::PositionsOf(min, max).high))
        return "(a widget range of " + std::to_string(bar->minimum()) + ".." +
               std::to_string(bar->maximum()) + ")";
    if (property == "Min") return integer(widget, pq::kMinProperty);
    if (property == "Max") return integer(widget, pq::kMaxProperty);
    if (property == "SmallChange")
        return bar ? std::to_string(bar->singleStep()) : std::string("(none)");
    if (property == "LargeChange")
        return bar ? std::to_string(bar->pageStep()) : std::string("(none)");
    if (property == "X1") return integer(widget, pq::kX1Property);
    if (property == "Y1") return integer(widget, pq::kY1Property);
    if (property == "X2") return integer(widget, pq::kX2Property);
    if (property == "Y2") return integer(widget, pq::kY2Property);
    if (property == "SelStart" || property == "SelLength") {
        const auto* edit = qobject_cast<const QLineEdit*>(&widget);
        if (edit == nullptr) return std::string("(none)");
        const QString text = edit->text();
        const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        if (property == "SelStart") return std::to_string(text.left(start).toUcs4().size());
        return std::to_string(edit->selectedText().toUcs4().size());
    }
    return std::nullopt;
}

}  // namespace ventrose::scenario
