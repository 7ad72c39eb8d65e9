// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "descent/affichagedescente.h"
#include "descent/etatdescente.h"

namespace ventrose::descent {

// Mode Dist: the distance needed from the altitudes, the vertical speed and the ground speed,
// in whole nautical miles, with the slope and the time of that whole distance. Equal
// altitudes force Vz to 0 in the record (and set VzAZero). Without a ground speed only the
// altitude change is produced. A slope of less than one foot per mile has no distance ("???").
AffichageDescente CalculDist(EtatDescente& etat);

}  // namespace ventrose::descent
