// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime.h"

#include <algorithm>

#include "platform/control.h"
#include "platform/form.h"

namespace ventrose::platform {

namespace {

void erase(std::vector<Form*>& list, const Form& form) {
    list.erase(std::remove(list.begin(), list.end(), &form), list.end());
}

bool contains(const std::vector<Form*>& list, const Form& form) {
    return std::find(list.begin(), list.end(), &form) != list.end();
}

}  // namespace

void Runtime::registerForm(Form& form) { registered_.push_back(&form); }

void Runtime::retranslate(common::Language previous) {
    for (Form* f : registered_) {
        const FormDesign& design = f->design();
        if (f->caption() == common::TrTextIn(previous, design.name, design.caption))
            f->setCaption(common::TrText(design.name, design.caption));
        for (const std::unique_ptr<Control>& control : f->controls()) {
            const ControlDesign& d = control->design();
            if (d.kind == ControlKind::TextBox) continue;
            if (control->caption() == common::TrTextIn(previous, design.name, d.caption))
                control->setCaption(common::TrText(design.name, d.caption));
        }
    }
    // Then each loaded window writes its own texts again, in load order; a copy, as a handler
    // may load or unload windows.
    const std::vector<Form*> loaded = loaded_;
    for (Form* f : loaded)
        if (contains(loaded_, *f)) f->fireLanguageChange(previous);
    for (Observer* o : observers_) o->languageChanged();
}

Form* Runtime::form(std::string_view name) const {
    for (Form* f : registered_)
        if (f->name() == name) return f;
    return nullptr;
}

void Runtime::Load(Form& form) {
    if (ended_ || form.loaded()) return;
    form.createControls();
    form.loaded_ = true;
    loaded_.push_back(&form);
    log_.push_back("load " + form.name());
    for (Observer* o : observers_) o->formLoaded(form);
    form.fireLoad();
}

void Runtime::Show(Form& form, ShowMode mode) {
    if (ended_) return;
    Load(form);
    if (ended_ || !form.loaded()) return;
    if (mode == ShowMode::Modeless) {
        if (!contains(shown_, form)) shown_.push_back(&form);
        log_.push_back("show " + form.name());
        for (Observer* o : observers_) o->formShown(form, false);
        return;
    }
    if (contains(modal_, form)) return;
    modal_.push_back(&form);
    log_.push_back("show-modal " + form.name());
    for (Observer* o : observers_) o->formShown(form, true);
    host_->runModal(form);
    erase(modal_, form);
}

void Runtime::Unload(Form& form) {
    if (ended_ || !form.loaded() || form.unloading_) return;
    form.unloading_ = true;
    log_.push_back("unload " + form.name());
    form.fireUnload();
    if (ended_) return;  // End() in Form_Unload has already let every form go
    forget(form);
    if (loaded_.empty()) finish();
}

void Runtime::forget(Form& form) {
    for (Observer* o : observers_) o->formUnloaded(form);
    erase(loaded_, form);
    erase(modal_, form);
    erase(shown_, form);
    form.destroyControls();
    form.loaded_ = false;
    form.unloading_ = false;
}

void Runtime::End() {
    if (ended_) return;
    ended_ = true;
    log_.push_back("end");
    // The forms go without their Form_Unload; the newest first, as windows close over each other.
    while (!loaded_.empty()) forget(*loaded_.back());
    for (Observer* o : observers_) o->applicationEnded();
}

void Runtime::finish() {
    if (ended_) return;
    ended_ = true;
    log_.push_back("end");
    for (Observer* o : observers_) o->applicationEnded();
}

void Runtime::MsgBox(const std::string& prompt, int style, const std::string& title) {
    if (ended_) return;
    MessageBoxRequest request{prompt, style, title, ""};
    if (Form* owner = activeForm()) request.owner = owner->name();
    ++messageBoxes_;
    try {
        host_->showMessageBox(request);
    } catch (...) {
        --messageBoxes_;
        throw;
    }
    --messageBoxes_;
}

Form* Runtime::activeForm() const {
    if (ended_) return nullptr;
    if (!modal_.empty()) return modal_.back();
    return shown_.empty() ? nullptr : shown_.front();
}

bool Runtime::acceptsInput(const Form& form) const {
    if (ended_ || !form.loaded()) return false;
    return modal_.empty() ? true : modal_.back() == &form;
}

const Control* Runtime::exchangeActedOn(const Control* control) {
    const Control* before = actedOn_;
    actedOn_ = control;
    return before;
}

bool Runtime::isShownModally(const Form& form) const { return !ended_ && contains(modal_, form); }

void Runtime::addObserver(Observer& observer) { observers_.push_back(&observer); }

void Runtime::removeObserver(Observer& observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer),
                     observers_.end());
}

void Runtime::notifyPropertyChanged(Control& control, Property property) {
    for (Observer* o : observers_) o->propertyChanged(control, property);
}

void Runtime::notifyFocusMoved(Control& control) {
    for (Observer* o : observers_) o->focusMoved(control);
}

void Runtime::notifyCaptionChanged(Form& form) {
    for (Observer* o : observers_) o->formCaptionChanged(form);
}

void Runtime::notifyFormResized(Form& form) {
    for (Observer* o : observers_) o->formResized(form);
}

}  // namespace ventrose::platform
