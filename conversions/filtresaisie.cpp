// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions/filtresaisie.h"

#include "common/tr.h"

namespace ventrose::conversions {

std::optional<int> FilterKey(int keyAscii, bool minusAllowed) {
    constexpr int kBackspace = 8;
    if (keyAscii >= '0' && keyAscii <= '9') return keyAscii;
    if (keyAscii == '.') return common::DecimalMark();
    if (keyAscii == kBackspace) return keyAscii;
    if (keyAscii == '-' && minusAllowed) return keyAscii;
    return std::nullopt;
}

}  // namespace ventrose::conversions
