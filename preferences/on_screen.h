// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "preferences/geometry.h"

namespace ventrose::preferences {

// Where to open a window last seen at `saved` (its frame's top-left corner), given the available
// area of each screen now attached (without task bars and docks).
//
// A window stays where it was as long as a person can still take it by its title bar: at least
// half of the strip along its top-left edge, 100 by 20 pixels (the whole window if smaller), lies
// on some screen. Otherwise (a monitor unplugged, a smaller resolution) it goes to the screen
// nearest that strip, moved as little as possible so that it fits whole; a window larger than
// the screen in one direction gets its left or top edge on the screen's. With no screen known
// the saved position is returned as it was.
Point OnScreen(Point saved, Size window, const std::vector<Rect>& screens);

}  // namespace ventrose::preferences
