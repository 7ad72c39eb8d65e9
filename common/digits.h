// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/decimal.h"

namespace ventrose::common::detail {

// A finite number as sign, significant decimal digits and scale: value = digits × 10^-scale.
// Both doubles and Decimals are rendered through this form, so that rounding and rendering
// exist once. A negative scale stands for that many zeros after the digits (1e20).
struct DigitString {
    // 29 digits of a 96-bit coefficient, one more for a carry when rounding up.
    static constexpr int kCapacity = 32;

    bool negative = false;
    int count = 0;  // no leading zero; 0 for the value zero
    int scale = 0;
    char digits[kCapacity] = {};

    bool isZero() const { return count == 0; }
};

// The double written with 15 significant digits, nearest; `value` must be finite.
DigitString DigitsOf(double value);
// Exact.
DigitString DigitsOf(const Decimal& value);

// The same as DigitsOf(value) then RoundHalfAway(decimals), but quicker for the values a label
// shows: when the value is not within a hair of a half at the rounding position, rounding it
// directly cannot differ from rounding its 15-digit form, and the conversion is skipped.
DigitString RoundedDigitsOf(double value, int decimals);

// Rounds to `decimals` decimals (may be negative: tens, hundreds), a half going away from zero.
// Leaves the scale as is when it already has no more decimals. A result of zero keeps no sign.
void RoundHalfAway(DigitString& number, int decimals);

}  // namespace ventrose::common::detail
