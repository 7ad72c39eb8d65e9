// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessible_names.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <string>
#include <tuple>

#include "common/tr.h"
#include "platform/control.h"
#include "platform/control_kinds.h"
#include "platform/form.h"

namespace ventrose::platform {

namespace {

// How far a caption may stand from its control and still be beside it: two pixels of overlap
// allowed, thirty pixels of gap (a caption across a column is not the control's).
constexpr int kOverlapTwips = 30;
constexpr int kBesideTwips = 450;

bool hasLetter(const std::string& text) {
    // Any byte of a multibyte UTF-8 sequence is a letter of some script (é, °...): good enough.
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return std::isalpha(byte) != 0 || byte >= 0x80;
    });
}

bool isPlaceholder(const ControlDesign& design) {
    return design.caption == design.name || !hasLetter(design.caption);
}

bool overlaps(int aStart, int aEnd, int bStart, int bEnd) { return aStart < bEnd && bStart < aEnd; }

// The caption label beside the control, in the same container; one shown or hidden with the
// control is preferred to one that is not (windows stack alternative captions in one place).
// An element of a control array is placed as the design places its column's first row, wherever
// the window has moved it.
const Control* captionBeside(const Control& control) {
    if (!control.design().labelledBy.empty())
        return control.form().find(control.design().labelledBy);
    const Control* best = nullptr;
    std::tuple<bool, int, int> bestScore{true, std::numeric_limits<int>::max(), 0};
    const bool element = control.index() > 0;
    const int left = element ? control.design().left : control.left();
    const int top = element ? control.design().top : control.top();
    const int right = left + control.width(), bottom = top + control.height();
    for (const auto& candidate : control.form().controls()) {
        const Control& c = *candidate;
        if (&c == &control || !IsCaptionLabel(c) || c.container() != control.container()) continue;
        if (Spoken(c.caption()).empty()) continue;
        const int cRight = c.left() + c.width(), cBottom = c.top() + c.height();
        int row = -1, gap = 0;
        if (overlaps(c.top(), cBottom, top, bottom) && cRight <= left + kOverlapTwips) {
            row = 0;
            gap = left - cRight;
        } else if (overlaps(c.left(), cRight, left, right) && cBottom <= top + kOverlapTwips) {
            row = 1;
            gap = top - cBottom;
        }
        if (row < 0 || gap > kBesideTwips) continue;
        const std::tuple<bool, int, int> score{c.visible() != control.visible(), row, gap};
        if (best == nullptr || score < bestScore) {
            best = &c;
            bestScore = score;
        }
    }
    return best;
}

std::string frameCaption(const Control& control) {
    const Control* inner = &control;
    for (int depth = 0; depth < 64 && !inner->container().empty(); ++depth) {
        const Control* frame = inner->form().find(inner->container());
        if (frame == nullptr) break;
        if (std::string spoken = Spoken(frame->caption()); !spoken.empty()) return spoken;
        inner = frame;
    }
    return Spoken(control.form().caption());
}

}  // namespace

std::string Spoken(const std::string& caption) {
    std::string spoken;
    bool blank = false;
    for (char c : caption) {
        if (c == ' ' || c == '\r' || c == '\n' || c == '\t') {
            blank = true;
            continue;
        }
        if (blank && !spoken.empty()) spoken += ' ';
        blank = false;
        spoken += c;
    }
    return spoken;
}

bool IsCaptionLabel(const Control& control) {
    return control.kind() == ControlKind::Label && !isPlaceholder(control.design());
}

bool IsValueLabel(const Control& control) {
    return control.kind() == ControlKind::Label && isPlaceholder(control.design()) &&
           !control.design().wordWrap;
}

bool NamesAnother(const Control& label) {
    for (const auto& control : label.form().controls())
        if (control->design().labelledBy == label.name()) return true;
    return false;
}

std::string AccessibleNameOf(const Control& control) {
    switch (TraitsOf(control.kind()).namedBy) {
        case NamedBy::Nothing: return {};
        case NamedBy::Caption:
            // A value label is named after its place, never after its own text, which is its
            // description: so a new value changes only the description.
            if (!IsValueLabel(control)) return Spoken(control.caption());
            break;
        case NamedBy::Place: break;
    }
    const Control* beside = captionBeside(control);
    std::string name = beside != nullptr ? Spoken(beside->caption()) : frameCaption(control);
    // The rows of a table are told apart by their number after their column's caption ("Rm 5").
    if (control.index() > 0) name += (name.empty() ? "" : " ") + std::to_string(control.index());
    return name;
}

std::string AccessibleDescriptionOf(const Control& control) {
    // A result's note says in full what its short text stands for («X» in a narrow column).
    if (!IsValueLabel(control) || !control.toolTipText().empty()) return control.toolTipText();
    const std::string value = Spoken(control.caption());
    // Said after the value, which it qualifies, in the windows' language.
    if (!control.stale() || value.empty()) return value;
    return common::Arg(common::Tr("Accessibility", "%1, pas à jour"), {value});
}

}  // namespace ventrose::platform
