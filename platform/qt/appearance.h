// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string>
#include <string_view>

#include "platform/design.h"
#include "preferences/palette.h"

class QWidget;

namespace ventrose::platform::qt {

QString ToQString(std::string_view utf8);
std::string ToUtf8(const QString& text);

// common::Tr as a QString: a French text of the view's own in the current language (lupdate
// reads QTr("context", "texte") as a text to translate).
QString QTr(const char* context, const char* french);

// A caption as a widget shows it: a CR LF pair is one line break.
QString ShownText(std::string_view caption);

QColor ToQColor(Colour colour);

// The design's font on the fonts every Debian desktop has; 8 points is the small user-interface
// font of the designs.
QFont FontFor(const Font& font);

// What a widget's background colour is: how it is drawn, and what it is to the palettes.
enum class Ground {
    Filled,  // the widget fills its whole area with it (labels, options, frames, windows)
    Field,   // the style draws a field with it (a line edit's base)
    Face,    // the style draws a push button's face with it
};

// Paints the widget's background and text in the design's colours as `palette` shows them,
// leaving where the design keeps the default the colour the widget inherits (its container's,
// or the application palette's, which ShowApplicationIn sets for the palette). The colours go to
// the roles the widget itself paints with (a button's face, a line edit's base). Each call
// replaces what an earlier one set, so that a widget can be shown again in another palette.
void ApplyColours(QWidget& widget, Colour back, Colour fore, preferences::Palette palette,
                  Ground ground = Ground::Filled);

// The colour to draw a design's line or shape in, in `palette`; a line the design leaves in the
// default colour is black in the designs' own colours.
QColor StrokeColour(Colour design, preferences::Palette palette);

}  // namespace ventrose::platform::qt
