// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "conversions/choisirunite.h"

namespace ventrose::conversions {
namespace {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

UInt128 Pow10(int n) {
    UInt128 p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// An exact rational numerator / denominator, small enough here for 128-bit integers.
struct Rational {
    Int128 num;
    UInt128 den;
};

// The text of the number `coefficient` / 10^scale as a person types it: comma, leading '-'.
std::string TypedText(bool negative, std::uint64_t coefficient, int scale) {
    std::string digits = std::to_string(coefficient);
    if (static_cast<int>(digits.size()) <= scale)
        digits.insert(0, static_cast<std::size_t>(scale + 1) - digits.size(), '0');
    if (scale > 0) digits.insert(digits.size() - static_cast<std::size_t>(scale), 1, ',');
    return (negative ? "-" : "") + digits;
}

// Reads a typed or rendered text («-12,5», «1524,», «38»), which the generator keeps small.
Rational ReadText(const std::string& text) {
    Int128 num = 0;
    int scale = 0;
    bool fraction = false;
    for (const char c : text) {
        if (c == ',') {
            fraction = true;
        } else if (c != '-') {
            num = num * 10 + (c - '0');
            if (fraction) ++scale;
        }
    }
    return {text.front() == '-' ? -num : num, Pow10(scale)};
}

// The value rounded to `decimals` decimals, a half away from zero, written as "0.###" (three
// decimals, trailing zeros dropped, comma kept) or "0" (no decimals) writes it.
std::string RenderExact(const Rational& r, int decimals) {
    const bool negative = r.num < 0;
    const UInt128 magnitude = static_cast<UInt128>(negative ? -r.num : r.num);
    const UInt128 scaled = magnitude * Pow10(decimals);
    UInt128 rounded = scaled / r.den;
    if (2 * (scaled % r.den) >= r.den) ++rounded;
    const UInt128 unit = Pow10(decimals);
    std::string text = std::to_string(static_cast<std::uint64_t>(rounded / unit));
    if (decimals > 0) {
        std::string fraction = std::to_string(static_cast<std::uint64_t>(rounded % unit));
        fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
        while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
        text += "," + fraction;
    }
    return (negative && rounded != 0 ? "-" : "") + text;
}

struct Factor {
    Unit from, to;
    std::uint64_t coefficient;
    int scale;
};

constexpr std::array<Factor, 18> kFactors = {{
    {Unit::NM, Unit::Kms, 1853, 3},
    {Unit::Kms, Unit::NM, 539, 3},
    {Unit::Pieds, Unit::Metres, 3048, 4},
    {Unit::Metres, Unit::Pieds, 328, 2},
    {Unit::Noeuds, Unit::Kmh, 1853, 3},
    {Unit::Kmh, Unit::Noeuds, 539, 3},
    {Unit::USGall, Unit::Litres, 3785, 3},
    {Unit::USGall, Unit::Lbs, 6698, 3},
    {Unit::USGall, Unit::Kilo, 3065, 3},
    {Unit::Litres, Unit::USGall, 264, 3},
    {Unit::Litres, Unit::Lbs, 1768, 3},
    {Unit::Litres, Unit::Kilo, 81, 2},
    {Unit::Lbs, Unit::USGall, 1491, 4},
    {Unit::Lbs, Unit::Litres, 5645, 4},
    {Unit::Lbs, Unit::Kilo, 457, 3},
    {Unit::Kilo, Unit::USGall, 325, 3},
    {Unit::Kilo, Unit::Litres, 1234, 3},
    {Unit::Kilo, Unit::Lbs, 2182, 3},
}};

Rational ConvertExact(Unit from, Unit to, const Rational& x) {
    if (to == Unit::Celsius) return {(x.num - 32 * static_cast<Int128>(x.den)) * 5, x.den * 9};
    if (to == Unit::Fahr) return {x.num * 18 + 320 * static_cast<Int128>(x.den), x.den * 10};
    for (const Factor& f : kFactors) {
        if (f.from == from && f.to == to)
            return {x.num * static_cast<Int128>(f.coefficient), x.den * Pow10(f.scale)};
    }
    ADD_FAILURE() << "no factor";
    return {};
}

int DecimalsOf(Unit unit) { return unit == Unit::Fahr || unit == Unit::Celsius ? 0 : 3; }

bool IsTie(const Rational& r, int decimals) {
    const UInt128 magnitude = static_cast<UInt128>(r.num < 0 ? -r.num : r.num);
    return 2 * (magnitude * Pow10(decimals) % r.den) == r.den;
}

// The box's number, typed or as it came back from the previous conversion: up to 9 integer
// digits and 4 decimals, so that every result is exact in both arithmetics (and the one quotient
// is far from a tie that 28 digits could blur).
std::string RandomText(std::mt19937_64& random, bool negativeAllowed) {
    const int scale = std::uniform_int_distribution<int>(0, 4)(random);
    const int digits = std::uniform_int_distribution<int>(1, 9 + scale)(random);
    const std::uint64_t coefficient =
        std::uniform_int_distribution<std::uint64_t>(0, Pow10(digits) - 1)(random);
    return TypedText(negativeAllowed && random() % 2 == 0, coefficient, scale);
}

struct Group {
    std::vector<Unit> units;
    bool temperature;
};

const Group kGroups[] = {
    {{Unit::NM, Unit::Kms}, false},
    {{Unit::Pieds, Unit::Metres}, false},
    {{Unit::Noeuds, Unit::Kmh}, false},
    {{Unit::Fahr, Unit::Celsius}, true},
    {{Unit::USGall, Unit::Litres, Unit::Lbs, Unit::Kilo}, false},
};

// Chains of unit changes, each starting from what the box shows, as a person switching back and
// forth does: every text equals the exact rational result rounded by hand.
TEST(ExactArithmetic, ChainsMatchRationalComputation) {
    std::mt19937_64 random(20240611);
    int ties = 0;
    int conversions = 0;
    for (int chain = 0; chain < 4000; ++chain) {
        const Group& group = kGroups[chain % 5];
        EtatConversions state;
        Unit current = group.units.front();
        std::string box = RandomText(random, group.temperature || chain % 7 == 0);
        for (int step = 0; step < 6; ++step) {
            Unit next = current;
            while (next == current) next = group.units[random() % group.units.size()];
            const Rational exact = ConvertExact(current, next, ReadText(box));
            const std::string expected = RenderExact(exact, DecimalsOf(next));
            const UnitChange change = ChoisirUnite(state, next, box);
            ASSERT_EQ(change.outcome, UnitChange::Outcome::NewText) << box;
            ASSERT_EQ(change.text, expected) << box << " from unit " << static_cast<int>(current)
                                             << " to " << static_cast<int>(next);
            ties += IsTie(exact, DecimalsOf(next));
            ++conversions;
            current = next;
            box = change.text;
        }
    }
    // Ties away from zero are the point of exact arithmetic: the sweep must have met many.
    EXPECT_GT(ties, conversions / 200);
}

TEST(ExactArithmetic, KnownTiesGoAwayFromZero) {
    const struct {
        Unit from, to;
        const char* text;
    } rows[] = {
        {Unit::Noeuds, Unit::Kmh, "0,5"},     {Unit::Fahr, Unit::Celsius, "32,9"},
        {Unit::Fahr, Unit::Celsius, "31,1"},  {Unit::Celsius, Unit::Fahr, "37,5"},
        {Unit::Celsius, Unit::Fahr, "-37,5"}, {Unit::NM, Unit::Kms, "1,5"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const Rational exact = ConvertExact(row.from, row.to, ReadText(row.text));
        ASSERT_TRUE(IsTie(exact, DecimalsOf(row.to)));
        EtatConversions state;
        EXPECT_EQ(ChoisirUnite(state, row.to, row.text).text,
                  RenderExact(exact, DecimalsOf(row.to)));
    }
}

}  // namespace
}  // namespace ventrose::conversions
