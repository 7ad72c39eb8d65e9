// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>

#include "common/decimal.h"

namespace ventrose::common::detail {

// An unsigned 256-bit integer in 64-bit limbs, least significant first. Decimal arithmetic needs
// more than 128 bits between steps: a product of two 96-bit coefficients takes 192, a
// coefficient brought to scale 28 takes 190.
struct Wide {
    std::uint64_t limb[4] = {};
};

inline Wide ToWide(UInt128 value) {
    return Wide{{static_cast<std::uint64_t>(value), static_cast<std::uint64_t>(value >> 64), 0, 0}};
}

inline Wide MultiplyWide(UInt128 a, UInt128 b) {
    const auto a0 = static_cast<std::uint64_t>(a), a1 = static_cast<std::uint64_t>(a >> 64);
    const auto b0 = static_cast<std::uint64_t>(b), b1 = static_cast<std::uint64_t>(b >> 64);
    const UInt128 p00 = UInt128{a0} * b0, p01 = UInt128{a0} * b1;
    const UInt128 p10 = UInt128{a1} * b0, p11 = UInt128{a1} * b1;
    // Each column sums at most three 64-bit halves plus a carry: no overflow of 128 bits.
    const UInt128 column1 =
        (p00 >> 64) + static_cast<std::uint64_t>(p01) + static_cast<std::uint64_t>(p10);
    const UInt128 column2 =
        (column1 >> 64) + (p01 >> 64) + (p10 >> 64) + static_cast<std::uint64_t>(p11);
    const UInt128 column3 = (column2 >> 64) + (p11 >> 64);
    return Wide{{static_cast<std::uint64_t>(p00), static_cast<std::uint64_t>(column1),
                 static_cast<std::uint64_t>(column2), static_cast<std::uint64_t>(column3)}};
}

// The caller keeps the sum below 2^256: values here stay under 2^192.
inline Wide AddWide(const Wide& a, const Wide& b) {
    Wide sum;
    std::uint64_t carry = 0;
    for (int i = 0; i < 4; ++i) {
        const UInt128 column = UInt128{a.limb[i]} + b.limb[i] + carry;
        sum.limb[i] = static_cast<std::uint64_t>(column);
        carry = static_cast<std::uint64_t>(column >> 64);
    }
    return sum;
}

// a must not be below b.
inline Wide SubtractWide(const Wide& a, const Wide& b) {
    Wide difference;
    std::uint64_t borrow = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint64_t subtrahend = b.limb[i] + borrow;
        borrow = (subtrahend < borrow) || (a.limb[i] < subtrahend) ? 1 : 0;
        difference.limb[i] = a.limb[i] - subtrahend;
    }
    return difference;
}

inline std::strong_ordering CompareWide(const Wide& a, const Wide& b) {
    for (int i = 3; i >= 0; --i) {
        if (a.limb[i] != b.limb[i]) return a.limb[i] <=> b.limb[i];
    }
    return std::strong_ordering::equal;
}

// Divides in place and returns the remainder. Works in 32-bit halves so that every step is a
// 64-bit division by a constant, which compiles to a multiplication.
inline int DivideBy10(Wide& value) {
    std::uint64_t remainder = 0;
    for (int i = 3; i >= 0; --i) {
        const std::uint64_t high = (remainder << 32) | (value.limb[i] >> 32);
        remainder = high % 10;
        const std::uint64_t low = (remainder << 32) | (value.limb[i] & 0xFFFFFFFFu);
        remainder = low % 10;
        value.limb[i] = ((high / 10) << 32) | (low / 10);
    }
    return static_cast<int>(remainder);
}

// True, with the value in `out`, when it fits a 96-bit coefficient.
inline bool FitsCoefficient(const Wide& value, UInt128& out) {
    if (value.limb[3] != 0 || value.limb[2] != 0) return false;
    out = (UInt128{value.limb[1]} << 64) | value.limb[0];
    return out <= Decimal::kMaxCoefficient;
}

}  // namespace ventrose::common::detail
