// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/print_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QString>

namespace ventrose::documents {

namespace {

QFont FontFor(const common::PrintText& text, double pointSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(text.bold);
    return font;
}

Qt::Alignment AlignmentOf(common::PrintText::Align align) {
    switch (align) {
        case common::PrintText::Align::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
        case common::PrintText::Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case common::PrintText::Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void PaintText(QPainter& painter, const common::PrintText& text, double unitsPerMm) {
    const QRectF box(text.x * unitsPerMm, text.y * unitsPerMm, text.width * unitsPerMm,
                     text.height * unitsPerMm);
    QString shown = QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size()));
    const double size = text.pointSize > 0 ? text.pointSize : 9;
    QFont font = FontFor(text, size);
    QFontMetricsF metrics(font, painter.device());
    const double wide = metrics.horizontalAdvance(shown);
    if (wide > box.width() && wide > 0) {
        // A little under the exact ratio: glyph widths do not scale exactly with the size.
        font = FontFor(text, std::max(size / 2, 0.95 * size * box.width() / wide));
        metrics = QFontMetricsF(font, painter.device());
        shown = metrics.elidedText(shown, Qt::ElideRight, box.width());
    }
    painter.setFont(font);
    painter.drawText(box, static_cast<int>(AlignmentOf(text.align) | Qt::TextSingleLine), shown);
}

}  // namespace

void SetUpPage(const common::PrintJob& job, QPagedPaintDevice& device) {
    const QPageSize size(job.pageSize == common::PrintJob::PageSize::A4 ? QPageSize::A4
                                                                        : QPageSize::A5);
    device.setPageLayout(QPageLayout(size,
                                     job.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

bool PaintJob(const common::PrintJob& job, QPagedPaintDevice& device, QPainter& painter) {
    const double unitsPerMm = device.logicalDpiX() / 25.4;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    bool first = true;
    for (const common::PrintPage& page : job.pages) {
        if (!first && !device.newPage()) return false;
        first = false;
        for (const common::PrintStroke& stroke : page.strokes) {
            QPen pen(Qt::black);
            pen.setWidthF(stroke.widthMm * unitsPerMm);
            pen.setCapStyle(Qt::SquareCap);
            painter.setPen(pen);
            painter.drawLine(QLineF(stroke.x1 * unitsPerMm, stroke.y1 * unitsPerMm,
                                    stroke.x2 * unitsPerMm, stroke.y2 * unitsPerMm));
        }
        painter.setPen(Qt::black);
        for (const common::PrintText& text : page.texts) PaintText(painter, text, unitsPerMm);
    }
    return true;
}

}  // namespace ventrose::documents
