// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/observer.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/form_window.h"
#include "preferences/palette.h"

class QWidget;

namespace ventrose::platform {
class Runtime;
}

namespace ventrose::platform::qt {

// Mirrors every loaded form of a runtime into a window of real widgets, and turns what a person
// does to them into the model's user actions. It decides nothing: after each action it shows
// again what the model holds, whether the model took the action or not.
class QtView : public Observer {
public:
    explicit QtView(Runtime& runtime);
    ~QtView() override;
    QtView(const QtView&) = delete;
    QtView& operator=(const QtView&) = delete;

    // The window of a loaded form, the widget of one of its controls; null when there is none.
    FormWindow* windowOf(const Form& form) const;
    QWidget* widgetOf(const Control& control) const;

    // Told after each user action the view hands to the model, with whether the model took it
    // (for tests: a step that never reaches the model is a fault of the view).
    std::function<void(bool taken)> onUserAction;

    void formLoaded(Form& form) override;
    void formShown(Form& form, bool modal) override;
    void formCaptionChanged(Form& form) override;
    void propertyChanged(Control& control, Property property) override;
    void formUnloaded(Form& form) override;
    void applicationEnded() override;

private:
    friend class ControlLink;

    QWidget* containerOf(FormWindow& window, const Control& control) const;
    // Runs a person's action on a control of the window, if the window still shows a loaded
    // form, then mirrors the control again.
    void act(FormWindow* window, const std::string& control,
             const std::function<bool(Control&)>& action);
    void actOnForm(FormWindow* window, const std::function<bool(Form&)>& action);
    bool isCurrent(const FormWindow* window) const;
    WidgetLookup lookup() const;
    void retire(FormWindow& window);

    Runtime& runtime_;
    preferences::Palette palette_ = preferences::Palette::Jour;
    std::unordered_map<const Form*, FormWindow*> windows_;
    std::unordered_map<const Control*, QWidget*> widgets_;
    // Every window made, retired ones included until Qt deletes them, so that none outlives the
    // view.
    std::vector<QPointer<FormWindow>> made_;
};

}  // namespace ventrose::platform::qt
