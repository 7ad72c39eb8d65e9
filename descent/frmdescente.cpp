// SPDX-License-Identifier: GPL-3.0-or-later
#include "descent/frmdescente.h"

#include <optional>
#include <string>

#include "common/format.h"
#include "common/numbers.h"
#include "common/tr.h"
#include "descent/calculdist.h"
#include "descent/calcultaux.h"
#include "descent/calculvs.h"
#include "simlink/inputs.h"

namespace ventrose::descent {

FrmDescente::FrmDescente(platform::Runtime& runtime) : Form(runtime, Design()) {
    onLoad([this] {
        Form_Load();
        suivi_.loaded();
    });
    hscPtA.onChange([this] { hscPtA_Change(); });
    hscPtB.onChange([this] { hscPtB_Change(); });
    hscDist.onChange([this] { hscDist_Change(); });
    hscVs.onChange([this] { hscVs_Change(); });
    hscPtA2.onChange([this] { hscPtA2_Change(); });
    hscPtB2.onChange([this] { hscPtB2_Change(); });
    hscVz2.onChange([this] { hscVz2_Change(); });
    hscVs2.onChange([this] { hscVs2_Change(); });
    hscPtA3.onChange([this] { hscPtA3_Change(); });
    hscPtB3.onChange([this] { hscPtB3_Change(); });
    hscDist3.onChange([this] { hscDist3_Change(); });
    hscVz3.onChange([this] { hscVz3_Change(); });
    optTaux.onClick([this] { optTaux_Click(); });
    optDist.onClick([this] { optDist_Click(); });
    optVs.onClick([this] { optVs_Click(); });
    cmdClear.onClick([this] { cmdClear_Click(); });
    cmdQuit.onClick([this] { cmdQuit_Click(); });
    chkSuivre.onClick([this] { chkSuivre_Click(); });
    onLanguageChange([this](common::Language) {
        changeLanguage();
        suivi_.languageChanged();
    });
}

const EtatDescente& FrmDescente::etat(ModeDescente mode) const {
    switch (mode) {
        case ModeDescente::ModeDist: return EtatDist;
        case ModeDescente::ModeVs: return EtatVs;
        case ModeDescente::ModeTaux: break;
    }
    return EtatTaux;
}

EtatDescente& FrmDescente::stateOf(ModeDescente mode) {
    return const_cast<EtatDescente&>(static_cast<const FrmDescente&>(*this).etat(mode));
}

void FrmDescente::Form_Load() {
    forgetInputsNotReloaded();
    loadInputs();
}

// The controls come back from the design at each opening, and the load gives some bars the
// value they already have, which stores nothing. The inputs of those bars (point B, the ground
// speeds) return to their state of the first opening, so that each input is always the one
// its bar and label show.
void FrmDescente::forgetInputsNotReloaded() {
    for (const ModeDescente mode : kModes) {
        EtatDescente& e = stateOf(mode);
        for (const BarreEntree& b : barres(mode)) {
            if (design().controls[b.barre.row()].value != b.valeurChargement) continue;
            switch (b.champ) {
                case Champ::AltA: e.AltA = 0; break;
                case Champ::AltB: e.AltB = 0; break;
                case Champ::Dist: e.Dist.reset(); break;
                case Champ::Vs: e.Vs.reset(); break;
                case Champ::Vz: e.Vz.reset(); break;
            }
        }
    }
}

// Each bar that moves runs its change handler, and so its mode's computation, before the next
// step; mode Taux's bars come first, then the stored mode is selected, then the other modes.
void FrmDescente::loadInputs() {
    for (const BarreEntree& b : barres(ModeDescente::ModeTaux))
        b.barre->setValue(b.valeurChargement);
    controles(Mode).option->setSelected(true);
    for (const BarreEntree& b : barres(ModeDescente::ModeDist))
        b.barre->setValue(b.valeurChargement);
    for (const BarreEntree& b : barres(ModeDescente::ModeVs)) b.barre->setValue(b.valeurChargement);
}

void FrmDescente::hscPtA_Change() { inputChanged(hscPtA); }
void FrmDescente::hscPtB_Change() { inputChanged(hscPtB); }
void FrmDescente::hscDist_Change() { inputChanged(hscDist); }
void FrmDescente::hscVs_Change() { inputChanged(hscVs); }
void FrmDescente::hscPtA2_Change() { inputChanged(hscPtA2); }
void FrmDescente::hscPtB2_Change() { inputChanged(hscPtB2); }
void FrmDescente::hscVz2_Change() { inputChanged(hscVz2); }
void FrmDescente::hscVs2_Change() { inputChanged(hscVs2); }
void FrmDescente::hscPtA3_Change() { inputChanged(hscPtA3); }
void FrmDescente::hscPtB3_Change() { inputChanged(hscPtB3); }
void FrmDescente::hscDist3_Change() { inputChanged(hscDist3); }
void FrmDescente::hscVz3_Change() { inputChanged(hscVz3); }

// The stored altitude is twice the bar's value, so that a 16-bit bar covers 0 to 50000 ft. A
// bar's value is 16-bit, so both conversions always succeed; were one to fail, nothing would be
// stored or shown.
void FrmDescente::inputChanged(const platform::ScrollBarRef& bar) {
    const BarreEntree& b = controles_.entree(bar);
    if (b.champ == Champ::AltA || b.champ == Champ::Vs) suivi_.stopIfByHand(*bar);
    const int value = bar->value();
    EtatDescente& e = stateOf(b.mode);
    double stored = 0;
    if (b.champ == Champ::AltA || b.champ == Champ::AltB) {
        const auto alt = common::ToInteger32(2.0 * value);
        if (!alt) return;
        (b.champ == Champ::AltA ? e.AltA : e.AltB) = *alt;
        stored = *alt;
    } else {
        const auto input = common::ToInteger16(value);
        if (!input) return;
        (b.champ == Champ::Dist ? e.Dist : b.champ == Champ::Vs ? e.Vs : e.Vz) = *input;
        stored = *input;
    }
    showInput(b, stored);
    AppliqueAffichage(b.mode, compute(b.mode));
}

void FrmDescente::showInput(const BarreEntree& b, double stored) {
    b.etiquette->setCaption(
        common::FormatFigure(stored, common::TrText("frmDescente", std::string(b.pattern))));
}

// Every mode's labels again in the new language: the inputs its bars stored, then its results
// computed again from them, which gives the same figures (a level change has already put its
// vertical speed to 0). An input its bar never stored keeps the design's text, which the
// runtime has translated.
void FrmDescente::changeLanguage() {
    for (const ModeDescente mode : kModes) {
        const EtatDescente& e = etat(mode);
        for (const BarreEntree& b : barres(mode)) {
            std::optional<double> stored;
            switch (b.champ) {
                case Champ::AltA: stored = e.AltA; break;
                case Champ::AltB: stored = e.AltB; break;
                case Champ::Dist: stored = e.Dist; break;
                case Champ::Vs: stored = e.Vs; break;
                case Champ::Vz: stored = e.Vz; break;
            }
            if (stored) showInput(b, *stored);
        }
        AppliqueAffichage(mode, compute(mode));
    }
}

AffichageDescente FrmDescente::compute(ModeDescente mode) {
    switch (mode) {
        case ModeDescente::ModeDist: return CalculDist(EtatDist);
        case ModeDescente::ModeVs: return CalculVs(EtatVs);
        case ModeDescente::ModeTaux: break;
    }
    return CalculTaux(EtatTaux);
}

void FrmDescente::AppliqueAffichage(ModeDescente mode, const AffichageDescente& a) {
    const ControlesMode& c = controles(mode);
    c.alt->setCaption(a.TexteAlt);
    for (std::size_t i = 0; i < c.traits.size(); ++i) c.traits[i]->setVisible(a.Traits[i]);
    // The bar's change handler runs once more, nested: it stores the 0 already stored and
    // finds the bar at 0 when it comes back here, so it nests no further.
    if (a.VzAZero && c.barreVz) (*c.barreVz)->setValue(0);
    const auto write = [](const platform::LabelRef& label, const std::optional<std::string>& text) {
        if (text) label->setCaption(*text);
    };
    write(c.penteDeg, a.TextePenteDeg);
    write(c.pente, a.TextePente);
    if (c.titre) write(*c.titre, a.TitreVario);
    write(c.resultat, a.TexteResultat);
    write(c.tsv, a.TexteTsv);
}

void FrmDescente::optTaux_Click() { showFrame(ModeDescente::ModeTaux); }
void FrmDescente::optDist_Click() { showFrame(ModeDescente::ModeDist); }
void FrmDescente::optVs_Click() { showFrame(ModeDescente::ModeVs); }

// Changing mode computes nothing: each frame keeps what its last computation wrote. Frame1
// stands at the working position by design; the others are brought there when shown.
void FrmDescente::showFrame(ModeDescente mode) {
    const platform::ControlDesign& working = design().controls[Frame1.row()];
    for (const ModeDescente m : kModes) {
        platform::Control& frame = *controles(m).cadre;
        frame.setVisible(m == mode);
        if (m == mode && m != ModeDescente::ModeTaux) {
            frame.setLeft(working.left);
            frame.setTop(working.top);
        }
    }
    Mode = mode;
}

void FrmDescente::cmdClear_Click() { loadInputs(); }

void FrmDescente::cmdQuit_Click() { runtime().Unload(*this); }

void FrmDescente::chkSuivre_Click() { suivi_.boxClicked(); }

void FrmDescente::LierSimulateur(bool lie) { suivi_.setLink(lie); }
void FrmDescente::EtatSimulateur(std::string_view etat, bool recoit) {
    suivi_.setStatus(etat, recoit);
}
void FrmDescente::SuivreSimulateur(const simlink::SimValues& values) { suivi_.deliver(values); }

std::vector<platform::LabelRef> FrmDescente::etiquettesSuivies() const {
    std::vector<platform::LabelRef> etiquettes;
    for (const ModeDescente mode : kModes)
        for (const BarreEntree& b : barres(mode))
            if (b.champ == Champ::AltA || b.champ == Champ::Vs) etiquettes.push_back(b.etiquette);
    return etiquettes;
}

// Every mode's point A and ground speed bars, each running its handler and its mode's
// computation when it moves.
void FrmDescente::appliquerSimulateur(const simlink::SimValues& values) {
    const simlink::DescentInputs entrees = simlink::DescentFromSim(values);
    for (const ModeDescente mode : kModes) {
        for (const BarreEntree& b : barres(mode)) {
            if (b.champ == Champ::AltA && entrees.AltABar) b.barre->setValue(*entrees.AltABar);
            if (b.champ == Champ::Vs && entrees.Vs) b.barre->setValue(*entrees.Vs);
        }
    }
}

}  // namespace ventrose::descent
