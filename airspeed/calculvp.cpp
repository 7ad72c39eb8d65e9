// SPDX-License-Identifier: GPL-3.0-or-later
#include "airspeed/calculvp.h"

#include <optional>

#include "common/format.h"
#include "common/numbers.h"
#include "common/tr.h"

namespace ventrose::airspeed {

namespace {

constexpr double kKmhParNoeud = 1.853;
constexpr double kDegresParPas = 5;  // one temperature step of 1 %

}  // namespace

// The patterns carry the units, which the translation changes («152 Kts», «152 kt»); the
// figures take the language's decimal mark.
std::string FormatVp(double Vp) {
    return common::FormatFigure(Vp, common::Tr("CalculVp", "0 Kts"));
}

std::string FormatVpKm(double VpKm) {
    return common::FormatFigure(VpKm, common::Tr("CalculVp", "0 Km/h"));
}

ResultatVp CalculVp(std::int16_t Vi, std::int32_t Altitude, const TableAtmo& table) {
    const LigneAtmo& ligne = LigneDe(table, Altitude);
    ResultatVp r;
    r.Vp = Vi * ligne.PasDensite / 100;
    r.Vp = r.Vp + Vi;
    r.VpKm = r.Vp * kKmhParNoeud;
    r.affichage.VpText = FormatVp(r.Vp);
    r.affichage.AltitudeText = common::FormatFigure(Altitude, common::Tr("CalculVp", "0 pieds"));
    r.affichage.AltMetresText =
        common::FormatFigure(ligne.AltMetres, common::Tr("CalculVp", "0 mètres"));
    r.affichage.TempStdText = common::FormatFigure(ligne.TempStd, "0.0 °");
    r.affichage.PressionStdText =
        common::FormatFigure(ligne.PressionStd, common::Tr("CalculVp", "0.00 Hpa"));
    r.affichage.VpKmText = FormatVpKm(r.VpKm);
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
    r.VpText = FormatVp(r.Vp);
    r.VpKmText = FormatVpKm(r.VpKm);
    return r;
}

}  // namespace ventrose::airspeed
