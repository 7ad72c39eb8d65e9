// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "descent/affichagedescente.h"
#include "descent/etatdescente.h"

namespace ventrose::descent {

// Mode Taux: the vertical speed to fly from the altitudes, the distance and the ground speed,
// with the slope and the flight time without wind. Reads only AltA, AltB, Dist and Vs.
// Without a distance the slope texts are absent and the slope counts as 0; without a ground
// speed the time is absent. A zero distance has no slope ("???").
AffichageDescente CalculTaux(const EtatDescente& etat);

}  // namespace ventrose::descent
