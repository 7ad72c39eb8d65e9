// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/decimal.h"
#include "conversions/etatconversions.h"

namespace ventrose::conversions {

// A box's text as the exact decimal it denotes: digits with at most one decimal mark (the
// language's: ',' in French, '.' in English) and an optional leading '-' («12,5», «,5», «7,»,
// «-40»). Nullopt for anything else, a trailing '-' («5-»)
// included, and for more digits than the decimal type holds.
std::optional<common::Decimal> LireDecimal(std::string_view text);

struct UnitChange {
    enum class Outcome {
        NewText,   // the box is to show `text`
        KeepText,  // the fuel unit was already the current one: the box keeps its own text
        Refused,   // the box's text is no number, or its conversion does not fit the decimal type;
                   // the state is exactly as it was before
    };
    Outcome outcome;
    std::string text;
};

// The unit change of one group, run when the option of `unit` becomes selected, given the text
// that the box holds at that moment. A two-unit group takes the text to be in the other unit
// of the group; the fuel group takes it to be in `UniteCarbu`. The source unit's value becomes
// the text's number (or empty), the selected unit's value its conversion, and the box is to show
// the selected unit's value rendered; an empty text converts nothing and shows the value last
// held for the selected unit. Each conversion starts from the box's rounded text, so repeated
// switching drifts.
UnitChange ChoisirUnite(EtatConversions& state, Unit unit, std::string_view text);

// The unit that a group's box is in just before `selected` becomes the selected unit, that is
// the unit whose option a refused change puts back.
Unit UnitBefore(const EtatConversions& state, Unit selected);

// A stored value as its box shows it, with the language's decimal mark; an empty value shows as
// the empty text.
std::string Render(const std::optional<common::Decimal>& value, Unit unit);

}  // namespace ventrose::conversions
