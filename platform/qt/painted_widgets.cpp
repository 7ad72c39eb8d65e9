// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/painted_widgets.h"

#include <QPainter>
#include <algorithm>

namespace ventrose::platform::qt {

LineWidget::LineWidget(QWidget* parent, int penWidth)
    : QWidget(parent), colour_(Qt::black), penWidth_(std::max(1, penWidth)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setColour(const QColor& colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void LineWidget::setLine(const QLine& line) {
    line_ = line;
    const int margin = penWidth_;
    const QRect box =
        QRect(line.p1(), line.p2()).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, penWidth_));
    painter.drawLine(line_.translated(-pos()));
}

ShapeWidget::ShapeWidget(QWidget* parent, int penWidth)
    : QWidget(parent), colour_(Qt::black), penWidth_(std::max(1, penWidth)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setColour(const QColor& colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(colour_, penWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal inset = penWidth_ / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace ventrose::platform::qt
