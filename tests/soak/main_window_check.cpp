// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/main_window_check.h"

#include <string>
#include <utility>
#include <vector>

#include "wind/exacttriangle.h"
#include "wind/facteurs.h"
#include "wind/sincos.h"
#include "wind/tempsdistance.h"
#include "wind/triangle.h"
#include "wind/typevent.h"

namespace ventrose::soak {

namespace {

const std::string kForm = "frmMainCalc";

bool modeTemps(scenario::Driver& driver) { return !SeenFlag(driver, kForm, "optDistance"); }

int entryBar(scenario::Driver& driver, bool temps) {
    return SeenValue(driver, kForm, temps ? "hscDt" : "hscTsv");
}

}  // namespace

void MainWindowCheck::before(scenario::Driver& driver) {
    tempsBefore_ = modeTemps(driver);
    entryBefore_ = entryBar(driver, tempsBefore_);
}

void MainWindowCheck::after(scenario::Driver& driver, bool clearClicked) {
    const bool temps = modeTemps(driver);
    if (clearClicked) {
        legFromBar_ = true;
    } else if (temps != tempsBefore_) {
        legFromBar_ = false;
    } else if (entryBar(driver, temps) != entryBefore_) {
        legFromBar_ = true;
    }
}

Check MainWindowCheck::check(scenario::Driver& driver) const {
    const int Vp = SeenValue(driver, kForm, "hscVp");
    const int Rm = SeenValue(driver, kForm, "hscRm");
    const int V = SeenValue(driver, kForm, "hscV");
    const int Vw = SeenValue(driver, kForm, "hscVw");
    const bool temps = modeTemps(driver);

    const wind::AffichageEntrees entrees = wind::AfficherEntrees(Vp, Rm, V, Vw);
    const wind::Facteurs facteurs = wind::CalculFacteurs(Vp);
    const wind::TypeVent type = wind::CalculTypeVent(V, Rm);
    const wind::SinCos sc = wind::CalculSinCos(type.Alpha);
    const wind::Triangle t =
        wind::CalculTriangle(Vp, Rm, Vw, facteurs.Fb, type.CasVent, sc.SinAlpha, sc.CosAlpha);
    const wind::ExactTriangle exact = wind::SolveExactTriangle(Vp, Rm, V, Vw);

    std::vector<std::pair<const char*, std::string>> labels = {
        {"lblVp", entrees.VpText},
        {"lblRm", entrees.RmText},
        {"lblV", entrees.VText},
        {"lblVw", entrees.VwText},
        {"lblFb", facteurs.FbText},
        {"lblInvFb", facteurs.InvFbText},
        {"lblMultSin", sc.SinAlphaText},
        {"lblMultCos", sc.CosAlphaText},
        {"lblAlpha", type.AlphaText},
        {"lblTypeVent", std::string(type.TypeVent)},
        {"lblX", t.XText},
        {"lblVt", t.VtText},
        {"lblVe", t.VeText},
        {"lblDerive", t.DeriveText},
        {"lblTc", t.TcText},
        {"lblNewCap", t.CapText},
        {"lblVs", t.VsText},
    };
    const wind::TempsDistance td =
        wind::CalculTempsDistance(temps ? wind::ModeVol::Temps : wind::ModeVol::Distance,
                                  entryBar(driver, temps), facteurs.Fb, facteurs.InvFb);
    const wind::TempsAvecVent tav = wind::CalculTempsAvecVent(td.D, t.Vs);
    // The exact heading and speed follow the bars alone; the difference also the leg.
    const wind::ExactComparison comparison = wind::CompareExact(exact, t, td, tav, Vp);
    labels.insert(labels.end(),
                  {{"lblCapExact", comparison.CapText}, {"lblVsExacte", comparison.VsText}});
    if (legFromBar_) {
        labels.insert(labels.end(), {{"lblDt", td.DEntryText},
                                     {"lblD", td.DText},
                                     {"lblTsv", td.TsvText},
                                     {"lblTsv2", td.TsvEntryText},
                                     {"lblTav", tav.TavText},
                                     {"lblEcart", temps ? comparison.EcartTempsText
                                                        : comparison.EcartDistanceText}});
    }
    for (const auto& [label, text] : labels)
        if (auto failure =
                ExpectCaption(driver, kForm, label, text, "the wind computation for its bars"))
            return failure;
    if (legFromBar_) {
        const char* hidden = temps ? "hscTsv" : "hscDt";
        const int seen = SeenValue(driver, kForm, hidden);
        if (seen != td.computedEntry)
            return Failure{kForm + "." + hidden,
                           kForm + "." + hidden + ".Value is " + std::to_string(seen) +
                               ", the leg computation gives " + std::to_string(td.computedEntry)};
    }
    return std::nullopt;
}

}  // namespace ventrose::soak
