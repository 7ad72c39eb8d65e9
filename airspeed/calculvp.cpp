// SPDX-License-Identifier: GPL-3.0-or-later
#include "airspeed/calculvp.h"

#include <optional>

#include "common/format.h"
#include "common/numbers.h"

namespace ventrose::airspeed {

namespace {

constexpr double kKmhParNoeud = 1.853;
constexpr double kDegresParPas = 5;  // one temperature step of 1 %

}  // namespace

ResultatVp CalculVp(std::int16_t Vi, std::int32_t Altitude, const TableAtmo& table) {
    const LigneAtmo& ligne = LigneDe(table, Altitude);
    ResultatVp r;
    r.Vp = Vi * ligne.PasDensite / 100;
    r.Vp = r.Vp + Vi;
    r.VpKm = r.Vp * kKmhParNoeud;
    r.affichage.VpText = common::FormatNumber(r.Vp, "0 Kts");
    r.affichage.AltitudeText = common::FormatNumber(Altitude, "0 pieds");
    r.affichage.AltMetresText = common::FormatNumber(ligne.AltMetres, "0 mètres");
    r.affichage.TempStdText = common::FormatNumber(ligne.TempStd, "0.0 °");
    r.affichage.PressionStdText = common::FormatNumber(ligne.PressionStd, "0.00 Hpa");
    r.affichage.VpKmText = common::FormatNumber(r.VpKm, "0 Km/h");
    return r;
}

std::variant<ResultatVpTempExt, TempExtRefusal> CalculVpTempExt(std::int16_t Vi,
                                                                std::int32_t Altitude,
                                                                const TableAtmo& table,
                                                                std::string_view texte) {
    if (texte.empty()) return TempExtRefusal::Empty;
    const std::optional<double> lu = common::ParseNumber(texte);
    if (!lu) return TempExtRefusal::NotANumber;

    const std::optional<std::int16_t> TempExt = common::ToInteger16(*lu);
    if (!TempExt) return TempExtRefusal::OutOfRange;
    const LigneAtmo& ligne = LigneDe(table, Altitude);
    const std::optional<std::int16_t> CorrTemp =
        common::ToInteger16((*TempExt - ligne.TempStd) / kDegresParPas);
    if (!CorrTemp) return TempExtRefusal::OutOfRange;
    const std::optional<std::int16_t> correction =
        common::ToInteger16(Vi * (ligne.PasDensite + *CorrTemp) / 100);
    if (!correction) return TempExtRefusal::OutOfRange;
    // Vi and the correction are both 16-bit whole numbers, and so is their sum.
    const std::optional<std::int16_t> Vp =
        common::ToInteger16(static_cast<double>(Vi) + *correction);
    if (!Vp) return TempExtRefusal::OutOfRange;

    ResultatVpTempExt r;
    r.TempExt = *TempExt;
    r.TempExtLue = *lu;
    r.CorrTemp = *CorrTemp;
    r.Vp = *Vp;
    r.VpKm = r.Vp * kKmhParNoeud;
    r.VpText = common::FormatNumber(r.Vp, "0 Kts");
    r.VpKmText = common::FormatNumber(r.VpKm, "0 Km/h");
    return r;
}

}  // namespace ventrose::airspeed
