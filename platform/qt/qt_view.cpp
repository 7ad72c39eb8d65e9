#include "platform/qt/qt_view.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScrollBar>

#include "platform/control.h"
#include "platform/form.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/appearance.h"
#include "platform/qt/focus_ring.h"
#include "platform/qt/geometry.h"
#include "platform/qt/keyboard.h"
#include "platform/qt/mirror.h"
#include "platform/qt/painted_widgets.h"
#include "platform/scroll_mapping.h"
#include "platform/qt/text_box.h"
#include "platform/qt/widget_properties.h"
#include "platform/qt/wheel_notches.h"
#include "platform/qt/widgets.h"
#include "platform/runtime.h"
#include "platform/user_actions.h"

namespace ventrose::platform::qt {

namespace {

Qt::Alignment alignmentOf(Alignment alignment) {
    switch (alignment) {
        case Alignment::Right: return Qt::AlignRight | Qt::AlignTop;
        case Alignment::Center: return Qt::AlignHCenter | Qt::AlignTop;
        case Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

Colour lineColour(const ControlDesign& design) {
    return design.foreColour == kDefaultColour ? 0x000000 : design.foreColour;
}

// The model's value for where the person left the thumb.
int releasedValue(const QScrollBar& bar, const Control& control) {
    return ValueAt(bar.sliderPosition(), control.min(), control.max());
}

}  // namespace

QtView::QtView(Runtime& runtime) : runtime_(runtime) { runtime_.addObserver(*this); }

QtView::~QtView() {
    runtime_.removeObserver(*this);
    for (const QPointer<FormWindow>& window : made_) delete window.data();
}

FormWindow* QtView::windowOf(const Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second;
}

QWidget* QtView::widgetOf(const Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

bool QtView::isCurrent(const FormWindow* window) const {
    return window != nullptr && !window->retired() && windowOf(window->form()) == window && window->form().loaded();
}

void QtView::formLoaded(Form& form) {
    auto* window = new FormWindow(form, DpiScale());
    made_.emplace_back(window);
    windows_[&form] = window;
    const FormDesign& design = form.design();
    window->setObjectName(ToQString(form.name()));
    window->setWindowTitle(ToQString(form.caption()));
    window->setFont(FontFor(Font{}));
    ApplyColours(*window, design.backColour, kDefaultColour);
    window->setFixedSize(ToPixels(design.width, window->scale()), ToPixels(design.height, window->scale()));
    window->onCloseRequest = [this, window] { actOnForm(window, [](Form& f) { return CloseRequest(f); }); };
    window->onClick = [this, window] { actOnForm(window, [](Form& f) { return ClickForm(f); }); };
    for (const auto& control : form.controls()) {
        QWidget* widget = createWidget(*window, *control);
        widget->setObjectName(ToQString(control->name()));
        widgets_[control.get()] = widget;
        MirrorAll(*widget, *control, window->scale());
        connectWidget(*window, *widget, *control);
        MakeKeyboardReachable(*widget, control->kind());
    }
    ChainFocusInReadingOrder(form, lookup());
    DescribeForScreenReaders(form, lookup());
    new FocusRing(*window);
}

WidgetLookup QtView::lookup() const {
    return [this](const Control& control) { return widgetOf(control); };
}

QWidget* QtView::containerOf(FormWindow& window, const Control& control) const {
    if (control.container().empty()) return &window;
    const Control* frame = window.form().find(control.container());
    QWidget* widget = frame != nullptr ? widgetOf(*frame) : nullptr;
    return widget != nullptr ? widget : &window;
}

QWidget* QtView::createWidget(FormWindow& window, const Control& control) {
    const ControlDesign& d = control.design();
    QWidget* parent = containerOf(window, control);
    const double scale = window.scale();
    QWidget* widget = nullptr;
    switch (d.kind) {
        case ControlKind::Label: {
            auto* label = new ClickableLabel(parent);
            label->setWordWrap(d.wordWrap);
            label->setAlignment(alignmentOf(d.alignment));
            widget = label;
            break;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            ApplyColours(*button, d.backColour, d.foreColour, false);
            widget = button;
            break;
        }
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar: {
            auto* bar = new QScrollBar(d.kind == ControlKind::HScrollBar ? Qt::Horizontal : Qt::Vertical, parent);
            // A drag changes the value once, at the release.
            bar->setTracking(false);
            widget = bar;
            break;
        }
        case ControlKind::OptionButton: widget = new OptionWidget(parent); break;
        case ControlKind::TextBox: {
            auto* box = new TextBox(parent);
            ApplyColours(*box, d.backColour, d.foreColour, false);
            widget = box;
            break;
        }
        case ControlKind::Frame: widget = new FrameWidget(parent); break;
        case ControlKind::Line:
            widget = new LineWidget(parent, ToQColor(lineColour(d)), ToPixels(d.borderWidth * kPx, scale));
            break;
        case ControlKind::Image: {
            auto* image = new ClickableLabel(parent);
            image->setAlignment(Qt::AlignCenter);
            image->setPicture(ToQString(d.picture));
            widget = image;
            break;
        }
        case ControlKind::Shape:
            widget = new ShapeWidget(parent, ToQColor(lineColour(d)), ToPixels(d.borderWidth * kPx, scale));
            break;
    }
    widget->setFont(FontFor(d.font));
    if (d.kind != ControlKind::CommandButton && d.kind != ControlKind::TextBox)
        ApplyColours(*widget, d.backColour, d.foreColour);
    return widget;
}

void QtView::connectWidget(FormWindow& window, QWidget& widget, const Control& control) {
    FormWindow* w = &window;
    const std::string name = control.name();
    switch (control.kind()) {
        case ControlKind::Label:
        case ControlKind::Image:
            static_cast<ClickableLabel&>(widget).onClick = [this, w, name] {
                act(w, name, [](Control& c) { return Click(c); });
            };
            break;
        case ControlKind::Frame:
            static_cast<FrameWidget&>(widget).onClick = [this, w, name] {
                act(w, name, [](Control& c) { return Click(c); });
            };
            break;
        case ControlKind::CommandButton:
            QObject::connect(static_cast<QAbstractButton*>(&widget), &QAbstractButton::clicked, &widget,
                             [this, w, name] { act(w, name, [](Control& c) { return Click(c); }); });
            break;
        case ControlKind::OptionButton: {
            auto* option = static_cast<OptionWidget*>(&widget);
            QObject::connect(option, &QAbstractButton::clicked, option,
                             [this, w, name] { act(w, name, [](Control& c) { return Click(c); }); });
            // A screen reader's "toggle" action checks the option without a click.
            QObject::connect(option, &QAbstractButton::toggled, option, [this, w, name](bool checked) {
                if (checked) act(w, name, [](Control& c) { return Click(c); });
            });
            break;
        }
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar: {
            auto* bar = static_cast<QScrollBar*>(&widget);
            QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this, w, name, bar](int action) {
                switch (action) {
                    case QAbstractSlider::SliderSingleStepAdd:
                        return act(w, name, [](Control& c) { return ArrowClick(c, Toward::Max); });
                    case QAbstractSlider::SliderSingleStepSub:
                        return act(w, name, [](Control& c) { return ArrowClick(c, Toward::Min); });
                    case QAbstractSlider::SliderPageStepAdd:
                        return act(w, name, [](Control& c) { return TroughClick(c, Toward::Max); });
                    case QAbstractSlider::SliderPageStepSub:
                        return act(w, name, [](Control& c) { return TroughClick(c, Toward::Min); });
                    case QAbstractSlider::SliderToMinimum:
                        return act(w, name, [](Control& c) { return ThumbRelease(c, c.min()); });
                    case QAbstractSlider::SliderToMaximum:
                        return act(w, name, [](Control& c) { return ThumbRelease(c, c.max()); });
                    default:
                        // A thumb being dragged moves only on the screen until it is released.
                        if (!bar->isSliderDown() && isCurrent(w))
                            if (const Control* c = w->form().find(name)) MirrorAll(*bar, *c, w->scale());
                        return;
                }
            });
            QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [this, w, name, bar] {
                act(w, name, [bar](Control& c) { return ThumbRelease(c, releasedValue(*bar, c)); });
            });
            bar->installEventFilter(new WheelNotches(bar, [this, w, name](Toward toward) {
                act(w, name, [toward](Control& c) { return ArrowClick(c, toward); });
            }));
            break;
        }
        case ControlKind::TextBox: {
            auto* box = static_cast<TextBox*>(&widget);
            box->onKey = [this, w, name](int code) { act(w, name, [code](Control& c) { return KeyPress(c, code); }); };
            box->onDelete = [this, w, name] { act(w, name, [](Control& c) { return DeleteKey(c); }); };
            box->onPaste = [this, w, name](const QString& text) {
                act(w, name, [text = ToUtf8(text)](Control& c) { return Paste(c, text); });
            };
            box->onSelect = [this, w, name](int anchor, int length) {
                if (!isCurrent(w)) return;
                const Control* c = w->form().find(name);
                if (c == nullptr || (c->anchor() == anchor && c->caret() == anchor + length)) return;
                act(w, name, [anchor, length](Control& c) { return Select(c, anchor, length); });
            };
            // Any other way into the line edit (an accessibility client setting its text, say)
            // is undone: the box shows the model's text and nothing else.
            box->onStrayEdit = [this, w, name] {
                if (!isCurrent(w)) return;
                if (const Control* c = w->form().find(name))
                    if (QWidget* shown = widgetOf(*c)) MirrorAll(*shown, *c, w->scale());
            };
            break;
        }
        case ControlKind::Line:
        case ControlKind::Shape: break;
    }
}

void QtView::act(FormWindow* window, const std::string& name, const std::function<bool(Control&)>& action) {
    if (!isCurrent(window)) return;
    Form& form = window->form();
    Control* control = form.find(name);
    if (control == nullptr) return;
    const bool taken = action(*control);
    // The action may have unloaded the form (its controls are then gone) or ended everything.
    if (isCurrent(window)) {
        if (Control* still = form.find(name)) {
            // The widget may have moved on its own (an option checks itself): it shows the model
            // again, and so do the options beside it.
            for (const auto& other : form.controls()) {
                const bool mirrored = other.get() == still || (still->kind() == ControlKind::OptionButton &&
                                                                other->kind() == ControlKind::OptionButton &&
                                                                other->container() == still->container());
                if (mirrored)
                    if (QWidget* widget = widgetOf(*other)) MirrorAll(*widget, *other, window->scale());
            }
        }
    }
    if (onUserAction) onUserAction(taken);
}

void QtView::actOnForm(FormWindow* window, const std::function<bool(Form&)>& action) {
    if (!isCurrent(window)) return;
    const bool taken = action(window->form());
    if (onUserAction) onUserAction(taken);
}

void QtView::formShown(Form& form, bool modal) {
    FormWindow* window = windowOf(form);
    if (window == nullptr) return;
    const Qt::WindowModality modality = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (window->windowModality() != modality) {
        // Qt takes a new modality only from a hidden window.
        window->hide();
        window->setWindowModality(modality);
    }
    FocusFirstInReadingOrder(form, lookup());
    window->show();
    window->activateWindow();
}

void QtView::formCaptionChanged(Form& form) {
    if (FormWindow* window = windowOf(form)) window->setWindowTitle(ToQString(form.caption()));
}

void QtView::propertyChanged(Control& control, Property property) {
    QWidget* widget = widgetOf(control);
    FormWindow* window = windowOf(control.form());
    if (widget == nullptr || window == nullptr) return;
    MirrorProperty(*widget, control, property, window->scale());
    RedescribeAfterChange(control, property, lookup());
    if (property == Property::Visible || property == Property::Left || property == Property::Top)
        ChainFocusInReadingOrder(control.form(), lookup());
}

void QtView::retire(FormWindow& window) {
    window.retire();
    window.hide();
    // Never at once: the window may be deep in one of its own widgets' signal handlers.
    window.deleteLater();
}

void QtView::formUnloaded(Form& form) {
    FormWindow* window = windowOf(form);
    if (window == nullptr) return;
    for (const auto& control : form.controls()) widgets_.erase(control.get());
    windows_.erase(&form);
    retire(*window);
}

void QtView::applicationEnded() {
    for (auto& [form, window] : windows_) retire(*window);
    windows_.clear();
    widgets_.clear();
    // exit() rather than quit(): quit() would first ask every window to close.
    QCoreApplication::exit(0);
}

}  // namespace ventrose::platform::qt
