// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/tendance.h"

#include "common/format.h"
#include "common/tr.h"
#include "descent/affichagedescente.h"

namespace ventrose::descent {

ChangementAltitude CalculAltitude(const EtatDescente& etat) {
    ChangementAltitude c;
    // In 64 bits so that no pair of altitudes can overflow the difference.
    c.Delta = static_cast<std::int64_t>(etat.AltB) - etat.AltA;
    const double delta = static_cast<double>(c.Delta);
    if (c.Delta > 0) {
        c.tendance = Tendance::Montee;
        c.TexteAlt = common::FormatNumber(delta, "+ 0 '");
        c.Traits = {true, true, false};
    } else if (c.Delta == 0) {
        c.tendance = Tendance::Nul;
        c.TexteAlt = common::FormatNumber(delta, " 0 '");
        c.Traits = {true, false, false};
    } else {
        // The minus sign comes in front of the pattern's leading blank: «- 2000 '».
        c.tendance = Tendance::Descente;
        c.TexteAlt = common::FormatNumber(delta, " 0 '");
        c.Traits = {false, true, true};
    }
    return c;
}

const char* TitreVario(Tendance tendance) {
    switch (tendance) {
        case Tendance::Montee: return common::TrNoop("Tendance", "Vario de montée");
        case Tendance::Descente: return common::TrNoop("Tendance", "Vario de descente");
        case Tendance::Nul: break;
    }
    return common::TrNoop("Tendance", "Vario nul");
}

AffichageDescente DebutAvecVz(EtatDescente& etat, const ChangementAltitude& alt) {
    AffichageDescente a;
    a.TexteAlt = alt.TexteAlt;
    a.Traits = alt.Traits;
    if (alt.Delta == 0) {
        etat.Vz = 0;
        a.VzAZero = true;
    }
    return a;
}

}  // namespace ventrose::descent
