// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/colour.h"

#include <algorithm>
#include <cmath>

namespace ventrose::preferences {

double LinearChannel(unsigned channel) {
    const double c = std::min(channel, 255u) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Colour colour) {
    return 0.2126 * LinearChannel((colour >> 16) & 0xFF) +
           0.7152 * LinearChannel((colour >> 8) & 0xFF) + 0.0722 * LinearChannel(colour & 0xFF);
}

double ContrastRatio(Colour a, Colour b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace ventrose::preferences
