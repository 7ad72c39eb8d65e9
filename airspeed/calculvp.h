// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "airspeed/tableatmo.h"

namespace ventrose::airspeed {

// The six result texts of the airspeed window, each named after the quantity it shows.
struct AffichageVp {
    std::string VpText;           // Vp, "0 Kts"
    std::string VpKmText;         // VpKm, "0 Km/h"
    std::string AltitudeText;     // Altitude, "0 pieds"
    std::string AltMetresText;    // AltMetres of the row, "0 mètres"
    std::string TempStdText;      // TempStd of the row, "0.0 °"
    std::string PressionStdText;  // PressionStd of the row, "0.00 Hpa"
};

// The true airspeed in knots and in km/h as the window shows them, in the current language:
// whole, a half rounded up («152 Kts»). Whichever result the window shows, it can show it again
// in another language from the figure alone.
std::string FormatVp(double Vp);
std::string FormatVpKm(double VpKm);

// True airspeed in the standard atmosphere.
struct ResultatVp {
    double Vp = 0;    // knots, with its fraction
    double VpKm = 0;  // km/h
    AffichageVp affichage;
};

// 1 % of Vi per 600 ft: Vp = Vi x PasDensite / 100 + Vi, the fraction kept (the display rounds a
// half up, so 151.5 shows «152 Kts»). Vi from 60 to 1800, Altitude a multiple of 1000 within
// the table.
ResultatVp CalculVp(std::int16_t Vi, std::int32_t Altitude, const TableAtmo& table);

// True airspeed corrected for a typed outside temperature. Every quantity but VpKm is a 16-bit
// whole number.
struct ResultatVpTempExt {
    std::int16_t TempExt = 0;   // the typed temperature, whole degrees
    double TempExtLue = 0;      // the typed temperature as read, before rounding, °C
    std::int16_t CorrTemp = 0;  // 1 % steps for the difference from the standard temperature
    double Vp = 0;              // knots, whole
    double VpKm = 0;            // km/h
    std::string VpText;         // "0 Kts"
    std::string VpKmText;       // "0 Km/h"
};

// Why a typed temperature gives no result.
enum class TempExtRefusal {
    Empty,       // nothing typed: nothing to do and nothing to say
    NotANumber,  // «-», «5-», «1,2,3», «,», letters pasted
    OutOfRange,  // a whole number of the computation would leave the 16-bit range («99999»)
};

// Adds to the density steps one step per 5 °C that the typed temperature (rounded to a whole
// degree, a tie to even) lies from the standard one, and rounds the correction to whole knots
// (a tie to even) before adding it to Vi: so the standard temperature can show one knot less
// than CalculVp (250 kt at 1000 ft: 252 against 252.5 shown «253 Kts»).
std::variant<ResultatVpTempExt, TempExtRefusal> CalculVpTempExt(std::int16_t Vi,
                                                                std::int32_t Altitude,
                                                                const TableAtmo& table,
                                                                std::string_view texte);

}  // namespace ventrose::airspeed
