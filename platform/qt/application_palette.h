// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>

#include "preferences/palette.h"

namespace ventrose::platform::qt {

// The colours of everything the designs do not colour themselves, as `palette` shows them:
// message boxes, menus, tooltips, the controls the designs leave in the toolkit's colours, and
// what the style draws around them (a scroll bar's trough and arrows, a frame's etched edge).
// Jour is an empty palette (every role the style's own); the night palettes set every role of
// every group.
QPalette ApplicationPalette(preferences::Palette palette);

// Makes ApplicationPalette(palette) the application's palette and the tooltips'. In Jour the
// style's palettes come back exactly as they were at start-up.
void ShowApplicationIn(preferences::Palette palette);

}  // namespace ventrose::platform::qt
