// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the application icon at one size: a wind triangle (heading, wind, track) over a compass
// rose, the figures of org.ventrose.Ventrose.svg painted with QPainter, so that the PNGs need no
// SVG renderer. Raster painting on a QImage needs no application object.
// Usage: draw_icon SIZE FILE.png

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPolygonF>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace {

constexpr double kUnits = 256.0;  // the SVG's view box

void fill(QPainter& painter, std::initializer_list<QPointF> points, const char* colour) {
    painter.setBrush(QColor(colour));
    painter.drawPolygon(QPolygonF(points));
}

void stroke(QPainter& painter, QPointF from, QPointF to, const char* colour) {
    QPen pen{QColor(colour), 16.0};
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawLine(from, to);
}

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);

    painter.setPen(QPen(QColor("#0e2f5a"), 8.0));
    painter.setBrush(QColor("#1d4f91"));
    painter.drawEllipse(QPointF(128, 128), 116, 116);

    painter.setPen(Qt::NoPen);
    const QPointF centre(128, 128);
    fill(painter, {{128, 24}, {146, 110}, centre}, "#e8f0fb");
    fill(painter, {{128, 24}, {110, 110}, centre}, "#9db7dc");
    fill(painter, {{232, 128}, {146, 146}, centre}, "#e8f0fb");
    fill(painter, {{232, 128}, {146, 110}, centre}, "#9db7dc");
    fill(painter, {{128, 232}, {110, 146}, centre}, "#e8f0fb");
    fill(painter, {{128, 232}, {146, 146}, centre}, "#9db7dc");
    fill(painter, {{24, 128}, {110, 110}, centre}, "#e8f0fb");
    fill(painter, {{24, 128}, {110, 146}, centre}, "#9db7dc");

    painter.setBrush(Qt::NoBrush);
    const QPointF start(60, 176), heading(172, 64), track(204, 156);
    stroke(painter, start, track, "#5fd068");
    stroke(painter, start, heading, "#ffcc33");
    stroke(painter, heading, track, "#ff5a36");
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_icon SIZE FILE.png\n");
        return 2;
    }
    const int size = std::atoi(argv[1]);
    if (size < 8 || size > 1024) {
        std::fprintf(stderr, "draw_icon: a size from 8 to 1024 pixels\n");
        return 2;
    }
    if (!drawIcon(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "draw_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
