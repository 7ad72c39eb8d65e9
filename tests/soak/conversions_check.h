// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "conversions/choisirunite.h"
#include "conversions/etatconversions.h"
#include "tests/runner/driver.h"
#include "tests/runner/scenario.h"
#include "tests/soak/failure.h"

namespace ventrose::soak {

// The conversions window's promise: in each group exactly one option is selected and the unit
// label names it; selecting another unit converts the box's text once, into the box, or, for a
// text that is no number or whose conversion does not fit, says so, puts the previous option
// back and leaves the box and every stored value as they were.
class ConversionsCheck {
public:
    void before(scenario::Driver& driver, const scenario::Step& step, bool acceptsInput);
    Check after(scenario::Driver& driver, std::size_t newBoxes);
    Check check(scenario::Driver& driver) const;

private:
    struct Prediction {
        conversions::Unit unit;
        conversions::Unit previous;
        std::string boxBefore;
        conversions::EtatConversions stateBefore;
        conversions::EtatConversions stateAfter;
        conversions::UnitChange change;
    };
    std::optional<Prediction> prediction_;
};

}  // namespace ventrose::soak
