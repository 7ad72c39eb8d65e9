// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widgets.h"

#include <algorithm>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace ventrose::platform::qt {

namespace {

// The style's own indicators are a ring or a square in the window's colour darkened, with a
// translucent dot or tick: on the night palettes' dark grounds the outline vanishes (1.2:1) and
// the state is a faint grey mark. Drawn in the control's text colour, which reads at 4.5:1 or
// more on its ground in every night palette, the outline and the mark meet the 3:1 that WCAG 2.1
// asks of what shows a control and its state; in Jour they are the designs' black.
class IndicatorStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_IndicatorRadioButton && element != PE_IndicatorCheckBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QColor ink = option->palette.color(QPalette::WindowText);
        const QRectF outline = QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5);
        const bool on = (option->state & State_On) != 0;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(ink, 1));
        painter->setBrush(option->palette.color(QPalette::Base));
        if (element == PE_IndicatorRadioButton) {
            painter->drawEllipse(outline);
            if (on) {
                const qreal inset = outline.width() * 0.28;
                painter->setPen(Qt::NoPen);
                painter->setBrush(ink);
                painter->drawEllipse(outline.adjusted(inset, inset, -inset, -inset));
            }
        } else {
            painter->drawRect(outline);
            if (on) {
                const qreal w = outline.width(), h = outline.height();
                const QPointF tick[] = {outline.topLeft() + QPointF(w * 0.2, h * 0.5),
                                        outline.topLeft() + QPointF(w * 0.42, h * 0.75),
                                        outline.topLeft() + QPointF(w * 0.8, h * 0.25)};
                painter->setPen(
                    QPen(ink, std::max(1.5, w / 6), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                painter->drawPolyline(tick, 3);
            }
        }
        painter->restore();
    }
};

// One for every option and check box, the application's child.
QStyle* indicatorStyle() {
    static QPointer<IndicatorStyle> style;
    if (style.isNull()) {
        style = new IndicatorStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style.data();
}

}  // namespace

void ClickTracker::press(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

bool ClickTracker::release(QMouseEvent* event, const QRect& area) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && area.contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    return click;
}

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void ClickableLabel::setPicture(const QString& resourcePath) {
    picture_ = resourcePath.isEmpty() ? QPixmap() : QPixmap(resourcePath);
    showPicture();
}

void ClickableLabel::setRedOnly(bool redOnly) {
    if (redOnly == redOnly_) return;
    redOnly_ = redOnly;
    showPicture();
}

void ClickableLabel::showPicture() {
    if (picture_.isNull()) {
        clear();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled = picture_.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (redOnly_) {
        // Each pixel's relative luminance as red: eyes adapted to the dark meet no other hue.
        QImage image = scaled.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = line[x];
                const int lightness =
                    (2126 * qRed(pixel) + 7152 * qGreen(pixel) + 722 * qBlue(pixel)) / 10000;
                line[x] = qRgba(lightness, 0, 0, qAlpha(pixel));
            }
        }
        scaled = QPixmap::fromImage(image);
    }
    scaled.setDevicePixelRatio(ratio);
    setPixmap(scaled);
}

void ClickableLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (!picture_.isNull()) showPicture();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) { tracker_.press(event); }

// Nothing here touches the label after the callback: a click may unload its window.
void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (tracker_.release(event, rect()) && onClick) onClick();
}

OptionWidget::OptionWidget(QWidget* parent) : QRadioButton(parent) {
    setAutoExclusive(true);
    setStyle(indicatorStyle());
}

bool OptionWidget::hitButton(const QPoint& pos) const { return rect().contains(pos); }

CheckWidget::CheckWidget(QWidget* parent) : QCheckBox(parent) { setStyle(indicatorStyle()); }

bool CheckWidget::hitButton(const QPoint& pos) const { return rect().contains(pos); }

FrameWidget::FrameWidget(QWidget* parent) : QGroupBox(parent) {}

void FrameWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect box = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    if (title().isEmpty()) return;
    const int margin = metrics.averageCharWidth();
    const QString text = metrics.elidedText(title(), Qt::ElideRight, width() - 4 * margin);
    const QRect area(2 * margin, 0, metrics.horizontalAdvance(text) + margin, metrics.height());
    painter.fillRect(area, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignCenter, text);
}

void FrameWidget::mousePressEvent(QMouseEvent* event) { tracker_.press(event); }

void FrameWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (tracker_.release(event, rect()) && onClick) onClick();
}

}  // namespace ventrose::platform::qt
