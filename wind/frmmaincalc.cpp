// SPDX-License-Identifier: GPL-3.0-or-later
#include "wind/frmmaincalc.h"

#include <utility>

#include "common/numbers.h"
#include "simlink/inputs.h"
#include "wind/exacttriangle.h"
#include "wind/facteurs.h"
#include "wind/sincos.h"
#include "wind/tempsdistance.h"
#include "wind/triangle.h"
#include "wind/typevent.h"

namespace ventrose::wind {

FrmMainCalc::FrmMainCalc(platform::Runtime& runtime) : Form(runtime, Design()) {
    onLoad([this] {
        Form_Load();
        suivi_.loaded();
    });
    // Every text the window writes comes from CalculVent and the link's line; the bars hold no
    // text.
    onLanguageChange([this](common::Language) {
        CalculVent();
        suivi_.languageChanged();
    });
    hscVp.onChange([this] { hscVp_Change(); });
    hscRm.onChange([this] { hscRm_Change(); });
    hscV.onChange([this] { hscV_Change(); });
    hscVw.onChange([this] { hscVw_Change(); });
    hscDt.onChange([this] { hscDt_Change(); });
    hscTsv.onChange([this] { hscTsv_Change(); });
    optTemps.onClick([this] { optTemps_Click(); });
    optDistance.onClick([this] { optDistance_Click(); });
    cmdClear.onClick([this] { cmdClear_Click(); });
    chkSuivre.onClick([this] { chkSuivre_Click(); });
}

// Every bar's value fits the field it goes to: the bars' ranges are those of the fields.
void FrmMainCalc::hscVp_Change() {
    suivi_.stopIfByHand(*hscVp);
    Vp = static_cast<std::int16_t>(hscVp->value());
    CalculVent();
}

void FrmMainCalc::hscRm_Change() {
    Rm = hscRm->value();
    CalculVent();
}

void FrmMainCalc::hscV_Change() {
    suivi_.stopIfByHand(*hscV);
    V = hscV->value();
    CalculVent();
}

void FrmMainCalc::hscVw_Change() {
    suivi_.stopIfByHand(*hscVw);
    Vw = hscVw->value();
    CalculVent();
}

void FrmMainCalc::hscDt_Change() {
    D = hscDt->value();
    CalculVent();
}

void FrmMainCalc::hscTsv_Change() {
    Tsv = hscTsv->value();
    CalculVent();
}

void FrmMainCalc::optTemps_Click() { showMode(true); }

void FrmMainCalc::optDistance_Click() { showMode(false); }

// The mode switch computes nothing: the labels of both modes were written by the last pass.
void FrmMainCalc::showMode(bool temps) {
    Label6->setVisible(temps);
    Label7->setVisible(temps);
    lblDt->setVisible(temps);
    hscDt->setVisible(temps);
    lblTsv->setVisible(temps);
    Label9->setVisible(!temps);
    Label10->setVisible(!temps);
    lblTsv2->setVisible(!temps);
    hscTsv->setVisible(!temps);
    lblD->setVisible(!temps);
    Label23->setVisible(temps);
    lblTav->setVisible(temps);
    lblEcart->setCaption(temps ? EcartTemps : EcartDistance);
}

void FrmMainCalc::cmdClear_Click() { Form_Load(); }

void FrmMainCalc::chkSuivre_Click() { suivi_.boxClicked(); }

void FrmMainCalc::LierSimulateur(bool lie) { suivi_.setLink(lie); }
void FrmMainCalc::EtatSimulateur(std::string_view etat, bool recoit) {
    suivi_.setStatus(etat, recoit);
}
void FrmMainCalc::SuivreSimulateur(const simlink::SimValues& values) { suivi_.deliver(values); }

// Each bar that moves runs its handler and a recomputation; a value it already has moves nothing.
void FrmMainCalc::appliquerSimulateur(const simlink::SimValues& values) {
    const simlink::MainInputs entrees = simlink::MainFromSim(values);
    if (entrees.Vp) hscVp->setValue(*entrees.Vp);
    if (entrees.V) hscV->setValue(*entrees.V);
    if (entrees.Vw) hscVw->setValue(*entrees.Vw);
}

void FrmMainCalc::Form_Load() {
    Fb = InvFb = 0;
    V = Rm = 0;
    Alpha = 0;
    TypeVent = common::Tr("TypeVent", "vent de face");
    CasVent = 0;
    D = Tsv = 0;
    Vw = 0;
    X = Vt = Ve = Tc = Derive = Cap = Vs = 0;
    Tav = 0;

    // Each bar that moves runs its own handler, and so a recomputation, at once.
    hscVp->setValue(120);
    hscDt->setValue(0);
    hscRm->setValue(0);
    hscTsv->setValue(0);
    hscV->setValue(0);
    hscVw->setValue(0);

    optTemps->setSelected(true);
    Label6->setVisible(true);
    Label7->setVisible(true);
    lblDt->setVisible(true);
    hscDt->setVisible(true);
    lblTsv->setVisible(true);
    Label9->setVisible(false);
    Label10->setVisible(false);
    lblTsv2->setVisible(false);
    hscTsv->setVisible(false);
    lblD->setVisible(false);

    hscVp_Change();
}

void FrmMainCalc::CalculVent() {
    const AffichageEntrees entrees = AfficherEntrees(Vp, Rm, V, Vw);
    lblVp->setCaption(entrees.VpText);
    lblV->setCaption(entrees.VText);
    lblVw->setCaption(entrees.VwText);
    lblRm->setCaption(entrees.RmText);

    const Facteurs facteurs = CalculFacteurs(Vp);
    Fb = facteurs.Fb;
    InvFb = facteurs.InvFb;
    lblFb->setCaption(facteurs.FbText);
    lblInvFb->setCaption(facteurs.InvFbText);

    // The hidden bar follows the computed quantity; moving it runs one nested, identical pass.
    const bool temps = !optDistance->selected();
    const TempsDistance td =
        CalculTempsDistance(temps ? ModeVol::Temps : ModeVol::Distance, temps ? D : Tsv, Fb, InvFb);
    D = td.D;
    Tsv = td.Tsv;
    lblDt->setCaption(td.DEntryText);
    lblD->setCaption(td.DText);
    lblTsv->setCaption(td.TsvText);
    lblTsv2->setCaption(td.TsvEntryText);
    (temps ? hscTsv : hscDt)->setValue(td.computedEntry);

    const wind::TypeVent type = CalculTypeVent(V, Rm);
    CasVent = type.CasVent;
    TypeVent = std::string(type.TypeVent);
    Alpha = type.Alpha;
    const SinCos sc = CalculSinCos(Alpha);
    SinAlpha = sc.SinAlpha;
    CosAlpha = sc.CosAlpha;
    lblMultSin->setCaption(sc.SinAlphaText);
    lblMultCos->setCaption(sc.CosAlphaText);
    lblAlpha->setCaption(type.AlphaText);
    lblTypeVent->setCaption(TypeVent);

    const Triangle t = CalculTriangle(Vp, Rm, Vw, Fb, CasVent, SinAlpha, CosAlpha);
    X = t.X;
    Vt = t.Vt;
    Ve = t.Ve;
    Derive = t.Derive;
    Tc = t.Tc;
    Cap = t.Cap;
    Vs = t.Vs;
    lblX->setCaption(t.XText);
    lblVt->setCaption(t.VtText);
    lblVe->setCaption(t.VeText);
    lblDerive->setCaption(t.DeriveText);
    lblTc->setCaption(t.TcText);
    lblNewCap->setCaption(t.CapText);
    lblVs->setCaption(t.VsText);

    const TempsAvecVent tav = CalculTempsAvecVent(D, Vs);
    if (tav.Tav) Tav = *tav.Tav;
    lblTav->setCaption(tav.TavText);

    ExactComparison exact = CompareExact(SolveExactTriangle(Vp, Rm, V, Vw), t, td, tav, Vp);
    lblCapExact->setCaption(exact.CapText);
    lblVsExacte->setCaption(exact.VsText);
    EcartTemps = std::move(exact.EcartTempsText);
    EcartDistance = std::move(exact.EcartDistanceText);
    lblEcart->setCaption(temps ? EcartTemps : EcartDistance);
}

}  // namespace ventrose::wind
