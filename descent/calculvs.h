// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "descent/affichagedescente.h"
#include "descent/etatdescente.h"

namespace ventrose::descent {

// Mode Vs: the ground speed needed from the altitudes, the distance and the vertical speed,
// with the slope and the time. Equal altitudes force Vz to 0 in the record (and set VzAZero).
// Without a distance only the altitude change is produced. No slope gives no ground speed
// ("???"); no ground speed gives no time ("???").
AffichageDescente CalculVs(EtatDescente& etat);

}  // namespace ventrose::descent
