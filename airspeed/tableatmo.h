// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ventrose::airspeed {

// One row of the standard atmosphere, for one altitude in whole thousands of feet.
struct LigneAtmo {
    double AltPieds = 0;     // feet; serves only to compute PasDensite
    double AltMetres = 0;    // metres, whole
    double TempStd = 0;      // degrees Celsius
    double PressionStd = 0;  // hectopascals
    double PasDensite = 0;   // whole 600 ft steps in AltPieds
};

inline constexpr std::size_t kLignesAtmo = 46;  // 0 to 45000 ft by 1000 ft

// Row k belongs to k x 1000 ft. There is no interpolation: every altitude the window selects
// is the altitude of a row.
using TableAtmo = std::array<LigneAtmo, kLignesAtmo>;

// Builds the whole table: feet, metres, then InitTemperatures, InitPressions, then the density
// steps. The metres are accumulated by rounding at each row, so each row adds exactly 305 m
// (45000 ft gives 13725 m, not 13716).
TableAtmo InitTableAtmo();

// Fills TempStd: a few rows hold measured values, the rows between them lose 2 °C per row from
// the row above (computed, so 3.1 - 2 - 2 ... keeps the doubles' small drift), and from 37000 ft
// up the temperature stays at -56.5.
void InitTemperatures(TableAtmo& table);

// Fills PressionStd with the standard pressures.
void InitPressions(TableAtmo& table);

// The row of an altitude in feet: altitude / 1000 rounded to the nearest row, a tie to the even
// one. Defined for 0 to 45499 ft; the window only asks for multiples of 1000 within 0..45000.
std::int32_t LigneAltitude(std::int32_t altitude);

// The row of an altitude, checked: an altitude outside the table throws std::out_of_range
// rather than read past it.
const LigneAtmo& LigneDe(const TableAtmo& table, std::int32_t altitude);

}  // namespace ventrose::airspeed
