#include "wind/tempsdistance.h"

#include <algorithm>

#include "common/format.h"
#include "common/numbers.h"

namespace ventrose::wind {

namespace {

// A bar cannot hold a position outside 0..max: a result beyond it pins the bar at that end (the
// labels carry the true value). A value too large for 16 bits pins it too; NaN goes to 0.
int BarPosition(double value, int max) {
    if (const auto rounded = common::ToInteger16(value)) {
        return std::clamp(static_cast<int>(*rounded), 0, max);
    }
    return value > 0 ? max : 0;
}

}  // namespace

TempsDistance CalculTempsDistance(ModeVol mode, double entered, double Fb, double InvFb) {
    TempsDistance r;
    // Every label is written in both modes so that switching mode shows consistent values.
    if (mode == ModeVol::Temps) {
        r.D = entered;
        r.lblDt = common::FormatNumber(r.D, " 0 NM");
        r.lblD = common::FormatNumber(r.D, "0 NM");
        r.Tsv = r.D * Fb;
        r.lblTsv = common::FormatNumber(r.Tsv, "0 mn");
        r.lblTsv2 = common::FormatNumber(r.Tsv, " 0 mn");
        r.hiddenBarValue = BarPosition(r.Tsv, kTsvMax);
    } else {
        r.Tsv = entered;
        // No space before "mn" in this mode: the label's historical text.
        r.lblTsv2 = common::FormatNumber(r.Tsv, " 0mn");
        r.lblTsv = common::FormatNumber(r.Tsv, "0 mn");
        r.D = r.Tsv * InvFb;
        r.lblD = common::FormatNumber(r.D, "0 NM");
        r.lblDt = common::FormatNumber(r.D, " 0 NM");
        r.hiddenBarValue = BarPosition(r.D, kDtMax);
    }
    return r;
}

TempsAvecVent CalculTempsAvecVent(double D, double Vs) {
    TempsAvecVent r;
    if (!(Vs > 0)) {
        // The head wind is at least as strong as the airspeed: the leg is never flown.
        r.lblTav = "X";
        return r;
    }
    // Quotient first, then the product: the order fixes the last bit, and so the minute at a tie.
    const double minutes = 60 * (D / Vs);
    // A tiny ground speed gives a time beyond the 16-bit field; say so rather than show a
    // wrong number.
    r.Tav = common::ToInteger16(minutes);
    if (r.Tav) {
        r.lblTav = common::FormatNumber(static_cast<double>(*r.Tav), "0 mn");
    } else {
        r.lblTav = "> 32767 mn";
    }
    return r;
}

}  // namespace ventrose::wind
