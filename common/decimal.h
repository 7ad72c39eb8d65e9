// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ventrose::common {

__extension__ typedef unsigned __int128 UInt128;

// An exact decimal number: sign, an integer coefficient of at most 96 bits and a power-of-ten
// scale from 0 to 28 (value = coefficient / 10^scale). A text reads into it without rounding
// («0,1» is exactly one tenth), sums, differences and products are exact whenever the exact
// result fits, and only a quotient is rounded, to 28 significant digits at least.
class Decimal {
public:
    static constexpr int kMaxScale = 28;
    static constexpr UInt128 kMaxCoefficient = (UInt128{1} << 96) - 1;

    Decimal() = default;  // zero

    static Decimal FromInteger(std::int64_t value);
    // Nullopt when the coefficient needs more than 96 bits or the scale is outside 0..28.
    static std::optional<Decimal> FromParts(bool negative, UInt128 coefficient, int scale);

    // Reads an optional leading '-', digits and at most one decimal mark (the current language's:
    // «12,5», «,5», «7,» in French, «12.5» in English; «007», «-40»), with at least one digit.
    // Nullopt on anything else, and on a number that needs more than 96 bits of coefficient or 28
    // decimals.
    static std::optional<Decimal> Parse(std::string_view text);

    bool negative() const { return negative_; }
    UInt128 coefficient() const { return coefficient_; }
    int scale() const { return scale_; }
    bool isZero() const { return coefficient_ == 0; }

    // Plain rendering for tests and diagnostics: '-' when negative, '.' as separator, every
    // digit of the scale kept («-1.50»).
    std::string toString() const;

    // Numeric equality and order: 1.50 equals 1.5.
    friend bool operator==(const Decimal& a, const Decimal& b);
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

private:
    Decimal(bool negative, UInt128 coefficient, int scale)
        : negative_(negative && coefficient != 0), coefficient_(coefficient), scale_(scale) {}

    bool negative_ = false;
    UInt128 coefficient_ = 0;
    int scale_ = 0;

    friend std::optional<Decimal> Add(const Decimal&, const Decimal&);
    friend std::optional<Decimal> Multiply(const Decimal&, const Decimal&);
    friend std::optional<Decimal> Divide(const Decimal&, const Decimal&);
};

// Each returns nullopt only when the result's integer part cannot be held in 96 bits (or on
// division by zero). A result with more decimals than fit is rounded to fewer decimals, half
// away from zero; sums, differences and products of the values that the conversions meet are
// exact.
std::optional<Decimal> Add(const Decimal& a, const Decimal& b);
std::optional<Decimal> Subtract(const Decimal& a, const Decimal& b);
std::optional<Decimal> Multiply(const Decimal& a, const Decimal& b);
// Rounded to the greatest scale (at most 28) at which the quotient fits in 96 bits: at least
// 28 significant digits.
std::optional<Decimal> Divide(const Decimal& a, const Decimal& b);

}  // namespace ventrose::common
