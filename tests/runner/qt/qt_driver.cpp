// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/qt/qt_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>
#include <stdexcept>

#include "platform/control.h"
#include "platform/form.h"
#include "platform/qt/appearance.h"
#include "platform/scroll_mapping.h"
#include "tests/runner/headless_driver.h"
#include "tests/runner/model_view.h"
#include "tests/runner/qt/widget_view.h"
#include "tests/runner/scenario.h"

namespace ventrose::scenario {

namespace pq = platform::qt;

namespace {

// The key a keyboard sends for a character code, and the text it produces.
std::pair<Qt::Key, QString> keyFor(int code) {
    if (code == 8) return {Qt::Key_Backspace, QStringLiteral("\b")};
    if (code == 13) return {Qt::Key_Return, QStringLiteral("\r")};
    if (code == 27) return {Qt::Key_Escape, QStringLiteral("\x1b")};
    const char32_t character = static_cast<char32_t>(code);
    const QString text = QString::fromUcs4(&character, 1);
    if (code >= 'a' && code <= 'z') return {static_cast<Qt::Key>(code - 'a' + 'A'), text};
    if (code > 32 && code < 127) return {static_cast<Qt::Key>(code), text};
    if (code == 32) return {Qt::Key_Space, text};
    // Other control codes and characters beyond ASCII: a key the keyboard layout gives only as
    // text.
    return {Qt::Key_unknown, text};
}

// A person types, pastes and selects in the box that has the focus: it is put there first, as a
// click or Tab would, so that the window learns of it as it would of theirs.
void focusOn(QWidget& w) {
    if (w.window()->focusWidget() != &w || !w.hasFocus()) w.setFocus(Qt::OtherFocusReason);
}

// A point of the window's own background, where no control takes the click.
QPoint freePoint(const QWidget& window) {
    const QRect area = window.rect();
    for (int y = area.top() + 2; y < area.bottom(); y += 4)
        for (int x = area.left() + 2; x < area.right(); x += 4)
            if (window.childAt(QPoint(x, y)) == nullptr) return QPoint(x, y);
    throw std::runtime_error("no free point on the window " + window.objectName().toStdString() +
                             " to click");
}

}  // namespace

QtDriver::QtDriver(platform::DocumentFiles* files)
    : documents_(files != nullptr ? *files : ownFiles_) {
    host_.setAnswerAtOnce(true);
    application_ = std::make_unique<app::Application>(host_, documents_, clock_);
    view_ = std::make_unique<pq::QtView>(application_->runtime());
    host_.setWindowOf([this](const std::string& name) -> QWidget* {
        const platform::Form* form = application_->runtime().form(name);
        return form != nullptr ? view_->windowOf(*form) : nullptr;
    });
    view_->onUserAction = [this](bool taken) {
        ++actions_;
        lastTaken_ = taken;
    };
}

QtDriver::~QtDriver() {
    view_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Between steps the events a person's step left behind (painting, deferred deletions) are
// handled, as a real event loop would before the next input.
void QtDriver::setModalPump(std::function<void(platform::Form&)> pump) {
    host_.setModalPump([pump = std::move(pump)](platform::Form& form) {
        QCoreApplication::processEvents();
        pump(form);
    });
}

pq::FormWindow& QtDriver::window(const std::string& form) {
    platform::Form& f = FindForm(*application_, form);
    if (!f.loaded()) throw std::runtime_error(form + " is not loaded");
    pq::FormWindow* w = view_->windowOf(f);
    if (w == nullptr) throw std::runtime_error(form + " has no window");
    return *w;
}

template <class WidgetType>
WidgetType& QtDriver::widget(const std::string& form, const std::string& control) {
    const platform::Control& c = FindControl(*application_, form, control);
    auto* w = qobject_cast<WidgetType*>(view_->widgetOf(c));
    if (w == nullptr)
        throw std::runtime_error(form + "." + control +
                                 " has no widget of the kind the step needs");
    return *w;
}

bool QtDriver::deliver(const std::string& form, const std::function<void()>& event,
                       bool mayDoNothing) {
    QCoreApplication::processEvents();
    const bool accepts = application_->runtime().acceptsInput(FindForm(*application_, form));
    const int before = actions_;
    event();
    if (actions_ != before) return lastTaken_;
    if (accepts && !mayDoNothing)
        throw std::logic_error("the step on " + form + " never reached the model");
    return false;
}

bool QtDriver::click(const std::string& form, const std::string& control) {
    if (control.empty()) {
        QWidget& w = window(form);
        const QPoint point = freePoint(w);
        return deliver(
            form, [&w, point] { QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, point); });
    }
    QWidget& w = widget<QWidget>(form, control);
    // A click in the box that has the focus already, its caret where the click puts it, leaves
    // the line edit nothing to report.
    const bool box = qobject_cast<QLineEdit*>(&w) != nullptr;
    const bool accepts = application_->runtime().acceptsInput(FindForm(*application_, form));
    const bool taken = deliver(
        form, [&w] { QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, w.rect().center()); },
        box);
    return taken || (box && accepts);
}

