// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/appearance.h"

#include <QWidget>

#include "common/tr.h"
#include "preferences/recolour.h"

namespace ventrose::platform::qt {

// The preferences core names the design's default colour again; both must be the same value.
static_assert(kDefaultColour == preferences::kDefaultColour);

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text) { return text.toStdString(); }

QString QTr(const char* context, const char* french) {
    return ToQString(common::Tr(context, french));
}

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

void ApplyColours(QWidget& widget, Colour back, Colour fore, preferences::Palette palette,
                  Ground ground) {
    using preferences::Recolour;
    using preferences::Role;
    // A default colour stays inherited in every palette: what the widget stands on, or the
    // application palette, is recoloured already.
    const Role backRole = ground == Ground::Face ? Role::ControlFace : Role::Background;
    const Colour shownBack = back == kDefaultColour ? back : Recolour(palette, back, backRole);
    const Colour shownFore = fore == kDefaultColour ? fore : Recolour(palette, fore, Role::Text);
    // An empty palette sets no role: every role the design leaves is inherited again.
    QPalette colours;
    if (shownBack != kDefaultColour) {
        colours.setColor(widget.backgroundRole(), ToQColor(shownBack));
        // Frames and forms draw their own face in Window; option buttons fill with Button.
        colours.setColor(QPalette::Window, ToQColor(shownBack));
    }
    if (shownFore != kDefaultColour) {
        colours.setColor(widget.foregroundRole(), ToQColor(shownFore));
        colours.setColor(QPalette::WindowText, ToQColor(shownFore));
        colours.setColor(QPalette::ButtonText, ToQColor(shownFore));
    }
    widget.setPalette(colours);
    widget.setAutoFillBackground(ground == Ground::Filled && shownBack != kDefaultColour);
}

QColor StrokeColour(Colour design, preferences::Palette palette) {
    const Colour shown = preferences::Recolour(palette, design, preferences::Role::Stroke);
    return ToQColor(shown == kDefaultColour ? 0x000000 : shown);
}

}  // namespace ventrose::platform::qt
