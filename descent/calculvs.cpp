// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/calculvs.h"

#include "common/format.h"
#include "common/numbers.h"
#include "common/tr.h"
#include "descent/tendance.h"

namespace ventrose::descent {

AffichageDescente CalculVs(EtatDescente& etat) {
    const ChangementAltitude alt = CalculAltitude(etat);
    AffichageDescente a = DebutAvecVz(etat, alt);
    if (!etat.Dist) return a;

    double pente = 0;
    if (*etat.Dist == 0) {
        a.TextePenteDeg = kSansValeur;
        a.TextePente = kSansValeur;
    } else {
        double d = common::Abs(static_cast<double>(alt.Delta)) / *etat.Dist;
        d = d / 100;
        a.TextePenteDeg = common::FormatFigure(d, "0.0");
        const double p = d / 0.6;
        // Two decimals in this mode, where the slope is the divisor of the result.
        a.TextePente = common::FormatFigure(p, "0.00");
        pente = p;
    }

    double vitesse = 0;
    if (pente == 0) {
        a.TexteResultat = kSansValeur;
    } else {
        vitesse = static_cast<double>(etat.Vz.value_or(0)) / pente;
        a.TexteResultat = common::FormatFigure(vitesse, common::Tr("CalculVs", "0 kts"));
    }

    if (vitesse == 0) {
        a.TexteTsv = kSansValeur;
    } else {
        double t = static_cast<double>(*etat.Dist) / vitesse;
        t = t * 60;
        a.TexteTsv = common::FormatFigure(t, common::Tr("CalculVs", "0 mn"));
    }
    return a;
}

}  // namespace ventrose::descent