bool QtDriver::arrow(const std::string& form, const std::string& bar, platform::Toward toward) {
    QScrollBar& w = widget<QScrollBar>(form, bar);
    const auto action = toward == platform::Toward::Max ? QAbstractSlider::SliderSingleStepAdd
                                                        : QAbstractSlider::SliderSingleStepSub;
    return deliver(form, [&w, action] { w.triggerAction(action); });
}

bool QtDriver::page(const std::string& form, const std::string& bar, platform::Toward toward) {
    QScrollBar& w = widget<QScrollBar>(form, bar);
    const auto action = toward == platform::Toward::Max ? QAbstractSlider::SliderPageStepAdd
                                                        : QAbstractSlider::SliderPageStepSub;
    return deliver(form, [&w, action] { w.triggerAction(action); });
}

bool QtDriver::drag(const std::string& form, const std::string& bar, int value) {
    QScrollBar& w = widget<QScrollBar>(form, bar);
    const platform::Control& c = FindControl(*application_, form, bar);
    const int position = platform::PositionOf(value, c.min(), c.max());
    return deliver(form, [&w, position] {
        w.setSliderDown(true);
        w.setSliderPosition(position);
        w.setSliderDown(false);
    });
}

bool QtDriver::key(const std::string& form, const std::string& box, int code) {
    QLineEdit& w = widget<QLineEdit>(form, box);
    const auto [key, text] = keyFor(code);
    return deliver(form, [&w, key = key, text = text] {
        focusOn(w);
        QTest::sendKeyEvent(QTest::Click, &w, key, text, Qt::NoModifier);
    });
}

bool QtDriver::keyDown(const std::string& form, const std::string& box, int code, int shift) {
    QLineEdit& w = widget<QLineEdit>(form, box);
    Qt::Key key = Qt::Key_Tab;
    if (code == platform::kUpKey) key = Qt::Key_Up;
    if (code == platform::kDownKey) key = Qt::Key_Down;
    if (code == platform::kTabKey && shift != 0) key = Qt::Key_Backtab;
    const Qt::KeyboardModifiers modifiers = shift != 0 ? Qt::ShiftModifier : Qt::NoModifier;
    return deliver(form, [&w, key, modifiers] {
        focusOn(w);
        QTest::keyClick(&w, key, modifiers);
    });
}

bool QtDriver::paste(const std::string& form, const std::string& box, std::string_view text) {
    QLineEdit& w = widget<QLineEdit>(form, box);
    QGuiApplication::clipboard()->setText(pq::ToQString(text));
    return deliver(form, [&w] {
        focusOn(w);
        QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
    });
}

// Selecting all and deleting leaves the line edit nothing to report when it was empty already.
bool QtDriver::clear(const std::string& form, const std::string& box) {
    QLineEdit& w = widget<QLineEdit>(form, box);
    const bool accepts = application_->runtime().acceptsInput(FindForm(*application_, form));
    const bool taken = deliver(
        form,
        [&w] {
            focusOn(w);
            w.selectAll();
            QTest::keyClick(&w, Qt::Key_Delete);
        },
        true);
    return taken || (accepts && w.text().isEmpty());
}

bool QtDriver::deleteKey(const std::string& form, const std::string& box) {
    QLineEdit& w = widget<QLineEdit>(form, box);
    return deliver(form, [&w] {
        focusOn(w);
        QTest::keyClick(&w, Qt::Key_Delete);
    });
}

// As a person does it with the keyboard: Home, Right to the start, Shift+Right over the
// selection. A caret already in place leaves the line edit nothing to report.
bool QtDriver::select(const std::string& form, const std::string& box, int start, int length) {
    QLineEdit& w = widget<QLineEdit>(form, box);
    const bool accepts = application_->runtime().acceptsInput(FindForm(*application_, form));
    const bool taken = deliver(
        form,
        [&w, start, length] {
            focusOn(w);
            QTest::keyClick(&w, Qt::Key_Home);
            for (int i = 0; i < start; ++i) QTest::keyClick(&w, Qt::Key_Right);
            for (int i = 0; i < length; ++i) QTest::keyClick(&w, Qt::Key_Right, Qt::ShiftModifier);
        },
        true);
    return taken || accepts;
}

