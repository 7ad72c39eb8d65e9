// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_view.h"

#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "platform/control.h"
#include "platform/control_kinds.h"
#include "platform/form.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/appearance.h"
#include "platform/qt/application_palette.h"
#include "platform/qt/control_kinds.h"
#include "platform/qt/focus_ring.h"
#include "platform/qt/geometry.h"
#include "platform/qt/keyboard.h"
#include "platform/qt/mirror.h"
#include "platform/qt/wheel_notches.h"
#include "platform/qt/widget_properties.h"
#include "platform/runtime.h"
#include "platform/user_actions.h"
#include "preferences/on_screen.h"
#include "preferences/recolour.h"

namespace ventrose::platform::qt {

namespace {

// Tells the model where the keyboard focus went, whoever moved it (a click, Tab, Qt itself when
// the focused widget goes away).
class FocusReporter : public QObject {
public:
    FocusReporter(QWidget& widget, ControlLink link) : QObject(&widget), link_(std::move(link)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) link_.tookFocus();
        return QObject::eventFilter(watched, event);
    }

private:
    ControlLink link_;
};

// Half the light: a stale figure still reads, plainly fainter than the live ones beside it.
constexpr double kStaleOpacity = 0.5;

Colour ringColour(preferences::Palette palette) {
    return preferences::Recolour(palette, kDefaultColour, preferences::Role::FocusRing);
}

}  // namespace

QtView::QtView(Runtime& runtime) : runtime_(runtime) {
    runtime_.addObserver(*this);
    menu_.onTopChosen = [this](bool onTop) {
        setOnTop(onTop);
        changed();
    };
    menu_.paletteChosen = [this](preferences::Palette palette) {
        setPalette(palette);
        changed();
    };
}

QtView::~QtView() {
    runtime_.removeObserver(*this);
    // The application's palette was this view's to set; it goes back to the style's with it.
    ShowApplicationIn(preferences::Palette::Jour);
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
    return window != nullptr && !window->retired() && windowOf(window->form()) == window &&
           window->form().loaded();
}

void QtView::formLoaded(Form& form) {
    // The window taking input now is the one this form opens over (the main window, or the
    // modal window whose button loaded it).
    Form* under = runtime_.activeForm();
    FormWindow* owner = under != nullptr && under != &form ? windowOf(*under) : nullptr;
    auto* window = new FormWindow(form, DpiScale(), owner);
    made_.emplace_back(window);
    windows_[&form] = window;
    const FormDesign& design = form.design();
    window->setObjectName(ToQString(form.name()));
    window->setWindowTitle(ToQString(form.caption()));
    window->setFont(FontFor(Font{}));
    ApplyColours(*window, design.backColour, kDefaultColour, preferences_.palette);
    window->setFixedSize(ToPixels(form.width(), window->scale()),
                         ToPixels(design.height, window->scale()));
    window->onCloseRequest = [this, window] {
        actOnForm(window, [](Form& f) { return CloseRequest(f); });
    };
    window->onClick = [this, window] { actOnForm(window, [](Form& f) { return ClickForm(f); }); };
    window->onDropFile = [this, window](const std::string& path) {
        actOnForm(window, [&path](Form& f) { return DropFile(f, path); });
    };
    window->onContextMenu = [this, window](const QPoint& at) { showMenu(*window, at); };
    menu_.addTo(*window);
    addShortcuts(*window);
    keepOnTop(*window);
    for (const auto& control : form.controls())
        if (control->index() == 0 || control->visible()) makeWidget(*window, *control);
    ChainFocusInReadingOrder(form, lookup());
    DescribeForScreenReaders(form, lookup());
    window->focusRing = new FocusRing(*window);
    window->focusRing->setColour(ringColour(preferences_.palette));
}

// A control's keys press it from anywhere in its window, as the model's PressShortcut does.
void QtView::addShortcuts(FormWindow& window) {
    for (const auto& control : window.form().controls()) {
        const std::string& keys = control->design().shortcut;
        if (keys.empty() || control->index() > 0) continue;
        auto* shortcut =
            new QShortcut(QKeySequence(ToQString(keys), QKeySequence::PortableText), &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, [this, &window, keys] {
            actOnForm(&window, [&keys](Form& form) { return PressShortcut(form, keys); });
        });
    }
}

void QtView::setPreferences(preferences::Preferences preferences) {
    const bool onTop = preferences.onTop;
    const preferences::Palette palette = preferences.palette;
    preferences_ = std::move(preferences);
    setPalette(palette);
    setOnTop(onTop);
}

void QtView::setPalette(preferences::Palette palette) {
    preferences_.palette = palette;
    menu_.show(preferences_.onTop, palette);
    // The application's palette first: the windows' own colours resolve against it.
    ShowApplicationIn(palette);
    for (const auto& [form, window] : windows_) colour(*window);
}

