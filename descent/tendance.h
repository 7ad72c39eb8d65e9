// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "descent/etatdescente.h"

namespace ventrose::descent {

// The sense of the change from A to B; the codes are those the planner has always used.
enum class Tendance : std::uint8_t { Nul = 0, Montee = 1, Descente = 2 };

// The first step shared by the three computations: the altitude change from A to B.
struct ChangementAltitude {
    std::int64_t Delta = 0;  // feet, B minus A
    Tendance tendance = Tendance::Nul;
    std::string TexteAlt{};
    std::array<bool, 3>
        Traits{};  // a caret for a climb, a v for a descent, stroke 1 alone when level
};

ChangementAltitude CalculAltitude(const EtatDescente& etat);

struct AffichageDescente;
// The start of the distance and ground-speed computations: the altitude change and its texts;
// when A and B are level no vertical speed makes sense, so the input itself goes to 0.
AffichageDescente DebutAvecVz(EtatDescente& etat, const ChangementAltitude& alt);

// The heading of the vertical-speed result in mode Taux, in French: shown through
// common::TrText with the context "Tendance".
const char* TitreVario(Tendance tendance);

}  // namespace ventrose::descent
