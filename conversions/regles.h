// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "common/decimal.h"
#include "conversions/etatconversions.h"

namespace ventrose::conversions {

// The other unit of a two-unit group (nautical miles for kilometres, and so on).
Unit Partner(Unit unit);

// `value`, in unit `from`, expressed in unit `to` of the same group, in exact decimals: a
// product by the group's factor, or for the temperatures (F - 32) * 5 / 9 and C * 1.8 + 32,
// where only the division by 9 rounds. Nullopt when the result does not fit the decimal type.
std::optional<common::Decimal> Convert(Unit from, Unit to, const common::Decimal& value);

// The display pattern of a unit's value: whole degrees for the temperatures, up to three
// decimals for everything else.
std::string_view Pattern(Unit unit);

}  // namespace ventrose::conversions
