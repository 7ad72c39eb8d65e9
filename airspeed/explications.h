// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "common/tr.h"

namespace ventrose::airspeed {

// The two fixed texts of the airspeed window, in the current language, lines joined by CR LF,
// none after the last. Their French wording (including "températue" and "anémomêtre" elsewhere
// in the window) is the window's own and is kept as it is.

// Label3: why the indicated airspeed needs the two corrections.
inline std::string ExplicationCorrections() {
    return common::Tr("frmVitesse",
                      "La vitesse indiquée n'est pas représentative\r\n"
                      "de la vitesse par rapport à la masse d'air.\r\n"
                      "Il faut apporter 2 corrections à cette Vi :\r\n"
                      " 1. Une correction de densité : Vp = Vi + 1% (par 600')\r\n"
                      " 2. Une correction de températue : Vp = Vi +/- 1% (par 5°)");
}

// Label5: how the standard temperature falls with altitude.
inline std::string ExplicationTemperature() {
    return common::Tr("frmVitesse",
                      "La température est de 15°C en atmosphère standard,\r\n"
                      "elle décroit de 2°C / 1000ft - 6.5°C / 1000m jusqu'à une\r\n"
                      "altitude de 35500ft (11000 m).\r\n"
                      "Au delà, elle reste constante à -56°C");
}

}  // namespace ventrose::airspeed
