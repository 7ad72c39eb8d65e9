#include "wind/facteurs.h"

#include "common/format.h"

namespace ventrose::wind {

Facteurs CalculFacteurs(int Vp) {
    Facteurs f;
    // The method works with the factors as the pilot reads them off the display, so the rounded
    // values (not the exact quotients) feed every later product.
    f.Fb = common::RoundDecimals(60.0 / Vp, 2);
    f.InvFb = common::RoundDecimals(Vp / 60.0, 1);
    f.lblFb = common::FormatNumber(f.Fb, "0.00");
    f.lblInvFb = common::FormatNumber(f.InvFb, "0.0 NM");
    return f;
}

}  // namespace ventrose::wind
