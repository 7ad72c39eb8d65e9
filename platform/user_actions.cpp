// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_actions.h"

#include <algorithm>
#include <string>

#include "platform/control.h"
#include "platform/control_kinds.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "platform/text.h"

namespace ventrose::platform {

namespace {

bool accepts(const Form& form) { return form.runtime().acceptsInput(form); }

// Marks the control as a person's target for as long as the action and its handlers run. The
// runtime outlives every form, and so the control's unloading by a handler.
class ByHand {
public:
    explicit ByHand(Control& control)
        : runtime_(control.form().runtime()), before_(runtime_.exchangeActedOn(&control)) {}
    ByHand(const ByHand&) = delete;
    ByHand& operator=(const ByHand&) = delete;
    ~ByHand() { runtime_.exchangeActedOn(before_); }

private:
    Runtime& runtime_;
    const Control* before_;
};

bool moveToward(Control& bar, Toward toward, int step) {
    if (!bar.isScrollBar() || !accepts(bar.form())) return false;
    const ByHand byHand(bar);
    const int end = toward == Toward::Min ? bar.min() : bar.max();
    const int value = bar.value();
    int next = value;
    if (end > value) next = std::min(value + step, end);
    if (end < value) next = std::max(value - step, end);
    bar.setValue(next);
    return true;
}

bool isTextBox(const Control& control) { return control.kind() == ControlKind::TextBox; }

// The box a person edits has the focus; its GotFocus may not unload the window.
bool focusBox(Control& box) {
    if (!isTextBox(box) || !accepts(box.form())) return false;
    box.form().focusArrived(box);
    return true;
}

void replaceSelection(Control& box, std::string_view inserted) {
    const int start = box.selStart();
    box.edit(ReplaceCharacters(box.text(), start, box.selLength(), inserted),
             start + CharacterCount(inserted));
}

// Removes the selection or, when there is none, the character just before the caret (offset
// -1, Backspace) or just after it (offset 0, Delete).
void removeAround(Control& box, int offset) {
    if (box.selLength() > 0) {
        replaceSelection(box, "");
        return;
    }
    const int at = box.caret() + offset;
    if (at < 0 || at >= CharacterCount(box.text())) return;
    box.edit(ReplaceCharacters(box.text(), at, 1, ""), at);
}

}  // namespace

bool ArrowClick(Control& bar, Toward toward) { return moveToward(bar, toward, bar.smallChange()); }

bool TroughClick(Control& bar, Toward toward) { return moveToward(bar, toward, bar.largeChange()); }

bool ThumbRelease(Control& bar, int value) {
    if (!bar.isScrollBar() || !accepts(bar.form())) return false;
    const ByHand byHand(bar);
    bar.setValue(value);
    return true;
}

bool Click(Control& control) {
    Form& form = control.form();
    if (!accepts(form) || !control.enabled()) return false;
    const ByHand byHand(control);
    switch (TraitsOf(control.kind()).click) {
        case ClickGoesTo::Selection:
            control.setSelected(true);
            break;  // a selected option runs nothing
        case ClickGoesTo::Toggle: control.setValue(control.value() == 0 ? 1 : 0); break;
        case ClickGoesTo::Window: form.fireFormClick(); break;
        case ClickGoesTo::Control: form.fireClick(control); break;
        case ClickGoesTo::Nowhere: break;
    }
    return true;
}

bool ClickForm(Form& form) {
    if (!accepts(form)) return false;
    form.fireFormClick();
    return true;
}

bool DropFile(Form& form, const std::string& path) {
    if (!accepts(form) || !form.takesDroppedFiles()) return false;
    form.fireDropFile(path);
    return true;
}

bool KeyPress(Control& box, int keyAscii) {
    if (!focusBox(box)) return false;
    const ByHand byHand(box);
    Form& form = box.form();
    const std::string name = box.name();
    form.fireKeyPress(box, keyAscii);
    // The handler may have closed the window and so the box with it.
    Control* still = form.loaded() ? form.find(name) : nullptr;
    if (still == nullptr || keyAscii == 0) return true;
    if (keyAscii == kBackspaceKey) {
        removeAround(*still, -1);
    } else if (keyAscii >= 32) {
        std::string character;
        AppendCodePoint(character, static_cast<char32_t>(keyAscii));
        replaceSelection(*still, character);
    }
    return true;
}

bool KeyDown(Control& box, int& keyCode, int shift) {
    if (!focusBox(box)) return false;
    const ByHand byHand(box);
    box.form().fireKeyDown(box, keyCode, shift);
    return true;
}

bool DeleteKey(Control& box) {
    if (!focusBox(box)) return false;
    const ByHand byHand(box);
    removeAround(box, 0);
    return true;
}

bool Paste(Control& box, std::string_view text) {
    if (!focusBox(box)) return false;
    const ByHand byHand(box);
    replaceSelection(box, WithoutControlCharacters(text));
    return true;
}

bool ClearText(Control& box) {
    if (!focusBox(box)) return false;
    const ByHand byHand(box);
    box.edit("", 0);
    return true;
}

bool Select(Control& box, int start, int length) {
    if (!focusBox(box)) return false;
    const ByHand byHand(box);
    box.setSelection(start, length);
    return true;
}

bool CloseRequest(Form& form) {
    if (!accepts(form)) return false;
    if (form.queryUnload() && form.loaded()) form.runtime().Unload(form);
    return true;
}

bool Focus(Control& control) {
    Form& form = control.form();
    if (!accepts(form) || !TraitsOf(control.kind()).takesFocus) return false;
    form.focusArrived(control);
    return true;
}

bool Wheel(Control& control, Toward toward) {
    if (control.isScrollBar()) return ArrowClick(control, toward);
    if (control.design().wheelBar.empty()) return false;
    Control* bar = control.form().find(control.design().wheelBar);
    return bar != nullptr && ArrowClick(*bar, toward);
}

bool PressShortcut(Form& form, std::string_view keys) {
    if (!accepts(form) || keys.empty()) return false;
    for (const auto& control : form.controls())
        if (control->design().shortcut == keys && control->visible()) return Click(*control);
    return true;
}

}  // namespace ventrose::platform
