// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/facteurs.h"

#include <array>
#include <vector>

#include "common/format.h"
#include "common/tr.h"

namespace ventrose::wind {

namespace {

constexpr int kVpMin = 60;
constexpr int kVpMax = 800;

Facteurs compute(int Vp) {
    Facteurs f;
    // The method works with the factors as the pilot reads them off the display, so the rounded
    // values (not the exact quotients) feed every later product.
    f.Fb = common::RoundDecimals(60.0 / Vp, 2);
    f.InvFb = common::RoundDecimals(Vp / 60.0, 1);
    f.FbText = common::FormatFigure(f.Fb, "0.00");
    f.InvFbText = common::FormatFigure(f.InvFb, "0.0 NM");
    return f;
}

}  // namespace

Facteurs CalculFacteurs(int Vp) {
    // The airspeed bar offers 741 values: their factors are worked out once, on first use in
    // each language (their texts carry its decimal mark), so that a recomputation while a bar
    // is held down only looks them up.
    static std::array<std::vector<Facteurs>, 2> tables;
    auto& table = tables[common::CurrentLanguage() == common::Language::English ? 1 : 0];
    if (table.empty()) {
        table.reserve(kVpMax - kVpMin + 1);
        for (int v = kVpMin; v <= kVpMax; ++v) table.push_back(compute(v));
    }
    if (Vp >= kVpMin && Vp <= kVpMax) return table[static_cast<std::size_t>(Vp - kVpMin)];
    return compute(Vp);
}

}  // namespace ventrose::wind