void QtView::colour(FormWindow& window) {
    const Form& form = window.form();
    const preferences::Palette palette = preferences_.palette;
    ApplyColours(window, form.design().backColour, kDefaultColour, palette);
    for (const auto& control : form.controls())
        if (QWidget* widget = widgetOf(*control)) paint(*widget, *control);
    if (window.focusRing != nullptr) window.focusRing->setColour(ringColour(palette));
}

// Everything about a control that depends on the palette as well as on the model. A fore colour
// the window set since the load calls attention to its value (a fuel below the reserve): in Nuit
// rouge, where every text is the same red, the text is bold as well. A stale value is dimmed as
// a whole, whatever its colours.
void QtView::paint(QWidget& widget, const Control& control) const {
    const preferences::Palette palette = preferences_.palette;
    BehaviourOf(control.kind()).colour(widget, control, palette);
    widget.setProperty(kForeColourProperty, static_cast<uint>(control.foreColour()));
    QFont font = FontFor(control.design().font);
    if (palette == preferences::Palette::NuitRouge &&
        control.foreColour() != control.design().foreColour)
        font.setBold(true);
    if (widget.font() != font) widget.setFont(font);
    if (control.stale() == (widget.graphicsEffect() != nullptr)) return;
    if (control.stale()) {
        auto* dimmed = new QGraphicsOpacityEffect(&widget);
        dimmed->setOpacity(kStaleOpacity);
        widget.setGraphicsEffect(dimmed);
    } else {
        widget.setGraphicsEffect(nullptr);
    }
}

void QtView::setOnTop(bool onTop) {
    preferences_.onTop = onTop;
    menu_.show(onTop, preferences_.palette);
    for (const auto& [form, window] : windows_) keepOnTop(*window);
}

// Only a window over no other takes the hint: the windows it owns stay above it, and so above
// other applications too.
void QtView::keepOnTop(FormWindow& window) const {
    if (window.parentWidget() != nullptr) return;
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, preferences_.onTop);
    if (flags == window.windowFlags()) return;
    if (QWindow* native = window.windowHandle()) {
        // Changing a shown widget's flags makes Qt hide it and build a new native window, and the
        // windows transient for the old one would be left owned by none: the native window takes
        // the hint in place, and the window manager applies it at once.
        window.overrideWindowFlags(flags);
        native->setFlags(flags);
    } else {
        window.setWindowFlags(flags);
    }
}

// A window goes where it was last seen, if it was, once, before it is first shown.
void QtView::place(FormWindow& window) const {
    const auto saved = preferences_.windowPositions.find(window.form().name());
    if (saved == preferences_.windowPositions.end()) return;
    std::vector<preferences::Rect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    // The window system tells a window's frame only once it is shown: until then, the frame of
    // a window shown already stands for it.
    QSize size = window.frameGeometry().size();
    for (const auto& [form, other] : windows_)
        if (size == window.size() && other != &window && other->isVisible())
            size += other->frameGeometry().size() - other->size();
    const preferences::Point at =
        preferences::OnScreen(saved->second, {size.width(), size.height()}, screens);
    window.move(at.x, at.y);
}

void QtView::remember(const FormWindow& window) {
    if (!window.isVisible()) return;
    const QPoint at = window.pos();
    preferences_.windowPositions[window.form().name()] = {at.x(), at.y()};
}

void QtView::showMenu(FormWindow& window, const QPoint& at) {
    QMenu menu(&window);
    menu_.fill(menu);
    menu.exec(at);
}

void QtView::changed() const {
    if (onPreferencesChanged) onPreferencesChanged();
}

