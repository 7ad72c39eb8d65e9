#pragma once

#include "descent/affichagedescente.h"
#include "descent/etatdescente.h"
#include "descent/modedescente.h"
#include "platform/form.h"
#include "platform/runtime.h"

namespace ventrose::descent {

struct BarreEntree;

// The descent planner: three modes, each a frame of four input bars and its results. Every
// change of a bar stores the input, shows it and recomputes that bar's mode. The mode and the
// inputs are fields of the form object, so they outlive the window's controls.
class FrmDescente : public platform::Form {
public:
    explicit FrmDescente(platform::Runtime& runtime);

    static const platform::FormDesign& Design();

    void Form_Load();

    void hscPtA_Change();
    void hscPtB_Change();
    void hscDist_Change();
    void hscVs_Change();
    void hscPtA2_Change();
    void hscPtB2_Change();
    void hscVz2_Change();
    void hscVs2_Change();
    void hscPtA3_Change();
    void hscPtB3_Change();
    void hscDist3_Change();
    void hscVz3_Change();

    void AppliqueAffichage(ModeDescente mode, const AffichageDescente& affichage);

    void optTaux_Click();
    void optDist_Click();
    void optVs_Click();
    void cmdClear_Click();
    void cmdQuit_Click();

    ModeDescente mode() const { return Mode; }
    const EtatDescente& etat(ModeDescente mode) const;

private:
    void chargeValeurs();
    void oublieEntreesNonChargees();
    void entreeChange(const BarreEntree& barre);
    AffichageDescente calcule(ModeDescente mode);
    EtatDescente& etatMode(ModeDescente mode);
    void montreCadre(ModeDescente mode);

    ModeDescente Mode = ModeDescente::ModeTaux;
    EtatDescente EtatTaux{};
    EtatDescente EtatDist{};
    EtatDescente EtatVs{};
};

}  // namespace ventrose::descent
