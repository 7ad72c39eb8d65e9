// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/tempsdistance.h"

#include <algorithm>

#include "common/format.h"
#include "common/numbers.h"
#include "common/tr.h"

namespace ventrose::wind {

namespace {

// An entry cannot hold a value outside 0..max: a result beyond it pins the entry at that end (the
// texts carry the true value). A value too large for 16 bits pins it too; NaN goes to 0.
int EntryValue(double value, int max) {
    if (const auto rounded = common::ToInteger16(value)) {
        return std::clamp(static_cast<int>(*rounded), 0, max);
    }
    return value > 0 ? max : 0;
}

}  // namespace

TempsDistance CalculTempsDistance(ModeVol mode, double entered, double Fb, double InvFb) {
    TempsDistance r;
    // Every text is written in both modes so that switching mode shows consistent values.
    if (mode == ModeVol::Temps) {
        r.D = entered;
        r.DEntryText = common::FormatNumber(r.D, " 0 NM");
        r.DText = common::FormatNumber(r.D, "0 NM");
        r.Tsv = r.D * Fb;
        r.TsvText = common::FormatNumber(r.Tsv, common::TrView("Units", "0 mn"));
        r.TsvEntryText = common::FormatNumber(r.Tsv, common::TrView("Units", " 0 mn"));
        r.computedEntry = EntryValue(r.Tsv, kTsvMax);
    } else {
        r.Tsv = entered;
        // No space before "mn" in this mode: the window's historical text.
        r.TsvEntryText = common::FormatNumber(r.Tsv, common::TrView("Units", " 0mn"));
        r.TsvText = common::FormatNumber(r.Tsv, common::TrView("Units", "0 mn"));
        r.D = r.Tsv * InvFb;
        r.DText = common::FormatNumber(r.D, "0 NM");
        r.DEntryText = common::FormatNumber(r.D, " 0 NM");
        r.computedEntry = EntryValue(r.D, kDtMax);
    }
    return r;
}

std::optional<std::int16_t> MinutesWithWind(double D, double Vs) {
    // The head wind is at least as strong as the airspeed: the leg is never flown.
    if (!(Vs > 0)) return std::nullopt;
    // Quotient first, then the product: the order fixes the last bit, and so the minute at a tie.
    // A tiny ground speed gives a time beyond the 16-bit field: none rather than a wrong number.
    return common::ToInteger16(60 * (D / Vs));
}

TempsAvecVent CalculTempsAvecVent(double D, double Vs) {
    TempsAvecVent r;
    if (!(Vs > 0)) {
        r.TavText.assign(1, 'X');  // not = "X": GCC 12 then warns of an overlap that is not there
        return r;
    }
    r.Tav = MinutesWithWind(D, Vs);
    if (r.Tav) {
        r.TavText =
            common::FormatNumber(static_cast<double>(*r.Tav), common::TrView("Units", "0 mn"));
    } else {
        r.TavText = common::Tr("Units", "> 32767 mn");
    }
    return r;
}

}  // namespace ventrose::wind
