// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

#include "platform/control.h"
#include "platform/form.h"

namespace ventrose::platform {

// A window's typed reference to one control of its design, declared as a member named as the
// design names the control:
//
//     platform::ScrollBarRef hscVp{*this, "hscVp"};
//
// It finds its design row when the window is built, so a name or a kind that the design lacks
// fails the window's construction with the name; afterwards it reaches the control of the
// current load (controls are made anew at each load) without any lookup by name. Handlers are
// bound through it, and only the events of its kind can be bound.
class ControlRef {
public:
    // One element of a control array, found again at each use (controls are made anew at each
    // load).
    struct Element {
        Form& form;
        std::size_t row;
        int index;
        Control& operator*() const { return form.elementAt(row, index); }
        Control* operator->() const { return &form.elementAt(row, index); }
    };

    Control& operator*() const { return form_.controlAt(row_); }
    Control* operator->() const { return &form_.controlAt(row_); }
    const std::string& name() const { return form_.design().controls[row_].name; }
    std::size_t row() const { return row_; }

protected:
    ControlRef(Form& form, std::string_view name, std::initializer_list<ControlKind> kinds)
        : form_(form), row_(form.designRow(name, kinds)) {}

    Form& form_;
    std::size_t row_;
};

class ScrollBarRef : public ControlRef {
public:
    ScrollBarRef(Form& form, std::string_view name)
        : ControlRef(form, name, {ControlKind::HScrollBar, ControlKind::VScrollBar}) {}
    void onChange(std::function<void()> handler) const { form_.onChange(row_, std::move(handler)); }
};

// The controls that take a click: buttons, options, check boxes, labels and pictures.
template <ControlKind Kind>
class ClickableRef : public ControlRef {
public:
    ClickableRef(Form& form, std::string_view name) : ControlRef(form, name, {Kind}) {}
    void onClick(std::function<void()> handler) const { form_.onClick(row_, std::move(handler)); }
};
using ButtonRef = ClickableRef<ControlKind::CommandButton>;
using OptionRef = ClickableRef<ControlKind::OptionButton>;
using CheckBoxRef = ClickableRef<ControlKind::CheckBox>;
using LabelRef = ClickableRef<ControlKind::Label>;
using ImageRef = ClickableRef<ControlKind::Image>;

class TextBoxRef : public ControlRef {
public:
    TextBoxRef(Form& form, std::string_view name)
        : ControlRef(form, name, {ControlKind::TextBox}) {}
    void onKeyPress(std::function<void(int&)> handler) const {
        form_.onKeyPress(row_, std::move(handler));
    }
    // Runs after every new text, typed, pasted, deleted or set by code.
    void onChange(std::function<void()> handler) const { form_.onChange(row_, std::move(handler)); }
    void onGotFocus(std::function<void()> handler) const {
        form_.onGotFocus(row_, std::move(handler));
    }
    void onLostFocus(std::function<void()> handler) const {
        form_.onLostFocus(row_, std::move(handler));
    }
    // The keys that type nothing (platform/user_actions.h, KeyDown): setting the code to 0
    // takes the key, which then does nothing else.
    void onKeyDown(std::function<void(int&, int)> handler) const {
        form_.onKeyDown(row_, std::move(handler));
    }
};

template <ControlKind Kind>
class PlainRef : public ControlRef {
public:
    PlainRef(Form& form, std::string_view name) : ControlRef(form, name, {Kind}) {}
};
using FrameRef = PlainRef<ControlKind::Frame>;
using LineRef = PlainRef<ControlKind::Line>;
using ShapeRef = PlainRef<ControlKind::Shape>;

// A window's typed reference to a control array of its design, declared as for one control:
//
//     platform::TextBoxArrayRef txtRm{*this, "txtRm"};
//     txtRm[i]->setText("095");
//
// `[i]` is the element of row i, from 1, of the current load. Handlers are bound once for every
// element and receive the element's row.
class ControlArrayRef {
public:
    ControlRef::Element operator[](int index) const { return {form_, row_, index}; }
    int rows() const { return form_.design().controls[row_].rows; }
    const std::string& name() const { return form_.design().controls[row_].name; }
    std::size_t row() const { return row_; }

protected:
    ControlArrayRef(Form& form, std::string_view name, std::initializer_list<ControlKind> kinds)
        : form_(form), row_(form.designRow(name, kinds, true)) {}

    Form& form_;
    std::size_t row_;
};

template <ControlKind Kind>
class ClickableArrayRef : public ControlArrayRef {
public:
    ClickableArrayRef(Form& form, std::string_view name) : ControlArrayRef(form, name, {Kind}) {}
    void onClick(std::function<void(int)> handler) const {
        form_.onRowClick(row_, std::move(handler));
    }
};
using ButtonArrayRef = ClickableArrayRef<ControlKind::CommandButton>;
using OptionArrayRef = ClickableArrayRef<ControlKind::OptionButton>;
using LabelArrayRef = ClickableArrayRef<ControlKind::Label>;

class TextBoxArrayRef : public ControlArrayRef {
public:
    TextBoxArrayRef(Form& form, std::string_view name)
        : ControlArrayRef(form, name, {ControlKind::TextBox}) {}
    void onKeyPress(std::function<void(int, int&)> handler) const {
        form_.onRowKeyPress(row_, std::move(handler));
    }
    void onChange(std::function<void(int)> handler) const {
        form_.onRowChange(row_, std::move(handler));
    }
    void onGotFocus(std::function<void(int)> handler) const {
        form_.onRowGotFocus(row_, std::move(handler));
    }
    void onLostFocus(std::function<void(int)> handler) const {
        form_.onRowLostFocus(row_, std::move(handler));
    }
    void onKeyDown(std::function<void(int, int&, int)> handler) const {
        form_.onRowKeyDown(row_, std::move(handler));
    }
};

}  // namespace ventrose::platform
