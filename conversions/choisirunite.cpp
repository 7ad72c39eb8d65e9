// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions/choisirunite.h"

#include "common/format.h"
#include "conversions/regles.h"

namespace ventrose::conversions {

std::optional<common::Decimal> LireDecimal(std::string_view text) {
    return common::Decimal::Parse(text);
}

Unit UnitBefore(const EtatConversions& state, Unit selected) {
    return IsFuel(selected) ? FuelUnit(state.UniteCarbu) : Partner(selected);
}

std::string Render(const std::optional<common::Decimal>& value, Unit unit) {
    return value ? common::FormatFigure(*value, Pattern(unit)) : std::string{};
}

UnitChange ChoisirUnite(EtatConversions& state, Unit unit, std::string_view text) {
    const Unit source = UnitBefore(state, unit);
    if (source == unit) return {UnitChange::Outcome::KeepText, {}};

    // Everything is computed before anything is stored, so that a refused text leaves the state
    // as it was.
    std::optional<common::Decimal> sourceValue;
    std::optional<common::Decimal> converted = StoredValue(state, unit);
    if (!text.empty()) {
        sourceValue = LireDecimal(text);
        if (!sourceValue) return {UnitChange::Outcome::Refused, {}};
        converted = Convert(source, unit, *sourceValue);
        if (!converted) return {UnitChange::Outcome::Refused, {}};
    }
    StoredValue(state, source) = sourceValue;
    StoredValue(state, unit) = converted;
    if (IsFuel(unit)) state.UniteCarbu = FuelCode(unit);
    return {UnitChange::Outcome::NewText, Render(converted, unit)};
}

}  // namespace ventrose::conversions