bool QtDriver::wheel(const std::string& form, const std::string& bar, platform::Toward toward) {
    // A row the wheel scrolled away from under the pointer: the next notch turns over the row
    // that took its place, which moves the same bar.
    const platform::Control& c = FindControl(*application_, form, bar);
    const bool gone = view_->widgetOf(c) == nullptr && !c.design().wheelBar.empty();
    QWidget& w = widget<QWidget>(form, gone ? c.design().wheelBar : bar);
    const QPoint angle(0, toward == platform::Toward::Min ? QWheelEvent::DefaultDeltasPerStep
                                                          : -QWheelEvent::DefaultDeltasPerStep);
    return deliver(form, [&w, angle] {
        const QPointF at = w.rect().center();
        QWheelEvent event(at, w.mapToGlobal(at), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&w, &event);
    });
}

bool QtDriver::close(const std::string& form) {
    QWidget& w = window(form);
    return deliver(form, [&w] { w.close(); });
}

// As a file manager delivers a file dragged onto the window: the drag enters at a point of the
// window's own background, then the file is dropped there. A window that refuses the drag never
// sees the drop, as a person sees the pointer refuse it. The window acts on the drop once the
// drop is over, from the event loop.
bool QtDriver::drop(const std::string& form, const std::string& path) {
    QWidget& w = window(form);
    const QPoint point = freePoint(w);
    // A window that takes no files never hands a drop to the model.
    const bool takes = FindForm(*application_, form).takesDroppedFiles();
    return deliver(
        form,
        [&w, point, &path] {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(pq::ToQString(path))});
            QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&w, &enter);
            if (!enter.isAccepted()) return;
            QDropEvent dropped(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton,
                               Qt::NoModifier);
            QCoreApplication::sendEvent(&w, &dropped);
            QCoreApplication::processEvents();
        },
        !takes);
}

// As a person presses the keys: through the window system to the window, whose focused widget
// gets them first, so that the window's QShortcut fires as it would for a real keyboard.
bool QtDriver::shortcut(const std::string& form, const std::string& keys) {
    RequireShortcut(FindForm(*application_, form), keys);
    QWidget& w = window(form);
    const QKeyCombination combination =
        QKeySequence(pq::ToQString(keys), QKeySequence::PortableText)[0];
    // A person types in the window in front; without a window manager (offscreen) none brings
    // the window back in front when a message box over it closes.
    if (application_->runtime().acceptsInput(FindForm(*application_, form)) &&
        QApplication::activeWindow() != &w) {
        w.activateWindow();
        QCoreApplication::processEvents();
    }
    return deliver(form, [&w, combination] {
        QTest::keyClick(w.windowHandle(), combination.key(), combination.keyboardModifiers());
    });
}

std::optional<std::string> QtDriver::read(const std::string& form, const std::string& control,
                                          const std::string& property) {
    QCoreApplication::processEvents();
    if (control.empty()) {
        if (property == "ActiveControl") {
            // The control whose widget has the window's focus.
            const QWidget* focus = window(form).focusWidget();
            for (const auto& c : FindForm(*application_, form).controls())
                if (focus != nullptr && view_->widgetOf(*c) == focus) return Quote(c->name());
            return Quote("");
        }
        if (property != "Caption") return std::nullopt;
        return Quote(pq::ToUtf8(window(form).windowTitle()));
    }
    const platform::Control& c = FindControl(*application_, form, control);
    const QWidget* w = view_->widgetOf(c);
    // A hidden row of a table has no widget: all a person can tell of it is that it is hidden.
    if (w == nullptr && c.index() > 0 && !c.visible() && property == "Visible") return "false";
    if (w == nullptr) throw std::runtime_error(form + "." + control + " has no widget");
    return ReadWidget(*w, c, property);
}

std::vector<std::string> QtDriver::dump(const std::string& form) {
    const pq::FormWindow& w = window(form);
    std::vector<std::string> lines;
    lines.push_back(form + ".Caption " + Quote(pq::ToUtf8(w.windowTitle())));
    for (const auto& control : w.form().controls()) {
        const QWidget* widget = view_->widgetOf(*control);
        for (const auto& property : PropertiesOf(*control)) {
            const auto value = widget ? ReadWidget(*widget, *control, property) : std::nullopt;
            lines.push_back(form + "." + control->name() + "." + property + " " +
                            value.value_or("(no widget)"));
        }
    }
    return lines;
}

}  // namespace ventrose::scenario
