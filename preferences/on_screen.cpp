// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/on_screen.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ventrose::preferences {

namespace {

constexpr std::int64_t kStripWidth = 100;
constexpr std::int64_t kStripHeight = 20;

// 64-bit edges: a corrupt position or an odd screen must not overflow the arithmetic.
struct Box {
    std::int64_t left, top, right, bottom;  // right and bottom excluded
};

Box ToBox(const Rect& r) {
    return {r.x, r.y, std::int64_t{r.x} + std::max(r.width, 0),
            std::int64_t{r.y} + std::max(r.height, 0)};
}

// Screens may overlap (a mirrored projector), so the strip's visible area is counted row by row
// as the union of the screens' spans, never twice.
std::int64_t VisibleArea(const Box& strip, const std::vector<Box>& screens) {
    std::int64_t area = 0;
    for (std::int64_t y = strip.top; y < strip.bottom; ++y) {
        std::vector<std::pair<std::int64_t, std::int64_t>> spans;
        for (const Box& s : screens) {
            if (y < s.top || y >= s.bottom) continue;
            const std::int64_t left = std::max(s.left, strip.left);
            const std::int64_t right = std::min(s.right, strip.right);
            if (left < right) spans.emplace_back(left, right);
        }
        std::sort(spans.begin(), spans.end());
        std::int64_t covered = strip.left;
        for (const auto& [left, right] : spans) {
            area += std::max<std::int64_t>(0, right - std::max(left, covered));
            covered = std::max(covered, right);
        }
    }
    return area;
}

std::int64_t Gap(std::int64_t a0, std::int64_t a1, std::int64_t b0, std::int64_t b1) {
    if (a1 <= b0) return b0 - a1;
    if (b1 <= a0) return a0 - b1;
    return 0;
}

// Squared distance between two boxes (0 when they touch or overlap); in double, since a gap
// across the whole int range squared does not fit 64 bits.
double DistanceSquared(const Box& a, const Box& b) {
    const double dx = static_cast<double>(Gap(a.left, a.right, b.left, b.right));
    const double dy = static_cast<double>(Gap(a.top, a.bottom, b.top, b.bottom));
    return dx * dx + dy * dy;
}

// Along one axis: as little a move as lets the window fit, else its near edge on the screen's.
std::int64_t Fit(std::int64_t position, std::int64_t length, std::int64_t start, std::int64_t end) {
    if (length > end - start) return start;
    return std::clamp(position, start, end - length);
}

int ToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

Point OnScreen(Point saved, Size window, const std::vector<Rect>& screens) {
    std::vector<Box> boxes;
    for (const Rect& r : screens) {
        if (r.width > 0 && r.height > 0) boxes.push_back(ToBox(r));
    }
    if (boxes.empty()) return saved;

    const std::int64_t width = std::max(window.width, 1);
    const std::int64_t height = std::max(window.height, 1);
    const Box strip{saved.x, saved.y, saved.x + std::min(width, kStripWidth),
                    saved.y + std::min(height, kStripHeight)};
    const std::int64_t stripArea = (strip.right - strip.left) * (strip.bottom - strip.top);
    if (2 * VisibleArea(strip, boxes) >= stripArea) return saved;

    const Box* nearest = &boxes.front();
    for (const Box& b : boxes) {
        if (DistanceSquared(strip, b) < DistanceSquared(strip, *nearest)) nearest = &b;
    }
    return {ToInt(Fit(saved.x, width, nearest->left, nearest->right)),
            ToInt(Fit(saved.y, height, nearest->top, nearest->bottom))};
}

}  // namespace ventrose::preferences
