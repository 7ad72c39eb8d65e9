// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/calculdist.h"

#include "common/format.h"
#include "common/numbers.h"
#include "common/tr.h"
#include "descent/tendance.h"

namespace ventrose::descent {

AffichageDescente CalculDist(EtatDescente& etat) {
    const ChangementAltitude alt = CalculAltitude(etat);
    AffichageDescente a = DebutAvecVz(etat, alt);
    if (!etat.Vs) return a;

    // A ground speed of 0 is outside the bar's range: nothing can be computed from it.
    if (*etat.Vs == 0) {
        a.TextePente = a.TextePenteDeg = a.TexteResultat = a.TexteTsv = kSansValeur;
        return a;
    }

    const double vs = *etat.Vs;
    const double p = static_cast<double>(etat.Vz.value_or(0)) / vs;
    a.TextePente = common::FormatFigure(p, "0.0");
    const double d = p * 0.6;
    a.TextePenteDeg = common::FormatFigure(d, "0.0");
    // The percent value again, as the division gives it back (not always p to the last bit).
    const double pente = d / 0.6;

    double distance = 0;
    a.TexteResultat = kSansValeur;
    if (pente != 0) {
        // Whole feet per nautical mile; less than one foot per mile counts as no slope.
        const double f = common::Floor((pente * 0.6) * 100);
        if (f != 0) {
            distance = common::Floor(common::Abs(static_cast<double>(alt.Delta)) / f);
            a.TexteResultat = common::FormatNumber(distance, "0 NM");
        }
    }

    // The time of the whole miles shown, not of the exact distance.
    double t = distance / vs;
    t = t * 60;
    a.TexteTsv = common::FormatFigure(t, common::Tr("CalculDist", "0 mn"));
    return a;
}

}  // namespace ventrose::descent
