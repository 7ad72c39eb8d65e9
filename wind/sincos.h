// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ventrose::wind {

// Sine and cosine of the wind angle, each kept rounded to one decimal as shown. The angle in
// radians is (3.14 / 180) x Alpha: the method's own pi, with the quotient formed first.
struct SinCos {
    double SinAlpha = 0;
    double CosAlpha = 1;
    std::string SinAlphaText;  // "0.0"
    std::string CosAlphaText;  // "0.0"
};

SinCos CalculSinCos(int Alpha);

}  // namespace ventrose::wind
