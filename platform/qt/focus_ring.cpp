// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPen>

#include "platform/qt/appearance.h"

namespace ventrose::platform::qt {

FocusRing::FocusRing(QWidget& window) : QWidget(&window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window.rect());
    window.installEventFilter(this);
    QObject::connect(qApp, &QApplication::focusChanged, this,
                     [this](QWidget*, QWidget* now) { follow(now); });
    follow(window.focusWidget());
    raise();
    show();
}

void FocusRing::setColour(Colour colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void FocusRing::follow(QWidget* focused) {
    if (focused != nullptr && (focused == this || focused->window() != window())) focused = nullptr;
    if (focused == target_) return;
    if (target_ != nullptr) target_->removeEventFilter(this);
    target_ = focused;
    if (target_ != nullptr) target_->installEventFilter(this);
    raise();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Resize:
            if (watched == parent()) setGeometry(parentWidget()->rect());
            update();
            break;
        case QEvent::Move:
        case QEvent::Show:
        case QEvent::Hide: update(); break;
        default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    if (target_ == nullptr || !target_->isVisible() || !target_->hasFocus()) return;
    const QRect area(target_->mapTo(window(), QPoint(0, 0)) - mapTo(window(), QPoint(0, 0)),
                     target_->size());
    QPainter painter(this);
    // Two pixels wide, just outside the widget, so that it hides nothing of the control itself.
    const QColor colour = colour_ == kDefaultColour
                              ? palette().color(QPalette::Highlight).darker(130)
                              : ToQColor(colour_);
    QPen pen(colour, 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(area).adjusted(-1, -1, 1, 1));
}

}  // namespace ventrose::platform::qt
