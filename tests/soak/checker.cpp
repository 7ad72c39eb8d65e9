// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/checker.h"

#include <algorithm>

#include "app/application.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "platform/text.h"
#include "tests/soak/descent_check.h"
#include "tests/soak/log_check.h"
#include "tests/soak/step_play.h"

namespace ventrose::soak {

namespace {

// The only message box the program shows.
constexpr const char* kPrompt = "Il faut entrer un nombre";
constexpr const char* kTitle = "Erreur";
constexpr int kStyle = 48;

bool loaded(app::Application& application, const char* form) {
    const platform::Form* f = application.runtime().form(form);
    return f != nullptr && f->loaded();
}

bool isClick(const scenario::Step& step, const char* form, const char* control) {
    return step.word == "click" && FormOf(step) == form && ControlOf(step) == control;
}

}  // namespace

void Checker::started(scenario::Driver& driver) {
    quitAsked_ = false;
    fedOnce_ = false;
    vitesseLoaded_ = false;
    boxesChecked_ = driver.messageBoxes().size();
    main_.reset();
    airspeed_.reset();
}

BeforeStep Checker::before(scenario::Driver& driver, const scenario::Step& step) {
    auto& application = driver.application();
    auto& runtime = application.runtime();
    BeforeStep noted;
    const platform::Form* active = runtime.activeForm();
    noted.active = active ? active->name() : std::string();
    const platform::Form* target = runtime.form(FormOf(step));
    noted.targetAcceptsInput =
        target != nullptr && target->loaded() && runtime.acceptsInput(*target);
    noted.boxes = driver.messageBoxes().size();
    if (noted.targetAcceptsInput && (isClick(step, "frmMainCalc", "cmdQuit") ||
                                     (step.word == "close" && FormOf(step) == "frmMainCalc")))
        quitAsked_ = true;

    if (loaded(application, "frmMainCalc")) main_.before(driver);
    if (loaded(application, "frmVitesse")) {
        // Loaded since: a window that follows took the simulator's latest values as it loaded.
        if (!vitesseLoaded_ && fedOnce_) airspeed_.fed(driver);
        vitesseLoaded_ = true;
        airspeed_.before(driver,
                         noted.targetAcceptsInput && isClick(step, "frmVitesse", "cmdTempExt"));
    } else {
        airspeed_.reset();
        vitesseLoaded_ = false;
    }
    if (loaded(application, "frmConversions"))
        conversions_.before(driver, step, noted.targetAcceptsInput);
    return noted;
}

Check Checker::simulatorFed(scenario::Driver& driver) {
    auto& application = driver.application();
    fedOnce_ = true;
    if (loaded(application, "frmVitesse")) airspeed_.fed(driver);
    const platform::Form* active = application.runtime().activeForm();
    if (active == nullptr) return std::nullopt;
    for (const platform::Form* form : application.runtime().Forms())
        if (auto f = bars(driver, form->name())) return f;
    return windowOnTop(driver, active->name());
}

Check Checker::after(scenario::Driver& driver, const scenario::Step& step, const BeforeStep& noted,
                     bool taken, bool fed) {
    auto& application = driver.application();
    auto& runtime = application.runtime();
    if (taken && !noted.targetAcceptsInput)
        return Failure{"refusal", step.source + ": taken by a window that takes no input"};
    if (runtime.ended()) {
        if (!quitAsked_)
            return Failure{"ended", "the application ended without the person quitting"};
        return std::nullopt;
    }
    const platform::Form* active = runtime.activeForm();
    if (!loaded(application, "frmMainCalc") || active == nullptr)
        return Failure{"alive",
                       "the application runs without its main window or a window taking input"};

    const auto& boxes = driver.messageBoxes();
    for (; boxesChecked_ < boxes.size(); ++boxesChecked_) {
        const auto& box = boxes[boxesChecked_];
        const bool known =
            box.prompt == kPrompt || (box.owner == "frmLog" && IsLogMessage(box.prompt));
        const bool notice = IsImportNotice(box) && box.owner == noted.active;
        if (!notice &&
            (!known || box.title != kTitle || box.style != kStyle || box.owner != noted.active))
            return Failure{"msgbox", "a message box \"" + box.prompt + "\" \"" + box.title + "\" " +
                                         std::to_string(box.style) + " owned by " + box.owner +
                                         " after a step in " + noted.active};
    }
    const std::size_t newBoxes = boxes.size() - std::min(noted.boxes, boxes.size());

    if (loaded(application, "frmMainCalc"))
        main_.after(driver, taken && isClick(step, "frmMainCalc", "cmdClear"));
    fedOnce_ = fedOnce_ || fed;
    // Ticked again, the box applies the simulator's latest values at once.
    fed = fed || (fedOnce_ && taken && isClick(step, "frmVitesse", "chkSuivre"));
    if (loaded(application, "frmVitesse") && fed) airspeed_.fed(driver);
    if (loaded(application, "frmVitesse") && !fed)
        if (auto f = airspeed_.after(
                driver, noted.targetAcceptsInput && isClick(step, "frmVitesse", "cmdTempExt"),
                newBoxes))
            return f;
    if (loaded(application, "frmConversions"))
        if (auto f = conversions_.after(driver, newBoxes)) return f;

    for (const platform::Form* form : runtime.Forms())
        if (auto f = bars(driver, form->name())) return f;
    return windowOnTop(driver, active->name());
}

// Read as the person sees them: the widgets on Qt.
Check Checker::bars(scenario::Driver& driver, const std::string& form) const {
    const platform::Form* f = driver.application().runtime().form(form);
    for (const auto& control : f->controls()) {
        // A hidden row of a table has no widget to read.
        if (control->index() > 0 && !control->visible()) continue;
        if (control->kind() == platform::ControlKind::TextBox) {
            // What the box shows is what the model holds: the text, the caret and the selection.
            const std::string seen = Seen(driver, form, control->name(), "SelStart") + " " +
                                     Seen(driver, form, control->name(), "SelLength");
            const std::string held =
                std::to_string(control->selStart()) + " " + std::to_string(control->selLength());
            if (seen != held || control->selStart() + control->selLength() >
                                    platform::CharacterCount(control->text()))
                return Failure{form + "." + control->name(),
                               form + "." + control->name() + " shows the selection " + seen +
                                   " of " + held + " in \"" + control->text() + "\""};
        }
        if (!control->isScrollBar()) continue;
        const int value = SeenValue(driver, form, control->name());
        const int min = std::stoi(Seen(driver, form, control->name(), "Min"));
        const int max = std::stoi(Seen(driver, form, control->name(), "Max"));
        if (value < std::min(min, max) || value > std::max(min, max))
            return Failure{form + "." + control->name(),
                           form + "." + control->name() + ".Value " + std::to_string(value) +
                               " outside " + std::to_string(min) + ".." + std::to_string(max)};
    }
    return std::nullopt;
}

Check Checker::windowOnTop(scenario::Driver& driver, const std::string& form) const {
    if (form == "frmMainCalc") return main_.check(driver);
    if (form == "frmVitesse") return airspeed_.check(driver);
    if (form == "frmDescente") return CheckDescent(driver);
    if (form == "frmConversions") return conversions_.check(driver);
    if (form == "frmLog") return CheckLog(driver);
    return std::nullopt;
}

}  // namespace ventrose::soak
