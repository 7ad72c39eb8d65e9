// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/decimal.h"

#include <algorithm>
#include <array>

#include "common/digits.h"
#include "common/number_text.h"
#include "common/wide.h"

namespace ventrose::common {

namespace {

using detail::Wide;

constexpr std::array<UInt128, Decimal::kMaxScale + 1> kPowersOf10 = [] {
    std::array<UInt128, Decimal::kMaxScale + 1> powers{};
    UInt128 power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// The coefficient of `value` brought to the greater scale `scale`, exactly.
Wide Scaled(const Decimal& value, int scale) {
    return detail::MultiplyWide(value.coefficient(),
                                kPowersOf10[static_cast<std::size_t>(scale - value.scale())]);
}

// The exact magnitude × 10^-scale rounded, a half away from zero, to the greatest scale of at
// most 28 at which its coefficient fits 96 bits. Nullopt when even its integer part does not.
std::optional<Decimal> Reduce(bool negative, Wide magnitude, int scale) {
    int firstDropped = 0;  // the most significant digit dropped so far
    for (;;) {
        UInt128 coefficient = 0;
        if (scale <= Decimal::kMaxScale && detail::FitsCoefficient(magnitude, coefficient)) {
            if (firstDropped < 5) return Decimal::FromParts(negative, coefficient, scale);
            if (coefficient < Decimal::kMaxCoefficient) {
                return Decimal::FromParts(negative, coefficient + 1, scale);
            }
            // Rounding up would need a 97th bit: one decimal less. Taken from the exact value
            // again, so that no digit is rounded twice.
        }
        if (scale <= 0) return std::nullopt;
        firstDropped = detail::DivideBy10(magnitude);
        --scale;
    }
}

}  // namespace

Decimal Decimal::FromInteger(std::int64_t value) {
    const auto magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    return Decimal(value < 0, magnitude, 0);
}

std::optional<Decimal> Decimal::FromParts(bool negative, UInt128 coefficient, int scale) {
    if (coefficient > kMaxCoefficient || scale < 0 || scale > kMaxScale) return std::nullopt;
    return Decimal(negative, coefficient, scale);
}

std::optional<Decimal> Decimal::Parse(std::string_view text) {
    const char mark = DecimalMark();
    if (!detail::IsNumberText(text, mark)) return std::nullopt;
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::size_t comma = text.find(mark);
    const std::string_view integerPart = text.substr(0, comma);
    const std::string_view fraction =
        comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);

    // Trailing zeros of the fraction are read only as far as they fit («7,50» keeps its two
    // decimals): dropping the others is exact, so «1,5» followed by thirty zeros still reads.
    const std::size_t significant = fraction.find_last_not_of('0') + 1;  // npos + 1 is 0
    if (significant > static_cast<std::size_t>(kMaxScale)) return std::nullopt;
    UInt128 coefficient = 0;
    // Checked after each digit, so the coefficient never exceeds 100 bits.
    const auto append = [&coefficient](char digit) {
        coefficient = coefficient * 10 + static_cast<unsigned>(digit - '0');
        return coefficient <= kMaxCoefficient;
    };
    for (const char c : integerPart) {
        if (!append(c)) return std::nullopt;
    }
    for (const char c : fraction.substr(0, significant)) {
        if (!append(c)) return std::nullopt;
    }
    int scale = static_cast<int>(significant);
    const int typedScale =
        static_cast<int>(std::min(fraction.size(), static_cast<std::size_t>(kMaxScale)));
    while (scale < typedScale && coefficient <= kMaxCoefficient / 10) {
        coefficient *= 10;
        ++scale;
    }
    return Decimal(negative, coefficient, scale);
}

std::string Decimal::toString() const {
    const detail::DigitString number = detail::DigitsOf(*this);
    const int integerDigits = number.count - number.scale;
    std::string text;
    if (negative_) text += '-';
    if (integerDigits > 0) {
        text.append(number.digits, static_cast<std::size_t>(integerDigits));
    } else {
        text += '0';
    }
    if (scale_ > 0) {
        text += '.';
        for (int position = 0; position < scale_; ++position) {
            const int d = integerDigits + position;
            text += d < 0 || d >= number.count ? '0' : number.digits[d];
        }
    }
    return text;
}

bool operator==(const Decimal& a, const Decimal& b) { return (a <=> b) == 0; }

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    if (a.negative_ != b.negative_) {
        return a.negative_ ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    const int scale = std::max(a.scale_, b.scale_);
    const auto magnitudes = detail::CompareWide(Scaled(a, scale), Scaled(b, scale));
    return a.negative_ ? 0 <=> magnitudes : magnitudes;
}

std::optional<Decimal> Add(const Decimal& a, const Decimal& b) {
    const int scale = std::max(a.scale_, b.scale_);
    const Wide x = Scaled(a, scale);
    const Wide y = Scaled(b, scale);
    if (a.negative_ == b.negative_) return Reduce(a.negative_, detail::AddWide(x, y), scale);
    if (detail::CompareWide(x, y) >= 0)
        return Reduce(a.negative_, detail::SubtractWide(x, y), scale);
    return Reduce(b.negative_, detail::SubtractWide(y, x), scale);
}

std::optional<Decimal> Subtract(const Decimal& a, const Decimal& b) {
    return Add(a, *Decimal::FromParts(!b.negative(), b.coefficient(), b.scale()));
}

std::optional<Decimal> Multiply(const Decimal& a, const Decimal& b) {
    return Reduce(a.negative_ != b.negative_, detail::MultiplyWide(a.coefficient_, b.coefficient_),
                  a.scale_ + b.scale_);
}

std::optional<Decimal> Divide(const Decimal& a, const Decimal& b) {
    if (b.isZero()) return std::nullopt;
    const bool negative = a.negative_ != b.negative_;
    const UInt128 divisor = b.coefficient_;
    UInt128 quotient = a.coefficient_ / divisor;
    UInt128 remainder = a.coefficient_ % divisor;
    int scale = a.scale_ - b.scale_;
    // Long division, one decimal at a time. Up to scale 0 every digit belongs to the integer
    // part; beyond, digits come until the division is exact, the scale reaches 28 or the
    // quotient would need a 97th bit. An exact quotient keeps its natural scale (1/4 is 0.25).
    while (scale < 0 || remainder != 0) {
        const UInt128 shifted = remainder * 10;  // remainder < divisor < 2^96
        const UInt128 digit = shifted / divisor;
        remainder = shifted % divisor;
        const UInt128 next = quotient * 10 + digit;  // quotient < 2^96: below 2^100
        if (scale >= 0 && (scale == Decimal::kMaxScale || next > Decimal::kMaxCoefficient)) {
            // One digit past what fits: it decides the rounding.
            return Reduce(negative, detail::ToWide(next), scale + 1);
        }
        if (next > Decimal::kMaxCoefficient) return std::nullopt;
        quotient = next;
        ++scale;
    }
    return Decimal(negative, quotient, scale);
}

}  // namespace ventrose::common
