// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/triangle.h"

#include "common/format.h"
#include "common/tr.h"
#include "wind/typevent.h"

namespace ventrose::wind {

Triangle CalculTriangle(int Vp, int Rm, int Vw, double Fb, std::uint8_t CasVent, double SinAlpha,
                        double CosAlpha) {
    Triangle t;
    t.X = Vw * Fb;
    t.Vt = Vw * SinAlpha;
    t.Ve = Vw * CosAlpha;
    t.Derive = t.X * SinAlpha;
    t.Tc = t.Ve * Fb;

    switch (CoteDuCas(CasVent)) {
        case Cote::Droite:
            // Left unreduced on purpose: the display shows «362 °» rather than «002 °».
            t.Cap = Rm + t.Derive;
            break;
        case Cote::Gauche:
            t.Cap = Rm - t.Derive;
            if (t.Cap < 0) t.Cap += 360;
            break;
        case Cote::Face:
        case Cote::Dos: t.Cap = Rm; break;
    }
    t.Vs = VentArriere(CasVent) ? Vp + t.Ve : Vp - t.Ve;

    t.XText = common::FormatNumber(t.X, "0 °");
    t.VtText = common::FormatNumber(t.Vt, common::TrView("Units", " 0 kts"));
    t.VeText = common::FormatNumber(t.Ve, common::TrView("Units", "0 kts"));
    t.DeriveText = common::FormatNumber(t.Derive, "0 °");
    t.TcText = common::FormatNumber(t.Tc, common::TrView("Units", " 0 mn/h"));
    t.CapText = common::FormatNumber(t.Cap, "000 °");
    t.VsText = common::FormatNumber(t.Vs, common::TrView("Units", "0 kts"));
    return t;
}

AffichageEntrees AfficherEntrees(int Vp, int Rm, int V, int Vw) {
    AffichageEntrees a;
    a.VpText = common::FormatNumber(static_cast<double>(Vp), common::TrView("Units", "### kts"));
    a.RmText = common::FormatNumber(static_cast<double>(Rm), "000 °");
    a.VText = common::FormatNumber(static_cast<double>(V), "000 °");
    a.VwText = common::FormatNumber(static_cast<double>(Vw), common::TrView("Units", "0 kts"));
    return a;
}

}  // namespace ventrose::wind
