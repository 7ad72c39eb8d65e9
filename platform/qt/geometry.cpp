// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "platform/design.h"

namespace ventrose::platform::qt {

int ToPixels(int twips, double scale) { return static_cast<int>(std::lround(twips * scale / kPx)); }

QRect ToPixelRect(int left, int top, int width, int height, double scale) {
    const int x = ToPixels(left, scale);
    const int y = ToPixels(top, scale);
    return QRect(x, y, ToPixels(left + width, scale) - x, ToPixels(top + height, scale) - y);
}

double DpiScale(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return 1.0;
    const double dpi = screen->logicalDotsPerInch();
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

}  // namespace ventrose::platform::qt
