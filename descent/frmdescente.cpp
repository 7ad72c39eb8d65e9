#include "descent/frmdescente.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "common/format.h"
#include "common/numbers.h"
#include "descent/calculdist.h"
#include "descent/calcultaux.h"
#include "descent/calculvs.h"
#include "descent/controlesdescente.h"

namespace ventrose::descent {

namespace {

// Where the selected mode's frame stands: Frame1's place in the design.
constexpr int kCadreLeft = 180;
constexpr int kCadreTop = 1320;

const BarreEntree& barreNommee(std::string_view nom) {
    for (const ModeDescente mode : kModes) {
        for (const BarreEntree& b : Barres(mode)) {
            if (b.barre == nom) return b;
        }
    }
    throw std::out_of_range(std::string(nom));
}

const platform::ControlDesign& designDe(std::string_view nom) {
    for (const platform::ControlDesign& c : FrmDescente::Design().controls) {
        if (c.name == nom) return c;
    }
    throw std::out_of_range(std::string(nom));
}

}  // namespace

FrmDescente::FrmDescente(platform::Runtime& runtime) : Form(runtime, Design()) {
    onLoad([this] { Form_Load(); });
    onChange("hscPtA", [this] { hscPtA_Change(); });
    onChange("hscPtB", [this] { hscPtB_Change(); });
    onChange("hscDist", [this] { hscDist_Change(); });
    onChange("hscVs", [this] { hscVs_Change(); });
    onChange("hscPtA2", [this] { hscPtA2_Change(); });
    onChange("hscPtB2", [this] { hscPtB2_Change(); });
    onChange("hscVz2", [this] { hscVz2_Change(); });
    onChange("hscVs2", [this] { hscVs2_Change(); });
    onChange("hscPtA3", [this] { hscPtA3_Change(); });
    onChange("hscPtB3", [this] { hscPtB3_Change(); });
    onChange("hscDist3", [this] { hscDist3_Change(); });
    onChange("hscVz3", [this] { hscVz3_Change(); });
    onClick("optTaux", [this] { optTaux_Click(); });
    onClick("optDist", [this] { optDist_Click(); });
    onClick("optVs", [this] { optVs_Click(); });
    onClick("cmdClear", [this] { cmdClear_Click(); });
    onClick("cmdQuit", [this] { cmdQuit_Click(); });
}

const EtatDescente& FrmDescente::etat(ModeDescente mode) const {
    switch (mode) {
        case ModeDescente::ModeDist:
            return EtatDist;
        case ModeDescente::ModeVs:
            return EtatVs;
        case ModeDescente::ModeTaux:
            break;
    }
    return EtatTaux;
}

EtatDescente& FrmDescente::etatMode(ModeDescente mode) {
    return const_cast<EtatDescente&>(static_cast<const FrmDescente&>(*this).etat(mode));
}

void FrmDescente::Form_Load() {
    oublieEntreesNonChargees();
    chargeValeurs();
}

// The controls come back from the design at each opening, and the load gives some bars the
// value they already have, which stores nothing. The inputs of those bars (point B, the ground
// speeds) return to their state of the first opening, so that each input is always the one
// its bar and label show.
void FrmDescente::oublieEntreesNonChargees() {
    for (const ModeDescente mode : kModes) {
        EtatDescente& e = etatMode(mode);
        for (const BarreEntree& b : Barres(mode)) {
            if (designDe(b.barre).value != b.valeurChargement) continue;
            switch (b.champ) {
                case Champ::AltA:
                    e.AltA = 0;
                    break;
                case Champ::AltB:
                    e.AltB = 0;
                    break;
                case Champ::Dist:
                    e.Dist.reset();
                    break;
                case Champ::Vs:
                    e.Vs.reset();
                    break;
                case Champ::Vz:
                    e.Vz.reset();
                    break;
            }
        }
    }
}

// Each bar that moves runs its change handler, and so its mode's computation, before the next
// step; mode Taux's bars come first, then the stored mode is selected, then the other modes.
void FrmDescente::chargeValeurs() {
    Form& f = *this;
    for (const BarreEntree& b : Barres(ModeDescente::ModeTaux)) f[b.barre].setValue(b.valeurChargement);
    f[Controles(Mode).option].setSelected(true);
    for (const BarreEntree& b : Barres(ModeDescente::ModeDist)) f[b.barre].setValue(b.valeurChargement);
    for (const BarreEntree& b : Barres(ModeDescente::ModeVs)) f[b.barre].setValue(b.valeurChargement);
}

void FrmDescente::hscPtA_Change() { entreeChange(barreNommee("hscPtA")); }
void FrmDescente::hscPtB_Change() { entreeChange(barreNommee("hscPtB")); }
void FrmDescente::hscDist_Change() { entreeChange(barreNommee("hscDist")); }
void FrmDescente::hscVs_Change() { entreeChange(barreNommee("hscVs")); }
void FrmDescente::hscPtA2_Change() { entreeChange(barreNommee("hscPtA2")); }
void FrmDescente::hscPtB2_Change() { entreeChange(barreNommee("hscPtB2")); }
void FrmDescente::hscVz2_Change() { entreeChange(barreNommee("hscVz2")); }
void FrmDescente::hscVs2_Change() { entreeChange(barreNommee("hscVs2")); }
void FrmDescente::hscPtA3_Change() { entreeChange(barreNommee("hscPtA3")); }
void FrmDescente::hscPtB3_Change() { entreeChange(barreNommee("hscPtB3")); }
void FrmDescente::hscDist3_Change() { entreeChange(barreNommee("hscDist3")); }
void FrmDescente::hscVz3_Change() { entreeChange(barreNommee("hscVz3")); }

// The stored altitude is twice the bar's value, so that a 16-bit bar covers 0 to 50000 ft. A
// bar's value is 16-bit, so both conversions always succeed; were one to fail, nothing would be
// stored or shown.
void FrmDescente::entreeChange(const BarreEntree& b) {
    Form& f = *this;
    const int valeur = f[b.barre].value();
    EtatDescente& e = etatMode(b.mode);
    double stocke = 0;
    if (b.champ == Champ::AltA || b.champ == Champ::AltB) {
        const auto alt = common::ToInteger32(2.0 * valeur);
        if (!alt) return;
        (b.champ == Champ::AltA ? e.AltA : e.AltB) = *alt;
        stocke = *alt;
    } else {
        const auto entree = common::ToInteger16(valeur);
        if (!entree) return;
        (b.champ == Champ::Dist ? e.Dist : b.champ == Champ::Vs ? e.Vs : e.Vz) = *entree;
        stocke = *entree;
    }
    f[b.etiquette].setCaption(common::FormatNumber(stocke, b.pattern));
    AppliqueAffichage(b.mode, calcule(b.mode));
}

AffichageDescente FrmDescente::calcule(ModeDescente mode) {
    switch (mode) {
        case ModeDescente::ModeDist:
            return CalculDist(EtatDist);
        case ModeDescente::ModeVs:
            return CalculVs(EtatVs);
        case ModeDescente::ModeTaux:
            break;
    }
    return CalculTaux(EtatTaux);
}

void FrmDescente::AppliqueAffichage(ModeDescente mode, const AffichageDescente& a) {
    Form& f = *this;
    const ControlesMode& c = Controles(mode);
    f[c.alt].setCaption(a.TexteAlt);
    for (std::size_t i = 0; i < c.traits.size(); ++i) f[c.traits[i]].setVisible(a.Traits[i]);
    // The bar's change handler runs once more, nested: it stores the 0 already stored and
    // finds the bar at 0 when it comes back here, so it nests no further.
    if (a.VzAZero && !c.barreVz.empty()) f[c.barreVz].setValue(0);
    const auto ecrit = [&f](std::string_view etiquette, const std::optional<std::string>& texte) {
        if (texte && !etiquette.empty()) f[etiquette].setCaption(*texte);
    };
    ecrit(c.penteDeg, a.TextePenteDeg);
    ecrit(c.pente, a.TextePente);
    ecrit(c.titre, a.TitreVario);
    ecrit(c.resultat, a.TexteResultat);
    ecrit(c.tsv, a.TexteTsv);
}

void FrmDescente::optTaux_Click() { montreCadre(ModeDescente::ModeTaux); }
void FrmDescente::optDist_Click() { montreCadre(ModeDescente::ModeDist); }
void FrmDescente::optVs_Click() { montreCadre(ModeDescente::ModeVs); }

// Changing mode computes nothing: each frame keeps what its last computation wrote. Frame1
// stands at the working position by design; the others are brought there when shown.
void FrmDescente::montreCadre(ModeDescente mode) {
    Form& f = *this;
    for (const ModeDescente m : kModes) {
        platform::Control& cadre = f[Controles(m).cadre];
        cadre.setVisible(m == mode);
        if (m == mode && m != ModeDescente::ModeTaux) {
            cadre.setLeft(kCadreLeft);
            cadre.setTop(kCadreTop);
        }
    }
    Mode = mode;
}

void FrmDescente::cmdClear_Click() { chargeValeurs(); }

void FrmDescente::cmdQuit_Click() { runtime().Unload(*this); }

}  // namespace ventrose::descent
