// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/on_screen.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace ventrose::preferences {
namespace {

// Available areas: a 1920x1080 primary with a 40-pixel task bar at the bottom, a second monitor
// to its right, one to its left (negative x), and one above (negative y).
const Rect kPrimary{0, 0, 1920, 1040};
const Rect kRight{1920, 0, 1280, 1024};
const Rect kLeft{-1680, 0, 1680, 1050};
const Rect kAbove{0, -1200, 1920, 1200};
const Size kWindow{895, 540};

TEST(OnScreen, KeepsOrBringsBackTheWindow) {
    const struct {
        const char* what;
        Point saved;
        Size window;
        std::vector<Rect> screens;
        Point expected;
    } rows[] = {
        {"on the primary screen", {100, 100}, kWindow, {kPrimary}, {100, 100}},
        {"on the second monitor, still there", {2000, 50}, kWindow, {kPrimary, kRight}, {2000, 50}},
        {"second monitor to the right unplugged: to the primary's right edge",
         {2000, 50},
         kWindow,
         {kPrimary},
         {1920 - 895, 50}},
        {"far right of an unplugged monitor, low down: into the primary's corner",
         {3000, 900},
         kWindow,
         {kPrimary},
         {1920 - 895, 1040 - 540}},
        {"negative coordinates on a left monitor that still exists",
         {-1500, 200},
         kWindow,
         {kLeft, kPrimary},
         {-1500, 200}},
        {"left monitor gone", {-1500, 200}, kWindow, {kPrimary}, {0, 200}},
        {"on a monitor above the primary", {300, -800}, kWindow, {kPrimary, kAbove}, {300, -800}},
        {"title bar straddling two monitors", {1870, 10}, kWindow, {kPrimary, kRight}, {1870, 10}},
        {"half of the strip still on screen at the right",
         {1870, 10},
         kWindow,
         {kPrimary},
         {1870, 10}},
        {"less than half of the strip on screen at the right",
         {1871, 10},
         kWindow,
         {kPrimary},
         {1920 - 895, 10}},
        {"title bar half above the top", {100, -10}, kWindow, {kPrimary}, {100, -10}},
        {"title bar mostly above the top", {100, -11}, kWindow, {kPrimary}, {100, 0}},
        {"title bar mostly behind the task bar",
         {100, 1031},
         kWindow,
         {kPrimary},
         {100, 1040 - 540}},
        {"the rest of the window hanging off the bottom is left alone",
         {100, 900},
         kWindow,
         {kPrimary},
         {100, 900}},
        {"window larger than the screen, title bar visible",
         {-50, 0},
         {2500, 1400},
         {kPrimary},
         {-50, 0}},
        {"window larger than the screen, lost: top-left corner on the screen",
         {5000, 5000},
         {2500, 1400},
         {kPrimary},
         {0, 0}},
        {"window wider only: fits down, starts at the left edge",
         {5000, 300},
         {2500, 500},
         {kPrimary},
         {0, 300}},
        {"a window smaller than the strip counts whole",
         {1880, 10},
         {60, 15},
         {kPrimary},
         {1880, 10}},
        {"zero screens: as it was", {99999, -99999}, kWindow, {}, {99999, -99999}},
        {"only empty screens: as it was", {5000, 5000}, kWindow, {{0, 0, 0, 0}}, {5000, 5000}},
        {"nearest of two screens", {-2000, 100}, kWindow, {kPrimary, kRight, kLeft}, {-1680, 100}},
        {"mirrored screens count once",
         {1900, 10},
         kWindow,
         {kPrimary, kPrimary},
         {1920 - 895, 10}},
        {"extreme coordinates do not overflow",
         {INT_MAX, INT_MIN},
         {INT_MAX, INT_MAX},
         {kPrimary},
         {0, 0}},
        {"an empty window size counts as a point", {10, 10}, {0, -5}, {kPrimary}, {10, 10}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(OnScreen(row.saved, row.window, row.screens), row.expected) << row.what;
}

}  // namespace
}  // namespace ventrose::preferences
