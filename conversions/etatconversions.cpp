// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions/etatconversions.h"

#include <stdexcept>

namespace ventrose::conversions {

std::optional<common::Decimal>& StoredValue(EtatConversions& state, Unit unit) {
    switch (unit) {
        case Unit::NM: return state.ValNM;
        case Unit::Kms: return state.ValKms;
        case Unit::Pieds: return state.ValPieds;
        case Unit::Metres: return state.ValMetres;
        case Unit::Noeuds: return state.ValNoeuds;
        case Unit::Kmh: return state.ValKmh;
        case Unit::Fahr: return state.ValFahr;
        case Unit::Celsius: return state.ValCelsius;
        case Unit::USGall: return state.ValUSGall;
        case Unit::Litres: return state.ValLitres;
        case Unit::Lbs: return state.ValLbs;
        case Unit::Kilo: return state.ValKilo;
    }
    throw std::invalid_argument("unknown unit");
}

const std::optional<common::Decimal>& StoredValue(const EtatConversions& state, Unit unit) {
    return StoredValue(const_cast<EtatConversions&>(state), unit);
}

bool IsFuel(Unit unit) {
    return unit == Unit::USGall || unit == Unit::Litres || unit == Unit::Lbs || unit == Unit::Kilo;
}

Unit FuelUnit(std::int16_t code) {
    switch (code) {
        case 1: return Unit::USGall;
        case 2: return Unit::Litres;
        case 3: return Unit::Lbs;
        case 4: return Unit::Kilo;
        default: throw std::out_of_range("UniteCarbu outside 1..4");
    }
}

std::int16_t FuelCode(Unit fuel) {
    switch (fuel) {
        case Unit::USGall: return 1;
        case Unit::Litres: return 2;
        case Unit::Lbs: return 3;
        case Unit::Kilo: return 4;
        default: throw std::invalid_argument("not a fuel unit");
    }
}

}  // namespace ventrose::conversions
