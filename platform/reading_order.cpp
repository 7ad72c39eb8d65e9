// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/reading_order.h"

#include <algorithm>

#include "platform/control.h"
#include "platform/form.h"

namespace ventrose::platform {

TwipRect PlaceInWindow(const Control& control) {
    TwipRect rect{control.left(), control.top(), control.width(), control.height()};
    // Frames never hold themselves; the bound only guards against a malformed design.
    const Control* inner = &control;
    for (int depth = 0; depth < 64 && !inner->container().empty(); ++depth) {
        const Control* frame = inner->form().find(inner->container());
        if (frame == nullptr) break;
        rect.left += frame->left();
        rect.top += frame->top();
        inner = frame;
    }
    return rect;
}

std::vector<const Control*> InReadingOrder(std::vector<const Control*> controls) {
    struct Placed {
        const Control* control;
        TwipRect rect;
        int row = 0;
    };
    std::vector<Placed> placed;
    placed.reserve(controls.size());
    for (const Control* control : controls) placed.push_back({control, PlaceInWindow(*control)});
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return a.rect.top < b.rect.top; });
    int row = 0;
    int rowMiddle = 0;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (i == 0 || placed[i].rect.top >= rowMiddle) {
            row = static_cast<int>(i);
            rowMiddle = placed[i].rect.top + placed[i].rect.height / 2;
        }
        placed[i].row = row;
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.row != b.row ? a.row < b.row : a.rect.left < b.rect.left;
    });
    std::vector<const Control*> ordered;
    ordered.reserve(placed.size());
    for (const Placed& p : placed) ordered.push_back(p.control);
    return ordered;
}

}  // namespace ventrose::platform
