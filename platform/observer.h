// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/property.h"

namespace ventrose::platform {

class Control;
class Form;

// What a view learns from the model. Every call comes after the model has changed, on the one
// user-interface thread; a view mirrors and never decides.
class Observer {
public:
    virtual ~Observer() = default;
    virtual void formLoaded(Form&) {}  // controls made, Form_Load not yet run
    virtual void formShown(Form&, bool /*modal*/) {}
    virtual void formCaptionChanged(Form&) {}
    virtual void formResized(Form&) {}  // its width changed
    virtual void propertyChanged(Control&, Property) {}
    // Window code put the keyboard focus on this control.
    virtual void focusMoved(Control&) {}
    virtual void formUnloaded(Form&) {}  // its controls are about to be destroyed
    // The language changed and every window has written its texts again: what a view makes of
    // the model's texts itself (accessible descriptions, its menus) follows.
    virtual void languageChanged() {}
    virtual void applicationEnded() {}
};

}  // namespace ventrose::platform
