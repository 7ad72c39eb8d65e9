// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "common/decimal.h"

namespace ventrose::conversions {

// The twelve units of the window, two per two-unit group and four for the fuel.
enum class Unit { NM, Kms, Pieds, Metres, Noeuds, Kmh, Fahr, Celsius, USGall, Litres, Lbs, Kilo };

// What the window remembers between unit changes: one value per unit, empty until a conversion
// touches it, and the fuel unit that the fuel box is in (1 US gallons, 2 litres, 3 pounds,
// 4 kilograms). The two-unit groups need no such unit: a selection there always converts from
// the group's other unit.
struct EtatConversions {
    std::optional<common::Decimal> ValNM;
    std::optional<common::Decimal> ValKms;
    std::optional<common::Decimal> ValPieds;
    std::optional<common::Decimal> ValMetres;
    std::optional<common::Decimal> ValNoeuds;
    std::optional<common::Decimal> ValKmh;
    std::optional<common::Decimal> ValFahr;
    std::optional<common::Decimal> ValCelsius;
    std::optional<common::Decimal> ValUSGall;
    std::optional<common::Decimal> ValLitres;
    std::optional<common::Decimal> ValLbs;
    std::optional<common::Decimal> ValKilo;
    std::int16_t UniteCarbu = 1;
};

std::optional<common::Decimal>& StoredValue(EtatConversions& state, Unit unit);
const std::optional<common::Decimal>& StoredValue(const EtatConversions& state, Unit unit);

bool IsFuel(Unit unit);
// The fuel unit of a code of `UniteCarbu`, and back; codes outside 1..4 are never stored.
Unit FuelUnit(std::int16_t code);
std::int16_t FuelCode(Unit fuel);

}  // namespace ventrose::conversions
