// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "navlog/lognav.h"

// The navigation log's figures. Each leg is the main window's computation for the log's Vp and
// the leg's Rm, V, Vw and D, in mode Temps: the same wind-core functions in the same order as
// FrmMainCalc::CalculVent, so the same rounding and the same texts («095 °», «102 kts», «50 mn»,
// «X»), and the exact triangle's heading and ground speed beside them. The texts are in the
// current language (common::CurrentLanguage(): «102 kt», «50 min», «12.5» in English); the
// figures are the same in both. On top of them the log adds, leg after leg:
//
// - cumul: the sum of the times with wind so far, each taken as its leg shows it (whole
//   minutes), so that the column adds up as a pilot adds it on paper;
// - HE, the estimated time at the waypoint: the previous waypoint's time (its actual time HR if
//   one was typed, else its HE; the departure time for the first leg) plus the leg's time with
//   wind. Without actual times this is the departure time plus cumul. An actual time shifts
//   every later HE by the difference between it and the estimate, since each HE counts from it.
//   Times of day are taken modulo 24 h: a flight past midnight reads «00:40»;
// - when the pilot typed HR, the ground speed made good on the leg, 60 x (D / minutes flown),
//   the minutes flown being HR less the previous waypoint's time, modulo 24 h (a leg is taken to
//   last less than a day); «X» when they are zero or when the previous time is not known, and
//   when they are more than 12 hours, which no leg lasts: such an HR is taken as a typing slip
//   (09:20 typed for 10:20), marked `actualSlip` for the window to show;
// - the fuel used on the leg, fuelPerHour x Tav / 60, and the fuel remaining at the waypoint,
//   both kept rounded to one decimal as shown, as the main window keeps its factors: the fuel
//   column then adds up exactly. The departure fuel and the reserve are rounded the same way,
//   and a remaining fuel is below the reserve when its shown figure is. The fuel figures are the
//   plan's: actual times change the estimated times, not the fuel used;
// - when a leg's time with wind is not known («X» when its ground speed is not positive, or
//   «> 32767 mn»), its fuel used reads «X», and so do cumul, HE and the fuel remaining from that
//   leg to the last one: no later figure can be counted from it. An actual time typed at a later
//   waypoint gives a time of day to count from again, so the HE after it come back; cumul and
//   the remaining fuel do not.
namespace ventrose::navlog {

// What a leg's wind figures were computed from: RecalculLog computes them again only when these
// change.
struct EntreesEtape {
    int Vp = 0, Rm = 0, D = 0, V = 0, Vw = 0;
    friend bool operator==(const EntreesEtape&, const EntreesEtape&) = default;
};

struct ResultatEtape {
    EntreesEtape entrees;

    // The main window's figures for the leg.
    double Derive = 0;                // drift, degrees
    double Cap = 0;                   // heading to fly, degrees
    double Vs = 0;                    // ground speed, kt
    double Tsv = 0;                   // time without wind, minutes
    std::optional<std::int16_t> Tav;  // time with wind, minutes
    std::string DeriveText;           // "0 °"
    std::string CapText;              // "000 °"
    std::string VsText;               // "0 kts"
    std::string TsvText;              // "0 mn"
    std::string TavText;              // "0 mn", "X" or "> 32767 mn"

    // The exact triangle's (wind/exacttriangle.h), for the columns beside the method's: "000 °"
    // and "0 kts", or "X" both when no heading holds the course, a short form for a narrow
    // column whose note gives the reason.
    bool exactPossible = false;
    std::string CapExactText;  // "000 °" or "X"
    std::string VsExacteText;  // "0 kts" or "X"

    std::optional<std::int32_t> cumul;  // minutes since the departure, with wind
    std::string CumulText;              // "0 mn" or "X"
    std::optional<int> HE;              // estimated time at the waypoint, minutes after midnight
    std::string HEText;                 // "HH:MM" or "X"

    // Only when the leg has an actual time HR.
    std::optional<double> VsMadeGood;  // kt
    std::string VsMadeGoodText;        // "0 kts", "X", or empty without HR
    bool actualSlip = false;           // HR would make the leg last more than 12 hours

    std::optional<double> carburant;  // fuel used on the leg
    std::string CarburantText;        // "0.0" or "X"
    std::optional<double> reste;      // fuel remaining at the waypoint
    std::string ResteText;            // "0.0" or "X"
    bool belowReserve = false;        // the window shows `reste` in red
    friend bool operator==(const ResultatEtape&, const ResultatEtape&) = default;
};

struct TotauxLog {
    int D = 0;
    std::string DText;  // "0 NM"
    // The sums of the legs' figures as shown (each leg's Tsv rounded to whole minutes).
    int Tsv = 0;
    std::string TsvText;              // "0 mn"
    std::optional<std::int32_t> Tav;  // unknown when a leg's is
    std::string TavText;              // "0 mn" or "X"
    std::optional<double> carburant;  // fuel used, unknown when a leg's is
    std::string CarburantText;        // "0.0" or "X"
    std::optional<double> reste;      // fuel at arrival; the departure fuel without legs
    std::string ResteText;            // "0.0" or "X"
    bool belowReserve = false;
    friend bool operator==(const TotauxLog&, const TotauxLog&) = default;
};

struct ResultatLog {
    std::vector<ResultatEtape> etapes;  // one per leg of the log, in order
    TotauxLog totaux;
    friend bool operator==(const ResultatLog&, const ResultatLog&) = default;
};

// The log's figures. The log's values are taken to be within their ranges (VerifierLog says so);
// any number of legs is computed, the limit of kMaxEtapes being the file's and the window's.
ResultatLog CalculLog(const LogNav& log);

// Makes `resultat` CalculLog(log) again after a change of the log, computing only what changed:
// `resultat` must hold the figures of an earlier state of the log (or nothing). A leg whose
// inputs are those its figures were computed from keeps its wind figures, leg by leg at the
// same place; a count (cumul, HE, speed made good, fuel) that comes out equal keeps its text.
// Nearly all the time of a recomputation goes into writing texts, so after one change this
// writes one leg's and the counts that moved, rather than every text of every leg.
// Texts written in another language stay as they are: after a change of language, CalculLog
// writes them all again.
void RecalculLog(const LogNav& log, ResultatLog& resultat);

}  // namespace ventrose::navlog
