#include "wind/frmmaincalc.h"

#include "common/numbers.h"
#include "wind/facteurs.h"
#include "wind/sincos.h"
#include "wind/tempsdistance.h"
#include "wind/triangle.h"
#include "wind/typevent.h"

namespace ventrose::wind {

FrmMainCalc::FrmMainCalc(platform::Runtime& runtime) : Form(runtime, Design()) {
    onLoad([this] { Form_Load(); });
    onChange("hscVp", [this] { hscVp_Change(); });
    onChange("hscRm", [this] { hscRm_Change(); });
    onChange("hscV", [this] { hscV_Change(); });
    onChange("hscVw", [this] { hscVw_Change(); });
    onChange("hscDt", [this] { hscDt_Change(); });
    onChange("hscTsv", [this] { hscTsv_Change(); });
    onClick("optTemps", [this] { optTemps_Click(); });
    onClick("optDistance", [this] { optDistance_Click(); });
    onClick("cmdClear", [this] { cmdClear_Click(); });
}

// Every bar's value fits the field it goes to: the bars' ranges are those of the fields.
void FrmMainCalc::hscVp_Change() {
    Vp = static_cast<std::int16_t>((*this)["hscVp"].value());
    CalculVent();
}

void FrmMainCalc::hscRm_Change() {
    Rm = (*this)["hscRm"].value();
    CalculVent();
}

void FrmMainCalc::hscV_Change() {
    V = (*this)["hscV"].value();
    CalculVent();
}

void FrmMainCalc::hscVw_Change() {
    Vw = (*this)["hscVw"].value();
    CalculVent();
}

void FrmMainCalc::hscDt_Change() {
    D = (*this)["hscDt"].value();
    CalculVent();
}

void FrmMainCalc::hscTsv_Change() {
    Tsv = (*this)["hscTsv"].value();
    CalculVent();
}

void FrmMainCalc::optTemps_Click() { afficherMode(true); }

void FrmMainCalc::optDistance_Click() { afficherMode(false); }

// The mode switch computes nothing: the labels of both modes were written by the last pass.
void FrmMainCalc::afficherMode(bool temps) {
    Form& f = *this;
    f["Label6"].setVisible(temps);
    f["Label7"].setVisible(temps);
    f["lblDt"].setVisible(temps);
    f["hscDt"].setVisible(temps);
    f["lblTsv"].setVisible(temps);
    f["Label9"].setVisible(!temps);
    f["Label10"].setVisible(!temps);
    f["lblTsv2"].setVisible(!temps);
    f["hscTsv"].setVisible(!temps);
    f["lblD"].setVisible(!temps);
    f["Label23"].setVisible(temps);
    f["lblTav"].setVisible(temps);
}

void FrmMainCalc::cmdClear_Click() { Form_Load(); }

void FrmMainCalc::Form_Load() {
    Form& f = *this;
    Fb = InvFb = 0;
    V = Rm = 0;
    Alpha = 0;
    TypeVent = "vent de face";
    CasVent = 0;
    D = Tsv = 0;
    Vw = 0;
    X = Vt = Ve = Tc = Derive = Cap = Vs = 0;
    Tav = 0;

    // Each bar that moves runs its own handler, and so a recomputation, at once.
    f["hscVp"].setValue(120);
    f["hscDt"].setValue(0);
    f["hscRm"].setValue(0);
    f["hscTsv"].setValue(0);
    f["hscV"].setValue(0);
    f["hscVw"].setValue(0);

    f["optTemps"].setSelected(true);
    f["Label6"].setVisible(true);
    f["Label7"].setVisible(true);
    f["lblDt"].setVisible(true);
    f["hscDt"].setVisible(true);
    f["lblTsv"].setVisible(true);
    f["Label9"].setVisible(false);
    f["Label10"].setVisible(false);
    f["lblTsv2"].setVisible(false);
    f["hscTsv"].setVisible(false);
    f["lblD"].setVisible(false);

    hscVp_Change();
}

void FrmMainCalc::CalculVent() {
    Form& f = *this;
    const AffichageEntrees entrees = AfficherEntrees(Vp, Rm, V, Vw);
    f["lblVp"].setCaption(entrees.VpText);
    f["lblV"].setCaption(entrees.VText);
    f["lblVw"].setCaption(entrees.VwText);
    f["lblRm"].setCaption(entrees.RmText);

    const Facteurs facteurs = CalculFacteurs(Vp);
    Fb = facteurs.Fb;
    InvFb = facteurs.InvFb;
    f["lblFb"].setCaption(facteurs.FbText);
    f["lblInvFb"].setCaption(facteurs.InvFbText);

    // The hidden bar follows the computed quantity; moving it runs one nested, identical pass.
    const bool temps = !f["optDistance"].selected();
    const TempsDistance td = CalculTempsDistance(temps ? ModeVol::Temps : ModeVol::Distance, temps ? D : Tsv, Fb, InvFb);
    D = td.D;
    Tsv = td.Tsv;
    f["lblDt"].setCaption(td.DEntryText);
    f["lblD"].setCaption(td.DText);
    f["lblTsv"].setCaption(td.TsvText);
    f["lblTsv2"].setCaption(td.TsvEntryText);
    f[temps ? "hscTsv" : "hscDt"].setValue(td.computedEntry);

    const wind::TypeVent type = CalculTypeVent(V, Rm);
    CasVent = type.CasVent;
    TypeVent = std::string(type.TypeVent);
    Alpha = type.Alpha;
    const SinCos sc = CalculSinCos(Alpha);
    SinAlpha = sc.SinAlpha;
    CosAlpha = sc.CosAlpha;
    f["lblMultSin"].setCaption(sc.SinAlphaText);
    f["lblMultCos"].setCaption(sc.CosAlphaText);
    f["lblAlpha"].setCaption(type.AlphaText);
    f["lblTypeVent"].setCaption(TypeVent);

    const Triangle t = CalculTriangle(Vp, Rm, Vw, Fb, CasVent, SinAlpha, CosAlpha);
    X = t.X;
    Vt = t.Vt;
    Ve = t.Ve;
    Derive = t.Derive;
    Tc = t.Tc;
    Cap = t.Cap;
    Vs = t.Vs;
    f["lblX"].setCaption(t.XText);
    f["lblVt"].setCaption(t.VtText);
    f["lblVe"].setCaption(t.VeText);
    f["lblDerive"].setCaption(t.DeriveText);
    f["lblTc"].setCaption(t.TcText);
    f["lblNewCap"].setCaption(t.CapText);
    f["lblVs"].setCaption(t.VsText);

    const TempsAvecVent tav = CalculTempsAvecVent(D, Vs);
    if (tav.Tav) Tav = *tav.Tav;
    f["lblTav"].setCaption(tav.TavText);
}

}  // namespace ventrose::wind
