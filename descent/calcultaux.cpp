// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/calcultaux.h"

#include <optional>

#include "common/format.h"
#include "common/numbers.h"
#include "common/tr.h"
#include "descent/tendance.h"

namespace ventrose::descent {

AffichageDescente CalculTaux(const EtatDescente& etat) {
    const ChangementAltitude alt = CalculAltitude(etat);
    AffichageDescente a;
    a.TexteAlt = alt.TexteAlt;
    a.Traits = alt.Traits;
    a.TitreVario = common::TrText("Tendance", TitreVario(alt.tendance));

    // The steps keep this order of operations: the renderings round halves, so another order
    // could change a displayed digit.
    std::optional<double> pente;
    if (etat.Dist) {
        if (*etat.Dist == 0) {
            pente = 0.0;
            a.TextePenteDeg = kSansValeur;
            a.TextePente = kSansValeur;
        } else {
            double d = common::Abs(static_cast<double>(alt.Delta)) / *etat.Dist;
            d = d / 100;
            a.TextePenteDeg = common::FormatFigure(d, "0.0");
            const double p = d / 0.6;
            a.TextePente = common::FormatFigure(p, "0.0");
            pente = p;
        }
    }

    const double vs = etat.Vs.value_or(0);
    const double v = pente.value_or(0.0) * vs;
    a.TexteResultat = common::FormatFigure(v, common::Tr("CalculTaux", "0 ft/mn"));

    if (etat.Vs) {
        // A ground speed of 0 is outside the bar's range; it has no time rather than an infinite
        // one.
        if (*etat.Vs == 0) {
            a.TexteTsv = kSansValeur;
        } else {
            double t = static_cast<double>(etat.Dist.value_or(0)) / vs;
            t = t * 60;
            a.TexteTsv = common::FormatFigure(t, common::Tr("CalculTaux", "0 mn"));
        }
    }
    return a;
}

}  // namespace ventrose::descent
