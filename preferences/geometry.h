// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ventrose::preferences {

// Screen pixels, as the window system counts them: y grows downwards, and a screen left of or
// above the primary one has negative coordinates.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace ventrose::preferences
