// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string>
#include <string_view>

#include "platform/design.h"

class QWidget;

namespace ventrose::platform::qt {

QString ToQString(std::string_view utf8);
std::string ToUtf8(const QString& text);

// A caption as a widget shows it: a CR LF pair is one line break.
QString ShownText(std::string_view caption);

QColor ToQColor(Colour colour);

// The design's font on the fonts every Debian desktop has; 8 points is the small user-interface
// font of the designs.
QFont FontFor(const Font& font);

// Paints the widget's background and text in the design's colours, leaving the style's own
// where the design keeps the default. The colours go to the roles the widget itself paints
// with (a button's face, a line edit's base); `fill` paints the whole area in the background
// colour (not for push buttons, whose face the style draws).
void ApplyColours(QWidget& widget, Colour back, Colour fore, bool fill = true);

}  // namespace ventrose::platform::qt
