// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions/regles.h"

#include <array>
#include <cstdint>
#include <stdexcept>

namespace ventrose::conversions {

namespace {

using common::Decimal;

Decimal Exact(std::uint64_t coefficient, int scale) {
    return *Decimal::FromParts(false, coefficient, scale);
}

// 1.853 km per nautical mile both for distances and speeds, and 0.539 back: the two are not
// reciprocals, so a round trip drifts on purpose.
const Decimal kKmParNM = Exact(1853, 3);
const Decimal kNMParKm = Exact(539, 3);
const Decimal kMetresParPied = Exact(3048, 4);
const Decimal kPiedsParMetre = Exact(328, 2);
const Decimal kCelsiusVersFahr = Exact(18, 1);
const Decimal k32 = Decimal::FromInteger(32);
const Decimal k5 = Decimal::FromInteger(5);
const Decimal k9 = Decimal::FromInteger(9);

// Fuel factors by code of `UniteCarbu` (row: from, column: to); each pair stands by itself,
// at 0.81 kg per litre and about 2.18 pounds per kilogram.
const std::array<std::array<Decimal, 4>, 4> kCarbu = {{
    {Decimal{}, Exact(3785, 3), Exact(6698, 3), Exact(3065, 3)},
    {Exact(264, 3), Decimal{}, Exact(1768, 3), Exact(81, 2)},
    {Exact(1491, 4), Exact(5645, 4), Decimal{}, Exact(457, 3)},
    {Exact(325, 3), Exact(1234, 3), Exact(2182, 3), Decimal{}},
}};

std::optional<Decimal> FahrVersCelsius(const Decimal& F) {
    const auto ecart = common::Subtract(F, k32);
    if (!ecart) return std::nullopt;
    const auto fois5 = common::Multiply(*ecart, k5);
    if (!fois5) return std::nullopt;
    return common::Divide(*fois5, k9);
}

std::optional<Decimal> CelsiusVersFahr(const Decimal& C) {
    const auto produit = common::Multiply(C, kCelsiusVersFahr);
    if (!produit) return std::nullopt;
    return common::Add(*produit, k32);
}

}  // namespace

Unit Partner(Unit unit) {
    switch (unit) {
        case Unit::NM: return Unit::Kms;
        case Unit::Kms: return Unit::NM;
        case Unit::Pieds: return Unit::Metres;
        case Unit::Metres: return Unit::Pieds;
        case Unit::Noeuds: return Unit::Kmh;
        case Unit::Kmh: return Unit::Noeuds;
        case Unit::Fahr: return Unit::Celsius;
        case Unit::Celsius: return Unit::Fahr;
        default: throw std::invalid_argument("the fuel group has no single partner");
    }
}

std::optional<Decimal> Convert(Unit from, Unit to, const Decimal& value) {
    if (IsFuel(from) && IsFuel(to) && from != to) {
        const auto row = static_cast<std::size_t>(FuelCode(from) - 1);
        const auto column = static_cast<std::size_t>(FuelCode(to) - 1);
        return common::Multiply(value, kCarbu[row][column]);
    }
    if (IsFuel(from) || IsFuel(to) || Partner(from) != to)
        throw std::invalid_argument("units of different groups");
    switch (to) {
        case Unit::Kms:
        case Unit::Kmh: return common::Multiply(value, kKmParNM);
        case Unit::NM:
        case Unit::Noeuds: return common::Multiply(value, kNMParKm);
        case Unit::Metres: return common::Multiply(value, kMetresParPied);
        case Unit::Pieds: return common::Multiply(value, kPiedsParMetre);
        case Unit::Celsius: return FahrVersCelsius(value);
        case Unit::Fahr: return CelsiusVersFahr(value);
        default: throw std::logic_error("fuel handled above");
    }
}

std::string_view Pattern(Unit unit) {
    return unit == Unit::Fahr || unit == Unit::Celsius ? "0" : "0.###";
}

}  // namespace ventrose::conversions
