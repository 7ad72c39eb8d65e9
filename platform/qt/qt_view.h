// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/observer.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/display_menu.h"
#include "platform/qt/form_window.h"
#include "preferences/preferences.h"

class QMenu;
class QPoint;
class QWidget;

namespace ventrose::platform {
class Runtime;
}

namespace ventrose::platform::qt {

// Mirrors every loaded form of a runtime into a window of real widgets, and turns what a person
// does to them into the model's user actions. It decides nothing: after each action it shows
// again what the model holds, whether the model took the action or not. What it holds of its
// own is only how the windows are shown (colours, on top, places), which no form has.
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

    // How the windows are shown, as a person last chose: their colours, keeping the main window
    // above other applications, and where each window stood. The forms know nothing of these.
    // Until told otherwise: Jour, not on top, and every window where the window system puts it.
    const preferences::Preferences& preferences() const { return preferences_; }
    // Shows every window as `preferences` say; a window with a saved position opens there when
    // it is first shown, brought back onto a screen if none shows that place any more.
    void setPreferences(preferences::Preferences preferences);
    // A new palette recolours every window, message box and tooltip at once.
    void setPalette(preferences::Palette palette);
    // The main window, and with it every window owned by it, stays above other applications'.
    void setOnTop(bool onTop);
    // Told when a person chose in a window's menu, when a window closes (its position is kept)
    // and when the application ends (every open window's position is kept).
    std::function<void()> onPreferencesChanged;

    // The entries of every window's context menu, and their shortcuts.
    DisplayMenu& displayMenu() { return menu_; }

    void formLoaded(Form& form) override;
    void formShown(Form& form, bool modal) override;
    void formCaptionChanged(Form& form) override;
    void formResized(Form& form) override;
    void propertyChanged(Control& control, Property property) override;
    void formUnloaded(Form& form) override;
    void applicationEnded() override;
    void focusMoved(Control& control) override;
    void languageChanged() override;

private:
    friend class ControlLink;

    QWidget* containerOf(FormWindow& window, const Control& control) const;
    void makeWidget(FormWindow& window, const Control& control);
    void elementShownOrHidden(FormWindow& window, Control& control);
    // Runs a person's action on a control of the window, if the window still shows a loaded
    // form, then mirrors the control again.
    void act(FormWindow* window, const std::string& control,
             const std::function<bool(Control&)>& action);
    void actOnForm(FormWindow* window, const std::function<bool(Form&)>& action);
    void addShortcuts(FormWindow& window);
    bool isCurrent(const FormWindow* window) const;
    WidgetLookup lookup() const;
    void retire(FormWindow& window);
    void colour(FormWindow& window);
    void paint(QWidget& widget, const Control& control) const;
    void keepOnTop(FormWindow& window) const;
    void place(FormWindow& window) const;
    void remember(const FormWindow& window);
    void showMenu(FormWindow& window, const QPoint& at);
    void changed() const;

    Runtime& runtime_;
    preferences::Preferences preferences_;
    DisplayMenu menu_;
    std::unordered_map<const Form*, FormWindow*> windows_;
    std::unordered_map<const Control*, QWidget*> widgets_;
    // Every window made, retired ones included until Qt deletes them, so that none outlives the
    // view.
    std::vector<QPointer<FormWindow>> made_;
};

}  // namespace ventrose::platform::qt
