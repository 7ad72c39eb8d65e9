// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "airspeed/calculvp.h"
#include "airspeed/tableatmo.h"
#include "platform/control_ref.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "simfollow/following.h"
#include "simlink/sim_values.h"

namespace ventrose::airspeed {

// The altitude bar grows upward: its top end (value 0) is 45000 ft, its bottom end is sea
// level, and each step of 500 is 1000 ft.
inline constexpr int kAltBarSeaLevel = 22500;
inline constexpr int kAltBarStep = 500;

// The airspeed window: indicated airspeed and altitude from two bars, the true airspeed in the
// standard atmosphere at once, or corrected for an outside temperature typed and confirmed with
// "OK". The pilots' rule gives the main result; the exact speed and Mach number stand under it
// and follow it. Form_Load sets every working value, so each opening starts afresh.
class FrmVitesse : public platform::Form {
public:
    explicit FrmVitesse(platform::Runtime& runtime);

    static const platform::FormDesign& Design();

    void Form_Load();
    void hscVi_Change();
    void vscAlt_Change();
    void txtTempExt_KeyPress(int& KeyAscii);
    void cmdTempExt_Click();
    void cmdQuit_Click();
    void chkSuivre_Click();

    // The simulator's link (app/sim_feed.h). Following, the indicated airspeed and the altitude
    // move their bars, then the outside temperature is typed and confirmed as "OK" does; the
    // simulator's own true airspeed stands beside the window's.
    void LierSimulateur(bool lie);
    void EtatSimulateur(std::string_view etat, bool recoit);
    void SuivreSimulateur(const simlink::SimValues& values);

private:
    // "OK" without its message: what a refused temperature would say, or nothing.
    std::optional<TempExtRefusal> ValiderTempExt();
    void appliquerSimulateur(const simlink::SimValues& values);
    void LireAltitude();
    void refresh();
    void showExact(std::optional<double> temperature);
    void refuseNumber();
    void showSimTas();
    void changeLanguage(common::Language previous);

    platform::ScrollBarRef hscVi{*this, "hscVi"};
    platform::ScrollBarRef vscAlt{*this, "vscAlt"};
    platform::TextBoxRef txtTempExt{*this, "txtTempExt"};
    platform::ButtonRef cmdTempExt{*this, "cmdTempExt"};
    platform::ButtonRef cmdQuit{*this, "cmdQuit"};
    platform::LabelRef lblVi{*this, "lblVi"};
    platform::LabelRef lblVp2{*this, "lblVp2"};
    platform::LabelRef lblVpKm{*this, "lblVpKm"};
    platform::LabelRef lblVpExacte{*this, "lblVpExacte"};
    platform::LabelRef lblMach{*this, "lblMach"};
    platform::LabelRef lblAlt{*this, "lblAlt"};
    platform::LabelRef lblAltM{*this, "lblAltM"};
    platform::LabelRef lblTemp{*this, "lblTemp"};
    platform::LabelRef lblPression{*this, "lblPression"};
    platform::LabelRef Label3{*this, "Label3"};  // the corrections explained
    platform::LabelRef Label5{*this, "Label5"};  // the temperature explained
    platform::CheckBoxRef chkSuivre{*this, "chkSuivre"};
    platform::LabelRef lblSimulateur{*this, "lblSimulateur"};
    platform::LabelRef lblVpSim{*this, "lblVpSim"};

    simfollow::Following suivi_{*this,
                                chkSuivre,
                                lblSimulateur,
                                {lblVpSim},
                                {lblVi, lblAlt, lblAltM, lblVpSim},
                                [this](const simlink::SimValues& v) { appliquerSimulateur(v); }};

    airspeed::TableAtmo TableAtmo{};
    std::int16_t Vi = 0;        // knots
    std::int32_t Altitude = 0;  // feet
    double Vp = 0;              // knots
    double VpKm = 0;            // km/h
    std::int16_t TempExt = 0;   // last confirmed outside temperature, °C
    std::int16_t CorrTemp = 0;  // its correction in 1 % steps
    // The temperature as read when "OK" last took it, while the results show it: the exact
    // speed is shown again from it in another language.
    std::optional<double> confirmedTemperature_;
    // The simulator's values last applied, whose true airspeed stands beside the window's.
    std::optional<simlink::SimValues> simValues_;
};

}  // namespace ventrose::airspeed
