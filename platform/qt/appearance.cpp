// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/appearance.h"

#include <QWidget>

namespace ventrose::platform::qt {

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text) { return text.toStdString(); }

QString ShownText(std::string_view caption) {
    QString text = ToQString(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QColor ToQColor(Colour colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

QFont FontFor(const Font& font) {
    // Faces every Debian desktop has (fonts-dejavu-core); at 96 dpi every caption of the designs
    // fits its control in them.
    QFont qfont(font.serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    qfont.setStyleHint(font.serif ? QFont::Serif : QFont::SansSerif);
    qfont.setPointSizeF(font.pointSize);
    qfont.setBold(font.bold);
    return qfont;
}

void ApplyColours(QWidget& widget, Colour back, Colour fore, bool fill) {
    if (back == kDefaultColour && fore == kDefaultColour) return;
    QPalette palette = widget.palette();
    if (back != kDefaultColour) {
        palette.setColor(widget.backgroundRole(), ToQColor(back));
        // Frames and forms draw their own face in Window; option buttons fill with Button.
        palette.setColor(QPalette::Window, ToQColor(back));
        if (fill) widget.setAutoFillBackground(true);
    }
    if (fore != kDefaultColour) {
        palette.setColor(widget.foregroundRole(), ToQColor(fore));
        palette.setColor(QPalette::WindowText, ToQColor(fore));
        palette.setColor(QPalette::ButtonText, ToQColor(fore));
    }
    widget.setPalette(palette);
}

}  // namespace ventrose::platform::qt
