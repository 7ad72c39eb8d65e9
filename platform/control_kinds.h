// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/design.h"

namespace ventrose::platform {

// Where a person's click on a control goes. A click is always taken (when the window accepts
// input); what it runs depends on the kind alone.
enum class ClickGoesTo {
    Nowhere,    // a frame, a bar's face, a box: nothing runs
    Control,    // the control's Click handler
    Selection,  // the option becomes the selected one, which runs its Click handler if it was not
    Window,     // drawn decorations take no click: it reaches the window beneath
    Toggle,     // a check box's Value goes from 0 to 1 or back, which runs its Click handler
};

// What a screen reader names a control by (accessible_names.h has the rules of each).
enum class NamedBy {
    Nothing,  // lines, shapes, pictures
    Caption,  // its own caption; a label the window fills with a value is named by its place
    Place,    // the caption label beside or above it, else its frame's or its window's caption
};

// What the forms model says of a kind of control, apart from any toolkit.
struct KindTraits {
    bool takesFocus = false;  // from Tab and from a click
    ClickGoesTo click = ClickGoesTo::Nowhere;
    NamedBy namedBy = NamedBy::Nothing;
};

// One row per kind. A switch without a default, so that a kind added to ControlKind without
// its row fails the build.
constexpr KindTraits TraitsOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return {
                .takesFocus = false, .click = ClickGoesTo::Control, .namedBy = NamedBy::Caption};
        case ControlKind::CommandButton:
            return {.takesFocus = true, .click = ClickGoesTo::Control, .namedBy = NamedBy::Caption};
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar:
            return {.takesFocus = true, .click = ClickGoesTo::Nowhere, .namedBy = NamedBy::Place};
        case ControlKind::OptionButton:
            return {
                .takesFocus = true, .click = ClickGoesTo::Selection, .namedBy = NamedBy::Caption};
        case ControlKind::TextBox:
            return {.takesFocus = true, .click = ClickGoesTo::Nowhere, .namedBy = NamedBy::Place};
        case ControlKind::Frame:
            return {
                .takesFocus = false, .click = ClickGoesTo::Nowhere, .namedBy = NamedBy::Caption};
        case ControlKind::Line:
        case ControlKind::Shape:
            return {.takesFocus = false, .click = ClickGoesTo::Window, .namedBy = NamedBy::Nothing};
        case ControlKind::Image:
            return {
                .takesFocus = false, .click = ClickGoesTo::Control, .namedBy = NamedBy::Nothing};
        case ControlKind::CheckBox:
            return {.takesFocus = true, .click = ClickGoesTo::Toggle, .namedBy = NamedBy::Caption};
    }
    return {};
}

}  // namespace ventrose::platform
