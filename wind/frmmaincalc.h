// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/control_ref.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "simfollow/following.h"
#include "simlink/sim_values.h"

namespace ventrose::wind {

// The main window: the four inputs of the wind triangle and the leg, every result in a label,
// recomputed at each change of an input. Under the base-factor method's results, the exact
// triangle's heading and ground speed, and how far the method's figures are from them. Its
// navigation buttons and its unloading are bound by the application, which knows the other windows;
// so those buttons are public.
class FrmMainCalc : public platform::Form {
public:
    explicit FrmMainCalc(platform::Runtime& runtime);

    static const platform::FormDesign& Design();

    void Form_Load();
    void CalculVent();

    void hscVp_Change();
    void hscRm_Change();
    void hscV_Change();
    void hscVw_Change();
    void hscDt_Change();
    void hscTsv_Change();
    void optTemps_Click();
    void optDistance_Click();
    void cmdClear_Click();
    void chkSuivre_Click();

    // The simulator's link (app/sim_feed.h): chosen or not, its state, its values. Following,
    // the true airspeed, the wind's direction made magnetic and its speed move their bars; the
    // course and the leg stay the pilot's.
    void LierSimulateur(bool lie);
    void EtatSimulateur(std::string_view etat, bool recoit);
    void SuivreSimulateur(const simlink::SimValues& values);

    platform::ButtonRef cmdConversions{*this, "cmdConversions"};
    platform::ButtonRef cmdVitesse{*this, "cmdVitesse"};
    platform::ButtonRef cmdVz{*this, "cmdVz"};
    platform::ButtonRef cmdLog{*this, "cmdLog"};
    platform::ButtonRef Command1{*this, "Command1"};
    platform::ButtonRef cmdQuit{*this, "cmdQuit"};

    // The true airspeed and the wind as the bars give them, which a new navigation log starts
    // from.
    int barVp() const { return hscVp->value(); }
    int barV() const { return hscV->value(); }
    int barVw() const { return hscVw->value(); }

private:
    void showMode(bool temps);
    void appliquerSimulateur(const simlink::SimValues& values);

    platform::ScrollBarRef hscVp{*this, "hscVp"};
    platform::ScrollBarRef hscRm{*this, "hscRm"};
    platform::ScrollBarRef hscV{*this, "hscV"};
    platform::ScrollBarRef hscVw{*this, "hscVw"};
    platform::ScrollBarRef hscDt{*this, "hscDt"};
    platform::ScrollBarRef hscTsv{*this, "hscTsv"};
    platform::OptionRef optTemps{*this, "optTemps"};
    platform::OptionRef optDistance{*this, "optDistance"};
    platform::ButtonRef cmdClear{*this, "cmdClear"};

    platform::LabelRef lblVp{*this, "lblVp"};
    platform::LabelRef lblRm{*this, "lblRm"};
    platform::LabelRef lblV{*this, "lblV"};
    platform::LabelRef lblVw{*this, "lblVw"};
    platform::LabelRef Label6{*this, "Label6"};
    platform::LabelRef Label7{*this, "Label7"};
    platform::LabelRef Label9{*this, "Label9"};
    platform::LabelRef Label10{*this, "Label10"};
    platform::LabelRef Label23{*this, "Label23"};
    platform::LabelRef lblDt{*this, "lblDt"};
    platform::LabelRef lblTsv{*this, "lblTsv"};
    platform::LabelRef lblTsv2{*this, "lblTsv2"};
    platform::LabelRef lblD{*this, "lblD"};
    platform::LabelRef lblTav{*this, "lblTav"};
    platform::LabelRef lblFb{*this, "lblFb"};
    platform::LabelRef lblInvFb{*this, "lblInvFb"};
    platform::LabelRef lblX{*this, "lblX"};
    platform::LabelRef lblAlpha{*this, "lblAlpha"};
    platform::LabelRef lblTypeVent{*this, "lblTypeVent"};
    platform::LabelRef lblMultSin{*this, "lblMultSin"};
    platform::LabelRef lblMultCos{*this, "lblMultCos"};
    platform::LabelRef lblVt{*this, "lblVt"};
    platform::LabelRef lblDerive{*this, "lblDerive"};
    platform::LabelRef lblNewCap{*this, "lblNewCap"};
    platform::LabelRef lblVs{*this, "lblVs"};
    platform::LabelRef lblTc{*this, "lblTc"};
    platform::LabelRef lblVe{*this, "lblVe"};
    platform::LabelRef lblCapExact{*this, "lblCapExact"};
    platform::LabelRef lblVsExacte{*this, "lblVsExacte"};
    platform::LabelRef lblEcart{*this, "lblEcart"};
    platform::CheckBoxRef chkSuivre{*this, "chkSuivre"};
    platform::LabelRef lblSimulateur{*this, "lblSimulateur"};

    simfollow::Following suivi_{*this,
                                chkSuivre,
                                lblSimulateur,
                                {},
                                {lblVp, lblV, lblVw},
                                [this](const simlink::SimValues& v) { appliquerSimulateur(v); }};

    std::int16_t Vp = 0;
    int Rm = 0;
    int V = 0;
    int Vw = 0;
    double D = 0;
    double Tsv = 0;
    double Fb = 0;
    double InvFb = 0;
    std::uint8_t CasVent = 0;
    std::string TypeVent = "vent de face";
    std::int16_t Alpha = 0;
    double SinAlpha = 0;
    double CosAlpha = 0;
    double X = 0, Vt = 0, Ve = 0, Derive = 0, Tc = 0, Cap = 0, Vs = 0;
    std::int16_t Tav = 0;
    // The last pass's differences for either mode: the mode switch shows its own.
    std::string EcartTemps;
    std::string EcartDistance;
};

}  // namespace ventrose::wind
