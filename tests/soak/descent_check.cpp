// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/descent_check.h"

#include <string>
#include <vector>

#include "app/application.h"
#include "descent/calculdist.h"
#include "descent/calcultaux.h"
#include "descent/calculvs.h"
#include "descent/controlesdescente.h"
#include "descent/frmdescente.h"

namespace ventrose::soak {

using descent::AffichageDescente;
using descent::Champ;
using descent::ModeDescente;

namespace {

const std::string kForm = "frmDescente";

AffichageDescente compute(ModeDescente mode, descent::EtatDescente etat) {
    switch (mode) {
        case ModeDescente::ModeDist: return descent::CalculDist(etat);
        case ModeDescente::ModeVs: return descent::CalculVs(etat);
        case ModeDescente::ModeTaux: break;
    }
    return descent::CalculTaux(etat);
}

Check compare(scenario::Driver& driver, ModeDescente mode, const AffichageDescente& a) {
    const descent::ControlesMode& c = driver.application().frmDescente().controles(mode);
    const std::string why = "the frame's computation for its bars";
    if (auto f = ExpectCaption(driver, kForm, c.alt.name(), a.TexteAlt, why)) return f;
    for (std::size_t i = 0; i < c.traits.size(); ++i) {
        const std::string& line = c.traits[i].name();
        if (SeenFlag(driver, kForm, line, "Visible") != a.Traits[i])
            return Failure{kForm + "." + line, kForm + "." + line + ".Visible is not " +
                                                   (a.Traits[i] ? "true" : "false") + " as " + why +
                                                   " gives"};
    }
    const auto optional = [&](const std::optional<platform::LabelRef>& label,
                              const std::optional<std::string>& text) -> Check {
        if (!text || !label) return std::nullopt;
        return ExpectCaption(driver, kForm, label->name(), *text, why);
    };
    if (auto f = optional(c.penteDeg, a.TextePenteDeg)) return f;
    if (auto f = optional(c.pente, a.TextePente)) return f;
    if (auto f = optional(c.titre, a.TitreVario)) return f;
    if (auto f = optional(c.resultat, a.TexteResultat)) return f;
    return optional(c.tsv, a.TexteTsv);
}

Check checkFrame(scenario::Driver& driver, ModeDescente mode) {
    descent::EtatDescente etat;
    // The optional inputs that may still be absent, as bits of `unset` below.
    std::vector<Champ> mayBeAbsent;
    for (const descent::BarreEntree& b : driver.application().frmDescente().barres(mode)) {
        const int value = SeenValue(driver, kForm, b.barre.name());
        switch (b.champ) {
            case Champ::AltA: etat.AltA = 2 * value; break;
            case Champ::AltB: etat.AltB = 2 * value; break;
            case Champ::Dist: etat.Dist = static_cast<std::int16_t>(value); break;
            case Champ::Vs: etat.Vs = static_cast<std::int16_t>(value); break;
            case Champ::Vz: etat.Vz = static_cast<std::int16_t>(value); break;
        }
        if (b.champ != Champ::AltA && b.champ != Champ::AltB && value == b.valeurChargement)
            mayBeAbsent.push_back(b.champ);
    }
    Check first;
    for (unsigned unset = 0; unset < (1u << mayBeAbsent.size()); ++unset) {
        descent::EtatDescente e = etat;
        for (std::size_t i = 0; i < mayBeAbsent.size(); ++i) {
            if (!(unset & (1u << i))) continue;
            if (mayBeAbsent[i] == Champ::Dist) e.Dist.reset();
            if (mayBeAbsent[i] == Champ::Vs) e.Vs.reset();
            if (mayBeAbsent[i] == Champ::Vz) e.Vz.reset();
        }
        Check c = compare(driver, mode, compute(mode, e));
        if (!c) return std::nullopt;
        if (!first) first = c;
    }
    return first;
}

}  // namespace

Check CheckDescent(scenario::Driver& driver) {
    for (const ModeDescente mode : descent::kModes)
        if (auto f = checkFrame(driver, mode)) return f;
    return std::nullopt;
}

}  // namespace ventrose::soak
