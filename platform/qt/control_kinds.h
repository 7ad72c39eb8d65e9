// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "platform/design.h"
#include "preferences/palette.h"

class QMenu;
class QWidget;

namespace ventrose::platform {
class Control;
}

namespace ventrose::platform::qt {

class FormWindow;
class QtView;

// A widget's way back to the model: one control of one window, by name, as the view shows it.
// Widgets keep copies in their signal handlers; none outlives the view that made it.
class ControlLink {
public:
    ControlLink(QtView& view, FormWindow& window, std::string control)
        : view_(&view), window_(&window), control_(std::move(control)) {}

    // Runs a person's action on the control, if its window still shows a loaded form, then
    // shows the model again.
    void act(const std::function<bool(Control&)>& action) const;
    // The control while its window still shows a loaded form, else null.
    const Control* current() const;
    // The widget took the keyboard focus: the model learns where it is. Not a step of its own,
    // so it is not reported as a user action.
    void tookFocus() const;
    // Shows the model's control again in its widget, which has moved on its own.
    void mirror() const;
    // Adds the entries every window's context menu has, for a control with a menu of its own.
    void addWindowEntries(QMenu& menu) const;

private:
    QtView* view_;
    FormWindow* window_;
    std::string control_;
};

// What the view does for one kind of control: every kind has one entry (control_kinds.cpp), so
// that a new kind is added in one place. What the model itself says of a kind (focus, where a
// click goes, what a screen reader names it by) is in platform/control_kinds.h; the widget made
// here gives the kind its accessible role.
struct KindBehaviour {
    // Makes the widget in `parent` with what the design fixes for the widget's life (alignment,
    // picture, pen width); `scale` is the window's dpi scale. The view gives it its name, font
    // and colours.
    QWidget* (*create)(QWidget& parent, const ControlDesign& design, double scale);
    // Paints the widget as `palette` shows the design's back colour and the control's fore colour
    // (the design's, or the one the window set since): once made, at each change of palette, and
    // at each new fore colour.
    void (*colour)(QWidget& widget, const Control& control, preferences::Palette palette);
    // Hands what a person does to the widget (mouse, wheel, keys) to the model through `link`.
    void (*connect)(QWidget& widget, const ControlLink& link);
    // Shows every property the kind has but visibility, the widget's signals being blocked.
    void (*mirror)(QWidget& widget, const Control& control, double scale);
    // Its widgets check and uncheck one another within a container by themselves: after an
    // action on one, all of them show the model again.
    bool exclusive = false;
};

const KindBehaviour& BehaviourOf(ControlKind kind);

}  // namespace ventrose::platform::qt