void QtView::makeWidget(FormWindow& window, const Control& control) {
    const KindBehaviour& kind = BehaviourOf(control.kind());
    QWidget* widget = kind.create(*containerOf(window, control), control.design(), window.scale());
    widget->setObjectName(ToQString(control.name()));
    paint(*widget, control);
    widgets_[&control] = widget;
    MirrorAll(*widget, control, window.scale());
    kind.connect(*widget, ControlLink(*this, window, control.name()));
    widget->setFocusPolicy(TraitsOf(control.kind()).takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    if (TraitsOf(control.kind()).takesFocus)
        widget->installEventFilter(
            new FocusReporter(*widget, ControlLink(*this, window, control.name())));
    if (!control.design().wheelBar.empty()) {
        const ControlLink link(*this, window, control.name());
        widget->installEventFilter(new WheelNotches(widget, [link](Toward toward) {
            link.act([toward](Control& c) { return Wheel(c, toward); });
        }));
    }
}

// An element of a control array has a widget only while it is shown: a table of 100 rows of 16
// columns would otherwise hold 1600 widgets (some 9 MB) for the screenful a person sees, the
// window showing the rows in view and hiding the others.
void QtView::elementShownOrHidden(FormWindow& window, Control& control) {
    if (control.visible()) {
        if (widgetOf(control) != nullptr) return;
        makeWidget(window, control);
    } else {
        auto it = widgets_.find(&control);
        if (it == widgets_.end()) return;
        QWidget* widget = it->second;
        widgets_.erase(it);
        widget->hide();
        // Never at once: the element may be the one whose key or click is being handled.
        widget->deleteLater();
    }
    RedescribeAfterChange(control, Property::Visible, lookup());
    ChainFocusInReadingOrder(control.form(), lookup());
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

void QtView::act(FormWindow* window, const std::string& name,
                 const std::function<bool(Control&)>& action) {
    if (!isCurrent(window)) return;
    Form& form = window->form();
    Control* control = form.find(name);
    if (control == nullptr) return;
    const bool taken = action(*control);
    // The action may have unloaded the form (its controls are then gone) or ended everything.
    if (isCurrent(window)) {
        if (Control* still = form.find(name)) {
            // The widget may have moved on its own (an option checks itself): it shows the model
            // again, and so do the ones beside it that move with it.
            const bool exclusive = BehaviourOf(still->kind()).exclusive;
            for (const auto& other : form.controls()) {
                const bool mirrored =
                    other.get() == still || (exclusive && other->kind() == still->kind() &&
                                             other->container() == still->container());
                if (mirrored)
                    if (QWidget* widget = widgetOf(*other))
                        MirrorAll(*widget, *other, window->scale());
            }
        }
    }
    if (onUserAction) onUserAction(taken);
}

void ControlLink::act(const std::function<bool(Control&)>& action) const {
    view_->act(window_, control_, action);
}

const Control* ControlLink::current() const {
    return view_->isCurrent(window_) ? window_->form().find(control_) : nullptr;
}

// A user action like any other: the focus leaving a box runs its window's handlers.
void ControlLink::tookFocus() const {
    act([](Control& control) { return Focus(control); });
}

void ControlLink::mirror() const {
    if (const Control* control = current())
        if (QWidget* widget = view_->widgetOf(*control))
            MirrorAll(*widget, *control, window_->scale());
}

void ControlLink::addWindowEntries(QMenu& menu) const { view_->menu_.fill(menu); }

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
    if (!window->placed) {
        window->placed = true;
        place(*window);
    }
    window->show();
    window->activateWindow();
}

void QtView::formCaptionChanged(Form& form) {
    if (FormWindow* window = windowOf(form)) window->setWindowTitle(ToQString(form.caption()));
}

void QtView::formResized(Form& form) {
    if (FormWindow* window = windowOf(form))
        window->setFixedSize(ToPixels(form.width(), window->scale()),
                             ToPixels(form.design().height, window->scale()));
}

void QtView::propertyChanged(Control& control, Property property) {
    FormWindow* window = windowOf(control.form());
    if (window != nullptr && control.index() > 0 && property == Property::Visible) {
        elementShownOrHidden(*window, control);
        return;
    }
    QWidget* widget = widgetOf(control);
    if (widget == nullptr || window == nullptr) return;
    if (property == Property::ForeColour || property == Property::Stale) paint(*widget, control);
    MirrorProperty(*widget, control, property, window->scale());
    RedescribeAfterChange(control, property, lookup());
    if (property == Property::Visible || property == Property::Left || property == Property::Top)
        ChainFocusInReadingOrder(control.form(), lookup());
}

void QtView::focusMoved(Control& control) {
    if (QWidget* widget = widgetOf(control)) widget->setFocus(Qt::OtherFocusReason);
}

// The windows have written their texts in the new language; what the view derives from them
// alone follows: a stale value's ", pas à jour" is said in that language too.
void QtView::languageChanged() {
    menu_.retranslate();
    for (Form* form : runtime_.Forms())
        if (windowOf(*form) != nullptr) DescribeForScreenReaders(*form, lookup());
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
    remember(*window);
    for (const auto& control : form.controls()) widgets_.erase(control.get());
    windows_.erase(&form);
    retire(*window);
    // At the end every window goes this way, and the end itself tells once for all.
    if (!runtime_.ended()) changed();
}

void QtView::applicationEnded() {
    for (auto& [form, window] : windows_) {
        remember(*window);
        retire(*window);
    }
    changed();
    windows_.clear();
    widgets_.clear();
    // exit() rather than quit(): quit() would first ask every window to close.
    QCoreApplication::exit(0);
}

}  // namespace ventrose::platform::qt
