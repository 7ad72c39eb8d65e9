// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/keyboard.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

#include "platform/control.h"
#include "platform/control_kinds.h"
#include "platform/form.h"
#include "platform/reading_order.h"

namespace ventrose::platform::qt {

namespace {

// The bar's own action for a key, or SliderNoAction. Written out rather than left to the
// slider's key handling, whose directions depend on the style and on inverted controls.
QAbstractSlider::SliderAction barActionOf(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up: return QAbstractSlider::SliderSingleStepSub;
        case Qt::Key_Right:
        case Qt::Key_Down: return QAbstractSlider::SliderSingleStepAdd;
        case Qt::Key_PageUp: return QAbstractSlider::SliderPageStepSub;
        case Qt::Key_PageDown: return QAbstractSlider::SliderPageStepAdd;
        case Qt::Key_Home: return QAbstractSlider::SliderToMinimum;
        case Qt::Key_End: return QAbstractSlider::SliderToMaximum;
        default: return QAbstractSlider::SliderNoAction;
    }
}

class BarKeys : public QObject {
public:
    explicit BarKeys(QScrollBar& bar) : QObject(&bar), bar_(bar) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        const QAbstractSlider::SliderAction action = barActionOf(key->key());
        if (action == QAbstractSlider::SliderNoAction) return false;
        // The action runs the model's handlers, which may unload the window: nothing after it.
        bar_.triggerAction(action);
        return true;
    }

private:
    QScrollBar& bar_;
};

// A push button left without auto-default ignores Enter; a person expects Enter to press it.
class ButtonKeys : public QObject {
public:
    explicit ButtonKeys(QPushButton& button) : QObject(&button), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat() ||
            (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        button_.click();
        return true;
    }

private:
    QPushButton& button_;
};

}  // namespace

void StepWithKeys(QScrollBar& bar) { bar.installEventFilter(new BarKeys(bar)); }

void PressWithEnter(QPushButton& button) { button.installEventFilter(new ButtonKeys(button)); }

namespace {

std::vector<const Control*> focusableInReadingOrder(
    const Form& form, const std::function<QWidget*(const Control&)>& widgetOf) {
    std::vector<const Control*> focusable;
    for (const auto& control : form.controls())
        if (TraitsOf(control->kind()).takesFocus && widgetOf(*control) != nullptr)
            focusable.push_back(control.get());
    return InReadingOrder(std::move(focusable));
}

// Shown as far as the model says: the control and every frame that holds it.
bool shown(const Control& control) {
    const Control* inner = &control;
    for (int depth = 0; depth < 64 && inner != nullptr; ++depth) {
        if (!inner->visible()) return false;
        if (inner->container().empty()) return true;
        inner = inner->form().find(inner->container());
    }
    return true;
}

}  // namespace

void FocusFirstInReadingOrder(const Form& form,
                              const std::function<QWidget*(const Control&)>& widgetOf) {
    for (const Control* control : focusableInReadingOrder(form, widgetOf)) {
        QWidget* widget = widgetOf(*control);
        if (widget->window()->focusWidget() != nullptr) return;
        if (shown(*control)) {
            widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void ChainFocusInReadingOrder(const Form& form,
                              const std::function<QWidget*(const Control&)>& widgetOf) {
    QWidget* previous = nullptr;
    for (const Control* control : focusableInReadingOrder(form, widgetOf)) {
        QWidget* widget = widgetOf(*control);
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace ventrose::platform::qt
