// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/calcullog.h"

#include <algorithm>

#include "common/format.h"
#include "common/tr.h"
#include "wind/exacttriangle.h"
#include "wind/facteurs.h"
#include "wind/sincos.h"
#include "wind/tempsdistance.h"
#include "wind/triangle.h"
#include "wind/typevent.h"

namespace ventrose::navlog {

namespace {

constexpr const char* kX = "X";
// No leg of a light aircraft lasts longer: an actual time that makes one longer is a slip of
// the keys (09:20 typed for a leg started at 09:30 would make it 23 h 50).
constexpr int kLongestLeg = 12 * 60;

// The units of the log's own figures, as a pilot of the current language writes them («102 kts»,
// «50 mn» in French; «102 kt», «50 min» in English): looked up once per computation, not per
// figure. The wind core writes its own figures' units in the current language itself.
struct Units {
    std::string kt = common::Tr("CalculLog", "0 kts");
    std::string min = common::Tr("CalculLog", "0 mn");
    std::string nm = common::Tr("CalculLog", "0 NM");
};

// Fuel is kept as it is shown, to one decimal.
double Round1(double value) { return common::RoundDecimals(value, 1); }
std::string FuelText(double value) { return common::FormatFigure(value, "0.0"); }

int TimeOfDay(int minutes) {
    return ((minutes % kMinutesParJour) + kMinutesParJour) % kMinutesParJour;
}

// As CalculVent in mode Temps: the distance is the entry, the rest follows from it.
void WindFigures(ResultatEtape& re, const wind::Facteurs& facteurs, const EntreesEtape& in) {
    const wind::TempsDistance td =
        wind::CalculTempsDistance(wind::ModeVol::Temps, in.D, facteurs.Fb, facteurs.InvFb);
    const wind::TypeVent type = wind::CalculTypeVent(in.V, in.Rm);
    const wind::SinCos sc = wind::CalculSinCos(type.Alpha);
    wind::Triangle t = wind::CalculTriangle(in.Vp, in.Rm, in.Vw, facteurs.Fb, type.CasVent,
                                            sc.SinAlpha, sc.CosAlpha);
    wind::TempsAvecVent tav = wind::CalculTempsAvecVent(td.D, t.Vs);

    re.entrees = in;
    re.Derive = t.Derive;
    re.Cap = t.Cap;
    re.Vs = t.Vs;
    re.Tsv = td.Tsv;
    re.Tav = tav.Tav;
    re.DeriveText = std::move(t.DeriveText);
    re.CapText = std::move(t.CapText);
    wind::ExactTriangle exact = wind::SolveExactTriangle(in.Vp, in.Rm, in.V, in.Vw);
    re.exactPossible = exact.possible;
    re.CapExactText = std::move(exact.CapText);
    re.VsText = std::move(t.VsText);
    re.TsvText = td.TsvText;
    re.TavText = std::move(tav.TavText);
    re.VsExacteText = std::move(exact.VsText);
}

// Sets a count and its text, writing the text only when the count changed (or was never
// written).
template <typename T, typename Text>
void Count(std::optional<T>& count, std::string& text, const std::optional<T>& value, bool fresh,
           Text toText) {
    if (!fresh && count == value) return;
    count = value;
    text = value ? toText(*value) : kX;
}

}  // namespace

ResultatLog CalculLog(const LogNav& log) {
    ResultatLog r;
    RecalculLog(log, r);
    return r;
}

void RecalculLog(const LogNav& log, ResultatLog& r) {
    // Legs beyond the earlier result have no figures yet: each is written whatever its value.
    const std::size_t known = std::min(r.etapes.size(), log.etapes.size());
    r.etapes.resize(log.etapes.size());

    const wind::Facteurs facteurs = wind::CalculFacteurs(log.Vp);
    const Units units;
    const auto minutesText = [&units](double value) {
        return common::FormatFigure(value, units.min);
    };
    const double reserve = Round1(log.finalReserve);
    std::optional<int> clock = log.departure;  // time of day at the previous waypoint
    std::optional<std::int32_t> cumul = 0;
    std::optional<double> reste = Round1(log.fuelAtDeparture);
    std::optional<double> used = 0;
    TotauxLog totaux;

    for (std::size_t i = 0; i < log.etapes.size(); ++i) {
        const Etape& e = log.etapes[i];
        ResultatEtape& re = r.etapes[i];
        const bool fresh = i >= known;
        // A course not given yet counts as north, a distance as none, until they are.
        const int D = e.D.value_or(0);
        const EntreesEtape in{log.Vp, e.Rm.value_or(0), D, e.V, e.Vw};
        if (fresh || re.entrees != in) WindFigures(re, facteurs, in);

        if (cumul && re.Tav) {
            *cumul += *re.Tav;
        } else {
            cumul.reset();
        }
        Count(re.cumul, re.CumulText, cumul, fresh, minutesText);

        std::optional<int> HE;
        if (clock && re.Tav) HE = TimeOfDay(*clock + *re.Tav);
        Count(re.HE, re.HEText, HE, fresh, HeureText);

        std::optional<double> madeGood;
        re.actualSlip = false;
        if (e.HR && clock) {
            const int flown = TimeOfDay(*e.HR - *clock);
            re.actualSlip = flown > kLongestLeg;
            if (flown > 0 && !re.actualSlip) madeGood = D / static_cast<double>(flown) * 60;
        }
        if (e.HR) {
            // Written anew when the leg had no actual time before, whose text is empty.
            Count(re.VsMadeGood, re.VsMadeGoodText, madeGood, fresh || re.VsMadeGoodText.empty(),
                  [&units](double v) { return common::FormatFigure(v, units.kt); });
            clock = *e.HR;
        } else {
            re.VsMadeGood.reset();
            re.VsMadeGoodText.clear();
            clock = HE;
        }

        std::optional<double> carburant;
        if (re.Tav) carburant = Round1(log.fuelPerHour * *re.Tav / 60);
        Count(re.carburant, re.CarburantText, carburant, fresh, FuelText);
        if (reste && carburant) {
            reste = Round1(*reste - *carburant);
        } else {
            reste.reset();
        }
        Count(re.reste, re.ResteText, reste, fresh, FuelText);
        re.belowReserve = reste && *reste < reserve;

        totaux.D += D;
        // The leg's Tsv as its text shows it: FormatNumber rounds a half away from zero.
        totaux.Tsv += static_cast<int>(common::RoundDecimals(re.Tsv, 0));
        if (used && carburant) {
            used = Round1(*used + *carburant);
        } else {
            used.reset();
        }
    }

    totaux.DText = common::FormatFigure(totaux.D, units.nm);
    totaux.TsvText = minutesText(totaux.Tsv);
    totaux.Tav = cumul;
    totaux.TavText = cumul ? minutesText(*cumul) : kX;
    totaux.carburant = used;
    totaux.CarburantText = used ? FuelText(*used) : kX;
    totaux.reste = reste;
    totaux.ResteText = reste ? FuelText(*reste) : kX;
    totaux.belowReserve = reste && *reste < reserve;
    r.totaux = std::move(totaux);
}

}  // namespace ventrose::navlog
