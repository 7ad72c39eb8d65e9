// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/sincos.h"

#include <array>
#include <cmath>
#include <optional>

#include "common/format.h"
#include "common/tr.h"

namespace ventrose::wind {

namespace {

SinCos compute(int Alpha) {
    // The method's own pi (3.14, not M_PI), with the quotient formed first: the rounded sine and
    // cosine must be the method's values.
    const double angle = (3.14 / 180) * Alpha;
    SinCos s;
    s.SinAlpha = common::RoundDecimals(std::sin(angle), 1);
    s.CosAlpha = common::RoundDecimals(std::cos(angle), 1);
    s.SinAlphaText = common::FormatFigure(s.SinAlpha, "0.0");
    s.CosAlphaText = common::FormatFigure(s.CosAlpha, "0.0");
    return s;
}

}  // namespace

SinCos CalculSinCos(int Alpha) {
    // The wind angle is a whole number of degrees from 0 to 90: 91 rows, worked out once for
    // each language, as their texts carry its decimal mark.
    static std::array<std::optional<std::array<SinCos, 91>>, 2> tables;
    auto& table = tables[common::CurrentLanguage() == common::Language::English ? 1 : 0];
    if (!table) {
        table.emplace();
        for (int a = 0; a <= 90; ++a) (*table)[static_cast<std::size_t>(a)] = compute(a);
    }
    if (Alpha >= 0 && Alpha <= 90) return (*table)[static_cast<std::size_t>(Alpha)];
    return compute(Alpha);
}

}  // namespace ventrose::wind
