// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/decimal.h"

namespace ventrose::fuzz {

// Unbounded decimal magnitudes as digit strings, most significant first, no leading zero, ""
// for zero. Slow and obvious on purpose: it is the reference that the 96-bit Decimal and the
// renderings are checked against, so it shares nothing with them.
using Digits = std::string;

inline Digits Trim(Digits d) {
    d.erase(0, std::min(d.find_first_not_of('0'), d.size()));
    return d;
}

inline int CompareDigits(const Digits& a, const Digits& b) {
    const Digits x = Trim(a), y = Trim(b);
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    return x.compare(y) < 0 ? -1 : x.compare(y) > 0 ? 1 : 0;
}

inline Digits AddDigits(const Digits& a, const Digits& b) {
    Digits sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
        const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        const int column = x + y + carry;
        sum.insert(sum.begin(), static_cast<char>('0' + column % 10));
        carry = column / 10;
    }
    return Trim(sum);
}

// a must not be below b.
inline Digits SubtractDigits(const Digits& a, const Digits& b) {
    Digits difference;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const int x = a[a.size() - 1 - i] - '0';
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        int column = x - y - borrow;
        borrow = column < 0 ? 1 : 0;
        if (column < 0) column += 10;
        difference.insert(difference.begin(), static_cast<char>('0' + column));
    }
    return Trim(difference);
}

inline Digits MultiplyDigits(const Digits& a, const Digits& b) {
    if (a.empty() || b.empty()) return {};
    std::vector<int> sums(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) sums[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    }
    for (std::size_t k = sums.size() - 1; k > 0; --k) {
        sums[k - 1] += sums[k] / 10;
        sums[k] %= 10;
    }
    Digits product;
    for (const int d : sums) product += static_cast<char>('0' + d);
    return Trim(product);
}

inline Digits Shifted(const Digits& a, int zeros) {
    return a.empty() ? a : a + std::string(static_cast<std::size_t>(zeros), '0');
}

// Quotient and remainder of long division by repeated subtraction; b is not zero.
inline std::pair<Digits, Digits> DivideDigits(const Digits& a, const Digits& b) {
    Digits quotient, remainder;
    for (const char c : a) {
        remainder = Trim(remainder + c);
        int digit = 0;
        while (CompareDigits(remainder, b) >= 0) {
            remainder = SubtractDigits(remainder, b);
            ++digit;
        }
        quotient += static_cast<char>('0' + digit);
    }
    return {Trim(quotient), Trim(remainder)};
}

inline Digits DigitsOf(common::UInt128 value) {
    Digits d;
    for (; value != 0; value /= 10)
        d.insert(d.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
    return d;
}

// ±magnitude × 10^-scale.
struct Exact {
    bool negative = false;
    Digits magnitude;
    int scale = 0;
};

inline Exact ExactOf(const common::Decimal& d) {
    return {d.negative(), DigitsOf(d.coefficient()), d.scale()};
}

// A text of number shape (see IsNumberShape), with every typed decimal.
inline Exact ExactOfText(std::string_view text) {
    Exact x;
    x.negative = !text.empty() && text.front() == '-';
    if (x.negative) text.remove_prefix(1);
    const std::size_t comma = text.find(',');
    Digits all(text.substr(0, comma));
    if (comma != std::string_view::npos) {
        all += text.substr(comma + 1);
        x.scale = static_cast<int>(text.size() - comma - 1);
    }
    x.magnitude = Trim(all);
    return x;
}

inline bool IsZero(const Exact& x) { return x.magnitude.empty(); }

inline Exact Aligned(const Exact& x, int scale) {
    return {x.negative, Shifted(x.magnitude, std::max(scale - x.scale, 0)),
            std::max(scale, x.scale)};
}

// Numeric order; zero has no sign.
inline int Compare(const Exact& a, const Exact& b) {
    const bool aNegative = a.negative && !IsZero(a), bNegative = b.negative && !IsZero(b);
    if (aNegative != bNegative) return aNegative ? -1 : 1;
    const int scale = std::max(a.scale, b.scale);
    const int magnitudes = CompareDigits(Aligned(a, scale).magnitude, Aligned(b, scale).magnitude);
    return aNegative ? -magnitudes : magnitudes;
}

inline Exact Negated(Exact x) {
    x.negative = !x.negative;
    return x;
}

inline Exact Sum(const Exact& a, const Exact& b) {
    const int scale = std::max(a.scale, b.scale);
    const Exact x = Aligned(a, scale), y = Aligned(b, scale);
    if (x.negative == y.negative) return {x.negative, AddDigits(x.magnitude, y.magnitude), scale};
    if (CompareDigits(x.magnitude, y.magnitude) >= 0)
        return {x.negative, SubtractDigits(x.magnitude, y.magnitude), scale};
    return {y.negative, SubtractDigits(y.magnitude, x.magnitude), scale};
}

inline Exact Product(const Exact& a, const Exact& b) {
    return {a.negative != b.negative, MultiplyDigits(a.magnitude, b.magnitude), a.scale + b.scale};
}

// The value rounded to `decimals` decimals, a half away from zero; as it is when it has no more.
inline Exact RoundHalfAway(const Exact& x, int decimals) {
    if (x.scale <= decimals) return x;
    const auto drop = static_cast<std::size_t>(x.scale - decimals);
    const Digits padded = std::string(drop + 1, '0') + x.magnitude;
    Digits kept = padded.substr(0, padded.size() - drop);
    if (padded[padded.size() - drop] >= '5') kept = AddDigits(kept, "1");
    return {x.negative, Trim(kept), decimals};
}

// a / b rounded half away from zero to `decimals` decimals; `exact` tells whether nothing was
// dropped. b is not zero.
inline Exact RoundedQuotient(const Exact& a, const Exact& b, int decimals, bool& exact) {
    // a/b × 10^decimals = (ma × 10^(sb + decimals)) / (mb × 10^sa).
    const Digits numerator = Shifted(a.magnitude, b.scale + decimals);
    const Digits denominator = Shifted(b.magnitude, a.scale);
    auto [quotient, remainder] = DivideDigits(numerator, denominator);
    exact = remainder.empty();
    if (CompareDigits(AddDigits(remainder, remainder), denominator) >= 0)
        quotient = AddDigits(quotient, "1");
    return {a.negative != b.negative, quotient, decimals};
}

// The fewest decimals that write the value exactly.
inline int SignificantScale(const Exact& x) {
    int scale = x.scale;
    Digits m = x.magnitude;
    while (scale > 0 && !m.empty() && m.back() == '0') {
        m.pop_back();
        --scale;
    }
    return m.empty() ? 0 : scale;
}

inline bool FitsCoefficient(const Digits& magnitude) {
    return CompareDigits(magnitude, DigitsOf(common::Decimal::kMaxCoefficient)) <= 0;
}

inline std::string ToText(const Exact& x) {
    return (x.negative ? "-" : "") + (x.magnitude.empty() ? std::string("0") : x.magnitude) + "e-" +
           std::to_string(x.scale);
}

}  // namespace ventrose::fuzz
