// SPDX-License-Identifier: GPL-3.0-or-later
#include "airspeed/frmvitesse.h"

#include <string>
#include <variant>

#include "airspeed/calculvp.h"
#include "airspeed/explications.h"
#include "airspeed/vpexacte.h"
#include "common/format.h"
#include "common/numbers.h"
#include "common/tr.h"
#include "platform/messages.h"
#include "platform/user_actions.h"
#include "simlink/inputs.h"

namespace ventrose::airspeed {

FrmVitesse::FrmVitesse(platform::Runtime& runtime) : Form(runtime, Design()) {
    onLoad([this] {
        Form_Load();
        suivi_.loaded();
    });
    hscVi.onChange([this] { hscVi_Change(); });
    vscAlt.onChange([this] { vscAlt_Change(); });
    txtTempExt.onKeyPress([this](int& key) { txtTempExt_KeyPress(key); });
    cmdTempExt.onClick([this] { cmdTempExt_Click(); });
    cmdQuit.onClick([this] { cmdQuit_Click(); });
    chkSuivre.onClick([this] { chkSuivre_Click(); });
    onLanguageChange([this](common::Language previous) {
        changeLanguage(previous);
        suivi_.languageChanged();
    });
}

void FrmVitesse::Form_Load() {
    TableAtmo = InitTableAtmo();
    simValues_.reset();  // the link gives its latest values again once the window is loaded
    // Both bars move away from their design values, so each runs its handler and a refresh:
    // first at sea level with whatever Vi was, then with 120 kt.
    vscAlt->setValue(kAltBarSeaLevel);
    hscVi->setValue(120);
    Label3->setCaption(ExplicationCorrections());
    Label5->setCaption(ExplicationTemperature());
}

// The bar's range (60 to 1800) is inside the field's 16 bits.
void FrmVitesse::hscVi_Change() {
    suivi_.stopIfByHand(*hscVi);
    Vi = static_cast<std::int16_t>(hscVi->value());
    lblVi->setCaption(common::FormatWhole(Vi));
    refresh();
}

void FrmVitesse::vscAlt_Change() {
    suivi_.stopIfByHand(*vscAlt);
    LireAltitude();
    refresh();
}

// The bar grows upward: its bottom end is sea level and each 500 of value is 1000 ft. Only a
// dragged thumb can leave the multiples of 500; such a value keeps the altitude it had.
void FrmVitesse::LireAltitude() {
    const int value = vscAlt->value();
    if (value % kAltBarStep == 0) Altitude = 2 * (kAltBarSeaLevel - value);
}

// A change of either bar discards a typed temperature and returns to the standard display.
void FrmVitesse::refresh() {
    txtTempExt->setText("");
    confirmedTemperature_.reset();
    const ResultatVp r = CalculVp(Vi, Altitude, TableAtmo);
    Vp = r.Vp;
    VpKm = r.VpKm;
    lblVp2->setCaption(r.affichage.VpText);
    lblAlt->setCaption(r.affichage.AltitudeText);
    lblAltM->setCaption(r.affichage.AltMetresText);
    lblTemp->setCaption(r.affichage.TempStdText);
    lblPression->setCaption(r.affichage.PressionStdText);
    lblVpKm->setCaption(r.affichage.VpKmText);
    showExact(std::nullopt);
}

// The exact speed takes Vi as the calibrated airspeed and the window's altitude as a pressure
// altitude; without a typed temperature, that of the 1976 standard atmosphere, not the rounded
// one of the window's table.
void FrmVitesse::showExact(std::optional<double> temperature) {
    const AffichageVpExacte a = AfficheVpExacte(Vi, Altitude, temperature);
    lblVpExacte->setCaption(a.VpText);
    lblMach->setCaption(a.MachText);
}

// Lets through what can belong to a number: digits, a minus sign anywhere and Backspace; the
// point key types the language's decimal mark (the comma in French, the point in English). A
// comma typed directly is refused in both, as the other language's mark would be.
void FrmVitesse::txtTempExt_KeyPress(int& KeyAscii) {
    suivi_.stopIfByHand(*txtTempExt);
    const bool chiffre = KeyAscii >= '0' && KeyAscii <= '9';
    if (chiffre || KeyAscii == '-' || KeyAscii == platform::kBackspaceKey) return;
    if (KeyAscii == '.') {
        KeyAscii = common::DecimalMark();
        return;
    }
    refuseNumber();
    KeyAscii = 0;
}

void FrmVitesse::refuseNumber() {
    runtime().MsgBox(common::Tr("frmVitesse", "Il faut entrer un nombre"), platform::kWarningOk,
                     common::Tr("frmVitesse", "Erreur"));
}

// The box may still hold text that the filter let through (or that was pasted) but that gives
// no usable temperature; the person is then told so and nothing changes, the text included, so
// that it can be corrected.
void FrmVitesse::cmdTempExt_Click() {
    const std::optional<TempExtRefusal> refusal = ValiderTempExt();
    if (refusal && *refusal != TempExtRefusal::Empty) refuseNumber();
}

std::optional<TempExtRefusal> FrmVitesse::ValiderTempExt() {
    const auto result = CalculVpTempExt(Vi, Altitude, TableAtmo, txtTempExt->text());
    if (const auto* refusal = std::get_if<TempExtRefusal>(&result)) return *refusal;
    const ResultatVpTempExt& r = std::get<ResultatVpTempExt>(result);
    TempExt = r.TempExt;
    CorrTemp = r.CorrTemp;
    Vp = r.Vp;
    VpKm = r.VpKm;
    lblVp2->setCaption(r.VpText);
    lblVpKm->setCaption(r.VpKmText);
    // As typed: the rule's rounding to whole degrees belongs to the rule.
    confirmedTemperature_ = r.TempExtLue;
    showExact(r.TempExtLue);
    return std::nullopt;
}

void FrmVitesse::cmdQuit_Click() { runtime().Unload(*this); }

void FrmVitesse::chkSuivre_Click() { suivi_.boxClicked(); }

void FrmVitesse::LierSimulateur(bool lie) { suivi_.setLink(lie); }
void FrmVitesse::EtatSimulateur(std::string_view etat, bool recoit) {
    suivi_.setStatus(etat, recoit);
}
void FrmVitesse::SuivreSimulateur(const simlink::SimValues& values) { suivi_.deliver(values); }

// The bars first: a bar that moves empties the temperature box. Then the temperature, typed
// and confirmed as "OK" does, unless the box holds it already (nothing moved since). A
// temperature the window refuses leaves the standard display, without a message at each value.
void FrmVitesse::appliquerSimulateur(const simlink::SimValues& values) {
    const simlink::AirspeedInputs entrees = simlink::AirspeedFromSim(values);
    if (entrees.Vi) hscVi->setValue(*entrees.Vi);
    if (entrees.AltitudeBar) vscAlt->setValue(*entrees.AltitudeBar);
    if (entrees.TempExtText && txtTempExt->text() != *entrees.TempExtText) {
        txtTempExt->setText(*entrees.TempExtText);
        ValiderTempExt();
    }
    simValues_ = values;
    showSimTas();
}

void FrmVitesse::showSimTas() {
    const std::optional<std::string> tas =
        simValues_ ? simlink::AirspeedFromSim(*simValues_).SimTasText : std::nullopt;
    lblVpSim->setCaption(tas ? common::Arg(common::Tr("frmVitesse", "Simulateur : %1"), {*tas})
                             : std::string());
}

// Every text the code wrote, again in the new language from the figures it keeps, nothing
// recomputed that could move: the standard values of the altitude, the true airspeed shown
// (the rule's or the one a confirmed temperature gave), the exact speed, the explanations and
// the simulator's speed. A temperature typed and not yet confirmed stays in the box, its
// decimal mark carried over.
void FrmVitesse::changeLanguage(common::Language previous) {
    const std::string typed =
        common::RetypeNumber(txtTempExt->text(), previous, common::CurrentLanguage());
    if (typed != txtTempExt->text()) txtTempExt->setText(typed);
    const ResultatVp r = CalculVp(Vi, Altitude, TableAtmo);
    lblAlt->setCaption(r.affichage.AltitudeText);
    lblAltM->setCaption(r.affichage.AltMetresText);
    lblTemp->setCaption(r.affichage.TempStdText);
    lblPression->setCaption(r.affichage.PressionStdText);
    lblVp2->setCaption(FormatVp(Vp));
    lblVpKm->setCaption(FormatVpKm(VpKm));
    showExact(confirmedTemperature_);
    Label3->setCaption(ExplicationCorrections());
    Label5->setCaption(ExplicationTemperature());
    showSimTas();
}

}  // namespace ventrose::airspeed
