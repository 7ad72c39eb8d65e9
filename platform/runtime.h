// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/tr.h"
#include "platform/host.h"
#include "platform/observer.h"

namespace ventrose::platform {

class Control;
class Form;

enum class ShowMode { Modeless, Modal };

// The forms runtime: which windows are loaded, which one is shown modally over the others,
// loading, showing, unloading and ending, message boxes, and the lifecycle log. Everything
// runs on one thread; handlers started by a handler's own property sets run nested.
class Runtime {
public:
    explicit Runtime(Host& host) : host_(&host) {}
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    void setHost(Host& host) { host_ = &host; }
    Host& host() const { return *host_; }

    // Every form object registers itself here on construction, loaded or not.
    void registerForm(Form& form);
    Form* form(std::string_view name) const;
    const std::vector<Form*>& registeredForms() const { return registered_; }

    // Makes the controls from the design and runs Form_Load; nothing if already loaded.
    void Load(Form& form);
    // Modal: returns once the form has been unloaded (or the application has ended).
    void Show(Form& form, ShowMode mode);
    // Runs Form_Unload, then destroys the controls. Asking again while the unloading is under
    // way does nothing more. When no form is left loaded, the application ends.
    void Unload(Form& form);
    // Ends the application at once: no handler runs after it.
    void End();
    // After common::SetCurrentLanguage: every caption that still shows its design's text in
    // `previous` now shows it in the current language, on every form, loaded or not. A caption
    // the window's code has written since keeps it: its code writes it again in the new
    // language. Then the observers are told (Observer::languageChanged).
    void retranslate(common::Language previous);
    // The loaded forms, in load order.
    const std::vector<Form*>& Forms() const { return loaded_; }
    void MsgBox(const std::string& prompt, int style, const std::string& title);
    // While a message box is up, the handler that asked for it waits in the middle of its work.
    bool messageBoxShown() const { return messageBoxes_ > 0; }

    bool ended() const { return ended_; }
    bool started() const { return !registered_.empty(); }
    // The form that takes a person's input now: the top of the modal stack, or else the first
    // loaded form shown without a modal style.
    Form* activeForm() const;
    bool acceptsInput(const Form& form) const;
    bool isShownModally(const Form& form) const;

    // While a person's action (platform/user_actions.h) is applied to a control, and so while
    // the handlers it starts run, that control; else null. Window code tells by it a person's
    // move of a control from its own, or a feed's, which set the same properties.
    bool isActedOnByPerson(const Control& control) const { return actedOn_ == &control; }
    // Makes `control` the one a person acts on and returns the one before, to be put back when
    // the action is over (user_actions.cpp does both).
    const Control* exchangeActedOn(const Control* control);

    // Lifecycle log: "load F", "show F", "show-modal F", "unload F", "end".
    const std::vector<std::string>& log() const { return log_; }

    void addObserver(Observer& observer);
    void removeObserver(Observer& observer);
    void notifyPropertyChanged(Control& control, Property property);
    void notifyCaptionChanged(Form& form);
    void notifyFormResized(Form& form);
    void notifyFocusMoved(Control& control);

private:
    void forget(Form& form);
    void finish();

    Host* host_;
    std::vector<Form*> registered_;
    std::vector<Form*> loaded_;
    std::vector<Form*> modal_;
    std::vector<Form*> shown_;
    std::vector<Observer*> observers_;
    std::vector<std::string> log_;
    bool ended_ = false;
    const Control* actedOn_ = nullptr;
    int messageBoxes_ = 0;
};

}  // namespace ventrose::platform
