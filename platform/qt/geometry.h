// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

namespace ventrose::platform::qt {

// Designs are in twips: kPx (platform/design.h) per pixel at 96 dpi. `scale` is the screen's
// logical dpi over 96, so that a window keeps its proportions to the text on a screen set to
// larger fonts.
int ToPixels(int twips, double scale);
// Edges are rounded one by one, so that controls that touch in the design still touch.
QRect ToPixelRect(int left, int top, int width, int height, double scale);
// The logical dpi of the screen the widget is on (or of the primary screen) over 96.
double DpiScale(const QWidget* widget = nullptr);

}  // namespace ventrose::platform::qt
