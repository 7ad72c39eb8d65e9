// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions/frmconversions.h"

#include "conversions/filtresaisie.h"
#include "platform/flag_scope.h"
#include "platform/messages.h"

namespace ventrose::conversions {

using platform::FlagScope;

FrmConversions::FrmConversions(platform::Runtime& runtime)
    : Form(runtime, Design()),
      units_{{
          {optNM, lblChoixDist, "NM", txtChoixDist},
          {optKms, lblChoixDist, "Kms", txtChoixDist},
          {optPieds, lblChoixAlt, "Pieds", txtChoixAlt},
          {optMetres, lblChoixAlt, "Mètres", txtChoixAlt},
          {optNoeuds, lblChoixVitesse, "Noeuds (Kts)", txtChoixVitesse},
          {optKmh, lblChoixVitesse, "Km/h", txtChoixVitesse},
          {optFahr, lblChoixTemp, "Fahrenheit", txtChoixTemp},
          {optCelsius, lblChoixTemp, "Celsius", txtChoixTemp},
          {optUSGall, lblChoixCarbu, "US Gallons", txtChoixCarbu},
          {optLitres, lblChoixCarbu, "Litres", txtChoixCarbu},
          {optLbs, lblChoixCarbu, "Lbs", txtChoixCarbu},
          {optKilo, lblChoixCarbu, "Kilo", txtChoixCarbu},
      }} {
    onLoad([this] { Form_Load(); });
    cmdClear.onClick([this] { cmdClear_Click(); });
    cmdQuit.onClick([this] { cmdQuit_Click(); });
    optNM.onClick([this] { optNM_Click(); });
    optKms.onClick([this] { optKms_Click(); });
    optPieds.onClick([this] { optPieds_Click(); });
    optMetres.onClick([this] { optMetres_Click(); });
    optNoeuds.onClick([this] { optNoeuds_Click(); });
    optKmh.onClick([this] { optKmh_Click(); });
    optFahr.onClick([this] { optFahr_Click(); });
    optCelsius.onClick([this] { optCelsius_Click(); });
    optUSGall.onClick([this] { optUSGall_Click(); });
    optLitres.onClick([this] { optLitres_Click(); });
    optLbs.onClick([this] { optLbs_Click(); });
    optKilo.onClick([this] { optKilo_Click(); });
    txtChoixDist.onKeyPress([this](int& k) { txtChoixDist_KeyPress(k); });
    txtChoixAlt.onKeyPress([this](int& k) { txtChoixAlt_KeyPress(k); });
    txtChoixVitesse.onKeyPress([this](int& k) { txtChoixVitesse_KeyPress(k); });
    txtChoixTemp.onKeyPress([this](int& k) { txtChoixTemp_KeyPress(k); });
    txtChoixCarbu.onKeyPress([this](int& k) { txtChoixCarbu_KeyPress(k); });
}

const FrmConversions::UnitControls& FrmConversions::controlsOf(Unit unit) const {
    return units_[static_cast<std::size_t>(unit)];
}

// Each selection below runs its option's handler when the option was not selected, before the
// label and the box are set: in a two-unit group whose other unit was selected, that handler
// converts the box's text and stores both values again, after they were emptied.
void FrmConversions::Form_Load() {
    const FlagScope resetting(resetting_);
    state_ = EtatConversions{};

    optNM->setSelected(true);
    lblChoixDist->setCaption("NM");
    txtChoixDist->setText("");

    optPieds->setSelected(true);
    lblChoixAlt->setCaption("Pieds");
    txtChoixAlt->setText("");

    optNoeuds->setSelected(true);
    lblChoixVitesse->setCaption("Noeuds");
    txtChoixVitesse->setText("");

    optFahr->setSelected(true);
    lblChoixTemp->setCaption("Fahrenheit");
    txtChoixTemp->setText("");

    // UniteCarbu is already 1: this selection converts nothing.
    optUSGall->setSelected(true);
    lblChoixCarbu->setCaption("US Gallons");
    txtChoixCarbu->setText("");
}

void FrmConversions::cmdClear_Click() { Form_Load(); }

void FrmConversions::cmdQuit_Click() { runtime().Unload(*this); }

void FrmConversions::optNM_Click() { changeUnit(Unit::NM); }
void FrmConversions::optKms_Click() { changeUnit(Unit::Kms); }
void FrmConversions::optPieds_Click() { changeUnit(Unit::Pieds); }
void FrmConversions::optMetres_Click() { changeUnit(Unit::Metres); }
void FrmConversions::optNoeuds_Click() { changeUnit(Unit::Noeuds); }
void FrmConversions::optKmh_Click() { changeUnit(Unit::Kmh); }
void FrmConversions::optFahr_Click() { changeUnit(Unit::Fahr); }
void FrmConversions::optCelsius_Click() { changeUnit(Unit::Celsius); }
void FrmConversions::optUSGall_Click() { changeUnit(Unit::USGall); }
void FrmConversions::optLitres_Click() { changeUnit(Unit::Litres); }
void FrmConversions::optLbs_Click() { changeUnit(Unit::Lbs); }
void FrmConversions::optKilo_Click() { changeUnit(Unit::Kilo); }

void FrmConversions::changeUnit(Unit unit) {
    if (restoring_) return;
    const UnitControls& controls = controlsOf(unit);
    platform::Control& label = *controls.label;
    const std::string previousCaption = label.caption();
    label.setCaption(controls.labelText);
    const UnitChange change = ChoisirUnite(state_, unit, controls.box->text());
    switch (change.outcome) {
        case UnitChange::Outcome::NewText: controls.box->setText(change.text); break;
        case UnitChange::Outcome::KeepText: break;
        case UnitChange::Outcome::Refused: refuseText(unit, previousCaption); break;
    }
}

// A text that is no number cannot be taken to be in any unit. Outside the reset the change is
// undone: the previous option and label come back and the box keeps the text for the person to
// correct, so box, label, option and stored values still agree. The reset goes on to its
// default unit and empties the box anyway, with every value already emptied.
void FrmConversions::refuseText(Unit unit, const std::string& previousCaption) {
    if (!resetting_) {
        controlsOf(unit).label->setCaption(previousCaption);
        const FlagScope restoring(restoring_);
        controlsOf(UnitBefore(state_, unit)).option->setSelected(true);
    }
    platform::MsgBox(runtime(), platform::kNotANumber);
}

void FrmConversions::txtChoixDist_KeyPress(int& KeyAscii) { FiltreSaisie(KeyAscii, false); }
void FrmConversions::txtChoixAlt_KeyPress(int& KeyAscii) { FiltreSaisie(KeyAscii, false); }
void FrmConversions::txtChoixVitesse_KeyPress(int& KeyAscii) { FiltreSaisie(KeyAscii, false); }
void FrmConversions::txtChoixTemp_KeyPress(int& KeyAscii) { FiltreSaisie(KeyAscii, true); }
void FrmConversions::txtChoixCarbu_KeyPress(int& KeyAscii) { FiltreSaisie(KeyAscii, false); }

void FrmConversions::FiltreSaisie(int& KeyAscii, bool minusAllowed) {
    if (const auto accepted = FilterKey(KeyAscii, minusAllowed)) {
        KeyAscii = *accepted;
        return;
    }
    platform::MsgBox(runtime(), platform::kNotANumber);
    KeyAscii = 0;
}

}  // namespace ventrose::conversions
