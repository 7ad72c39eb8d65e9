// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "descent/affichagedescente.h"
#include "descent/controlesdescente.h"
#include "descent/etatdescente.h"
#include "descent/modedescente.h"
#include "platform/control_ref.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "simfollow/following.h"
#include "simlink/sim_values.h"

namespace ventrose::descent {

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
    void chkSuivre_Click();

    // The simulator's link (app/sim_feed.h). Following, point A takes the current altitude and
    // the ground speed bars the ground speed, in every mode, so that each mode shows them.
    void LierSimulateur(bool lie);
    void EtatSimulateur(std::string_view etat, bool recoit);
    void SuivreSimulateur(const simlink::SimValues& values);

    ModeDescente mode() const { return Mode; }
    const EtatDescente& etat(ModeDescente mode) const;
    // Each mode's bars, in the order in which loading sets them, and its result controls.
    std::span<const BarreEntree> barres(ModeDescente mode) const { return controles_.barres(mode); }
    const ControlesMode& controles(ModeDescente mode) const { return controles_.controles(mode); }

    // The controls the window's code uses, as the design names them.
    platform::OptionRef optTaux{*this, "optTaux"};
    platform::OptionRef optDist{*this, "optDist"};
    platform::OptionRef optVs{*this, "optVs"};

    platform::FrameRef Frame1{*this, "Frame1"};
    platform::LabelRef lblAlt{*this, "lblAlt"};
    platform::LineRef Line1{*this, "Line1"};
    platform::LineRef Line2{*this, "Line2"};
    platform::LineRef Line3{*this, "Line3"};
    platform::ScrollBarRef hscPtA{*this, "hscPtA"};
    platform::LabelRef lblPtA{*this, "lblPtA"};
    platform::ScrollBarRef hscPtB{*this, "hscPtB"};
    platform::LabelRef lblPtB{*this, "lblPtB"};
    platform::ScrollBarRef hscDist{*this, "hscDist"};
    platform::LabelRef lblDist{*this, "lblDist"};
    platform::LabelRef lblPente{*this, "lblPente"};
    platform::LabelRef lblPenteDeg{*this, "lblPenteDeg"};
    platform::ScrollBarRef hscVs{*this, "hscVs"};
    platform::LabelRef lblVs{*this, "lblVs"};
    platform::LabelRef Label16{*this, "Label16"};
    platform::LabelRef lblVz{*this, "lblVz"};
    platform::LabelRef lblTsv{*this, "lblTsv"};

    platform::FrameRef Frame2{*this, "Frame2"};
    platform::LabelRef lblAlt2{*this, "lblAlt2"};
    platform::LineRef Line4{*this, "Line4"};
    platform::LineRef Line5{*this, "Line5"};
    platform::LineRef Line6{*this, "Line6"};
    platform::ScrollBarRef hscPtA2{*this, "hscPtA2"};
    platform::LabelRef lblPtA2{*this, "lblPtA2"};
    platform::ScrollBarRef hscPtB2{*this, "hscPtB2"};
    platform::LabelRef lblPtB2{*this, "lblPtB2"};
    platform::ScrollBarRef hscVz2{*this, "hscVz2"};
    platform::LabelRef lblVz2{*this, "lblVz2"};
    platform::LabelRef lblPente2{*this, "lblPente2"};
    platform::LabelRef lblPenteDeg2{*this, "lblPenteDeg2"};
    platform::ScrollBarRef hscVs2{*this, "hscVs2"};
    platform::LabelRef lblVs2{*this, "lblVs2"};
    platform::LabelRef lblDist2{*this, "lblDist2"};
    platform::LabelRef lblTsv2{*this, "lblTsv2"};

    platform::FrameRef Frame3{*this, "Frame3"};
    platform::LabelRef lblAlt3{*this, "lblAlt3"};
    platform::LineRef Line7{*this, "Line7"};
    platform::LineRef Line8{*this, "Line8"};
    platform::LineRef Line9{*this, "Line9"};
    platform::ScrollBarRef hscPtA3{*this, "hscPtA3"};
    platform::LabelRef lblPtA3{*this, "lblPtA3"};
    platform::ScrollBarRef hscPtB3{*this, "hscPtB3"};
    platform::LabelRef lblPtB3{*this, "lblPtB3"};
    platform::ScrollBarRef hscDist3{*this, "hscDist3"};
    platform::LabelRef lblDist3{*this, "lblDist3"};
    platform::LabelRef lblPente3{*this, "lblPente3"};
    platform::LabelRef lblPenteDeg3{*this, "lblPenteDeg3"};
    platform::ScrollBarRef hscVz3{*this, "hscVz3"};
    platform::LabelRef lblVz3{*this, "lblVz3"};
    platform::LabelRef lblVs3{*this, "lblVs3"};
    platform::LabelRef lblTsv3{*this, "lblTsv3"};

    platform::ButtonRef cmdClear{*this, "cmdClear"};
    platform::ButtonRef cmdQuit{*this, "cmdQuit"};
    platform::CheckBoxRef chkSuivre{*this, "chkSuivre"};
    platform::LabelRef lblSimulateur{*this, "lblSimulateur"};

private:
    void appliquerSimulateur(const simlink::SimValues& values);
    // The labels of the bars the simulator moves: point A and the ground speed, in every mode.
    std::vector<platform::LabelRef> etiquettesSuivies() const;
    void loadInputs();
    void forgetInputsNotReloaded();
    void inputChanged(const platform::ScrollBarRef& bar);
    void showInput(const BarreEntree& b, double stored);
    void changeLanguage();
    AffichageDescente compute(ModeDescente mode);
    EtatDescente& stateOf(ModeDescente mode);
    void showFrame(ModeDescente mode);

    // Declared after the controls, which it copies.
    const ControlesDescente controles_{*this};

    ModeDescente Mode = ModeDescente::ModeTaux;
    EtatDescente EtatTaux{};
    EtatDescente EtatDist{};
    EtatDescente EtatVs{};

    simfollow::Following suivi_{*this,
                                chkSuivre,
                                lblSimulateur,
                                {},
                                etiquettesSuivies(),
                                [this](const simlink::SimValues& v) { appliquerSimulateur(v); }};
};

}  // namespace ventrose::descent
