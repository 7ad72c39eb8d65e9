// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ventrose::wind {

// The two modes of the leg block: the distance is entered and the times are shown (Temps), or
// the time without wind is entered and the distance is shown (Distance).
enum class ModeVol { Temps, Distance };

// Ranges of the two entry bars. The bar of the other mode is hidden and follows the result.
inline constexpr int kDtMax = 400;   // hscDt, nautical miles
inline constexpr int kTsvMax = 240;  // hscTsv, minutes

struct TempsDistance {
    double D = 0;    // distance, NM: entered in mode Temps, computed in mode Distance
    double Tsv = 0;  // time without wind, minutes: entered in mode Distance, computed in Temps
    std::string DEntryText;  // D beside its entry, " 0 NM"
    std::string DText;       // D as a result, "0 NM"
    std::string TsvText;     // Tsv as a result, "0 mn"
    std::string
        TsvEntryText;  // Tsv beside its entry, " 0 mn" in mode Temps, " 0mn" in mode Distance
    // The computed quantity as the other mode's entry holds it (Tsv in mode Temps, D in mode
    // Distance), so that the entry follows the result: rounded to the nearest whole number (a tie
    // to even). A value beyond the entry's range pins it at that end; the texts still show the
    // computed value.
    int computedEntry = 0;
};

// entered: D (mode Temps) or Tsv (mode Distance), as the entry bar gives it.
TempsDistance CalculTempsDistance(ModeVol mode, double entered, double Fb, double InvFb);

struct TempsAvecVent {
    // Time with wind in minutes, nearest whole number with a tie to even; absent when the ground
    // speed is not positive ("X") or when the time would not fit in 16 bits ("> 32767 mn").
    std::optional<std::int16_t> Tav;
    std::string TavText;  // "0 mn", "X" or "> 32767 mn"
};

// 60 x (D / Vs): the quotient first, then the product.
TempsAvecVent CalculTempsAvecVent(double D, double Vs);

// The same time without its text, for what compares times rather than shows them.
std::optional<std::int16_t> MinutesWithWind(double D, double Vs);

}  // namespace ventrose::wind
