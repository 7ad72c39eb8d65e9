#include "navlog/calcullog.h"

#include "common/format.h"
#include "wind/facteurs.h"
#include "wind/sincos.h"
#include "wind/tempsdistance.h"
#include "wind/triangle.h"
#include "wind/typevent.h"

namespace ventrose::navlog {

namespace {

constexpr const char* kX = "X";

// Fuel is kept as it is shown, to one decimal.
double Round1(double value) { return common::RoundDecimals(value, 1); }
std::string FuelText(double value) { return common::FormatNumber(value, "0.0"); }
std::string MinutesText(double value) { return common::FormatNumber(value, "0 mn"); }

int TimeOfDay(int minutes) {
    return ((minutes % kMinutesParJour) + kMinutesParJour) % kMinutesParJour;
}

}  // namespace

ResultatLog CalculLog(const LogNav& log) {
    ResultatLog r;
    r.etapes.reserve(log.etapes.size());

    const wind::Facteurs facteurs = wind::CalculFacteurs(log.Vp);
    const double reserve = Round1(log.finalReserve);
    std::optional<int> clock = log.departure;  // time of day at the previous waypoint
    std::optional<std::int32_t> cumul = 0;
    std::optional<double> reste = Round1(log.fuelAtDeparture);
    std::optional<double> used = 0;
    TotauxLog& totaux = r.totaux;

    for (const Etape& e : log.etapes) {
        ResultatEtape& re = r.etapes.emplace_back();

        // As CalculVent in mode Temps: the distance is the entry, the rest follows from it.
        const wind::TempsDistance td =
            wind::CalculTempsDistance(wind::ModeVol::Temps, e.D, facteurs.Fb, facteurs.InvFb);
        const wind::TypeVent type = wind::CalculTypeVent(e.V, e.Rm);
        const wind::SinCos sc = wind::CalculSinCos(type.Alpha);
        wind::Triangle t = wind::CalculTriangle(log.Vp, e.Rm, e.Vw, facteurs.Fb, type.CasVent,
                                                sc.SinAlpha, sc.CosAlpha);
        wind::TempsAvecVent tav = wind::CalculTempsAvecVent(td.D, t.Vs);

        re.Derive = t.Derive;
        re.Cap = t.Cap;
        re.Vs = t.Vs;
        re.Tsv = td.Tsv;
        re.Tav = tav.Tav;
        re.DeriveText = std::move(t.DeriveText);
        re.CapText = std::move(t.CapText);
        re.VsText = std::move(t.VsText);
        re.TsvText = td.TsvText;
        re.TavText = std::move(tav.TavText);

        if (cumul && re.Tav) {
            *cumul += *re.Tav;
        } else {
            cumul.reset();
        }
        re.cumul = cumul;
        re.CumulText = cumul ? MinutesText(*cumul) : kX;

        if (clock && re.Tav) re.HE = TimeOfDay(*clock + *re.Tav);
        re.HEText = re.HE ? HeureText(*re.HE) : kX;

        if (e.HR) {
            if (clock) {
                const int flown = TimeOfDay(*e.HR - *clock);
                if (flown > 0) re.VsMadeGood = e.D / static_cast<double>(flown) * 60;
            }
            re.VsMadeGoodText = re.VsMadeGood ? common::FormatNumber(*re.VsMadeGood, "0 kts") : kX;
            clock = *e.HR;
        } else {
            clock = re.HE;
        }

        if (re.Tav) re.carburant = Round1(log.fuelPerHour * *re.Tav / 60);
        re.CarburantText = re.carburant ? FuelText(*re.carburant) : kX;
        if (reste && re.carburant) {
            reste = Round1(*reste - *re.carburant);
        } else {
            reste.reset();
        }
        re.reste = reste;
        re.ResteText = reste ? FuelText(*reste) : kX;
        re.belowReserve = reste && *reste < reserve;

        totaux.D += e.D;
        // The leg's Tsv as its text shows it: FormatNumber rounds a half away from zero.
        totaux.Tsv += static_cast<int>(common::RoundDecimals(td.Tsv, 0));
        if (used && re.carburant) {
            used = Round1(*used + *re.carburant);
        } else {
            used.reset();
        }
    }

    totaux.DText = common::FormatNumber(totaux.D, "0 NM");
    totaux.TsvText = MinutesText(totaux.Tsv);
    totaux.Tav = cumul;
    totaux.TavText = cumul ? MinutesText(*cumul) : kX;
    totaux.carburant = used;
    totaux.CarburantText = used ? FuelText(*used) : kX;
    totaux.reste = reste;
    totaux.ResteText = reste ? FuelText(*reste) : kX;
    totaux.belowReserve = reste && *reste < reserve;
    return r;
}

}  // namespace ventrose::navlog
