// SPDX-License-Identifier: GPL-3.0-or-later
#include "airspeed/tableatmo.h"

#include <stdexcept>

#include "common/numbers.h"

namespace ventrose::airspeed {

namespace {

constexpr double kPiedsParLigne = 1000;
constexpr double kMetresParLigne = 304.8;  // 1000 ft
constexpr double kPiedsParPas = 600;       // one density step of 1 %

constexpr double kPressions[kLignesAtmo] = {
    1013.2, 977.2, 942.1, 908.1, 875.1, 843.1, 812,   781.9, 752.7, 724.4, 696.9, 670.4,
    644.6,  619.6, 595.5, 572.1, 549.4, 527.5, 506.3, 485.8, 466,   446.8, 428.3, 410.5,
    393.2,  376.5, 360.4, 344.9, 329.9, 315.4, 301.5, 288.1, 275.1, 262.6, 250.6, 239.1,
    228,    217.3, 207.1, 197.5, 188.2, 179.4, 171,   163,   155.4, 148.2};

// Rows whose temperature is a measured value rather than 2 °C below the row above.
struct TempMesuree {
    std::size_t ligne;
    double temp;
};
constexpr TempMesuree kTempsMesurees[] = {{0, 15},     {3, 9.1},    {8, -0.8},
                                          {14, -12.7}, {19, -22.6}, {24, -32.5},
                                          {30, -44.4}, {35, -54.3}, {36, -56.3}};
constexpr std::size_t kDebutTropopause = 37;  // from 37000 ft the temperature is constant
constexpr double kTempTropopause = -56.5;

}  // namespace

TableAtmo InitTableAtmo() {
    TableAtmo table{};
    for (std::size_t k = 1; k < kLignesAtmo; ++k)
        table[k].AltPieds = table[k - 1].AltPieds + kPiedsParLigne;
    // Every sum stays far inside the 16-bit range (13725 at most), so the conversion always has
    // a value.
    for (std::size_t k = 1; k < kLignesAtmo; ++k) {
        table[k].AltMetres = common::ToInteger16(table[k - 1].AltMetres + kMetresParLigne).value();
    }
    InitTemperatures(table);
    InitPressions(table);
    for (std::size_t k = 1; k < kLignesAtmo; ++k) {
        table[k].PasDensite = common::Truncate(table[k].AltPieds / kPiedsParPas);
    }
    return table;
}

void InitTemperatures(TableAtmo& table) {
    std::size_t mesuree = 0;
    for (std::size_t k = 0; k < kDebutTropopause; ++k) {
        if (mesuree < std::size(kTempsMesurees) && kTempsMesurees[mesuree].ligne == k) {
            table[k].TempStd = kTempsMesurees[mesuree++].temp;
        } else {
            table[k].TempStd = table[k - 1].TempStd - 2;
        }
    }
    for (std::size_t k = kDebutTropopause; k < kLignesAtmo; ++k) table[k].TempStd = kTempTropopause;
}

void InitPressions(TableAtmo& table) {
    for (std::size_t k = 0; k < kLignesAtmo; ++k) table[k].PressionStd = kPressions[k];
}

std::int32_t LigneAltitude(std::int32_t altitude) {
    // A 32-bit altitude divided by 1000 always fits 32 bits.
    return common::ToInteger32(altitude / kPiedsParLigne).value();
}

const LigneAtmo& LigneDe(const TableAtmo& table, std::int32_t altitude) {
    const std::int32_t ligne = LigneAltitude(altitude);
    if (ligne < 0 || static_cast<std::size_t>(ligne) >= table.size()) {
        throw std::out_of_range("altitude outside the standard atmosphere table");
    }
    return table[static_cast<std::size_t>(ligne)];
}

}  // namespace ventrose::airspeed
