// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "common/tr.h"

namespace ventrose::common::detail {

// The shape of a typed number: an optional leading '-', digits and at most one decimal mark
// (the current language's: ',' in French, '.' in English), with at least one digit. Nothing else
// is let through, not even a '+', a space or the other language's mark.
inline bool IsNumberText(std::string_view text, char mark = DecimalMark()) {
    std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    bool digit = false;
    bool comma = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == mark && !comma) {
            comma = true;
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace ventrose::common::detail
