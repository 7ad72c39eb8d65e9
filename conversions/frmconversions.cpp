// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions/frmconversions.h"

#include "common/numbers.h"
#include "common/tr.h"
#include "conversions/filtresaisie.h"
#include "platform/flag_scope.h"
#include "platform/messages.h"

namespace ventrose::conversions {

using platform::FlagScope;

FrmConversions::FrmConversions(platform::Runtime& runtime)
    : Form(runtime, Design()),
      units_{{
          {optNM, lblChoixDist, common::TrNoop("frmConversions", "NM"), txtChoixDist},
          {optKms, lblChoixDist, common::TrNoop("frmConversions", "Kms"), txtChoixDist},
          {optPieds, lblChoixAlt, common::TrNoop("frmConversions", "Pieds"), txtChoixAlt},
          {optMetres, lblChoixAlt, common::TrNoop("frmConversions", "Mètres"), txtChoixAlt},
          {optNoeuds, lblChoixVitesse, common::TrNoop("frmConversions", "Noeuds (Kts)"),
           txtChoixVitesse},
          {optKmh, lblChoixVitesse, common::TrNoop("frmConversions", "Km/h"), txtChoixVitesse},
          {optFahr, lblChoixTemp, common::TrNoop("frmConversions", "Fahrenheit"), txtChoixTemp},
          {optCelsius, lblChoixTemp, common::TrNoop("frmConversions", "Celsius"), txtChoixTemp},
          {optUSGall, lblChoixCarbu, common::TrNoop("frmConversions", "US Gallons"), txtChoixCarbu},
          {optLitres, lblChoixCarbu, common::TrNoop("frmConversions", "Litres"), txtChoixCarbu},
          {optLbs, lblChoixCarbu, common::TrNoop("frmConversions", "Lbs"), txtChoixCarbu},
          {optKilo, lblChoixCarbu, common::TrNoop("frmConversions", "Kilo"), txtChoixCarbu},
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
    onLanguageChange([this](common::Language previous) { changeLanguage(previous); });
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
    showUnit(lblChoixDist, common::TrNoop("frmConversions", "NM"));
    txtChoixDist->setText("");

    optPieds->setSelected(true);
    showUnit(lblChoixAlt, common::TrNoop("frmConversions", "Pieds"));
    txtChoixAlt->setText("");

    optNoeuds->setSelected(true);
    showUnit(lblChoixVitesse, common::TrNoop("frmConversions", "Noeuds"));
    txtChoixVitesse->setText("");

    optFahr->setSelected(true);
    showUnit(lblChoixTemp, common::TrNoop("frmConversions", "Fahrenheit"));
    txtChoixTemp->setText("");

    // UniteCarbu is already 1: this selection converts nothing.
    optUSGall->setSelected(true);
    showUnit(lblChoixCarbu, common::TrNoop("frmConversions", "US Gallons"));
    txtChoixCarbu->setText("");
}

void FrmConversions::showUnit(const platform::LabelRef& label, const char* french) {
    unitShown_[label.row()] = french;
    label->setCaption(common::TrText("frmConversions", french));
}

// The unit labels again in the new language, and each box's number with the new decimal mark;
// the stored values, exact decimals, know no language and stay as they are.
void FrmConversions::changeLanguage(common::Language previous) {
    for (const UnitControls& controls : units_) {
        const auto shown = unitShown_.find(controls.label.row());
        if (shown != unitShown_.end()) showUnit(controls.label, shown->second);
        platform::Control& box = *controls.box;
        const std::string typed =
            common::RetypeNumber(box.text(), previous, common::CurrentLanguage());
        if (typed != box.text()) box.setText(typed);
    }
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
    const char* previousUnit = unitShown_[controls.label.row()];
    showUnit(controls.label, controls.labelText);
    const UnitChange change = ChoisirUnite(state_, unit, controls.box->text());
    switch (change.outcome) {
        case UnitChange::Outcome::NewText: controls.box->setText(change.text); break;
        case UnitChange::Outcome::KeepText: break;
        case UnitChange::Outcome::Refused: refuseText(unit, previousUnit); break;
    }
}

// A text that is no number cannot be taken to be in any unit. Outside the reset the change is
// undone: the previous option and label come back and the box keeps the text for the person to
// correct, so box, label, option and stored values still agree. The reset goes on to its
// default unit and empties the box anyway, with every value already emptied.
void FrmConversions::refuseText(Unit unit, const char* previousUnit) {
    if (!resetting_) {
        showUnit(controlsOf(unit).label, previousUnit);
        const FlagScope restoring(restoring_);
        controlsOf(UnitBefore(state_, unit)).option->setSelected(true);
    }
    refuseNumber();
}

void FrmConversions::refuseNumber() {
    runtime().MsgBox(common::Tr("frmConversions", "Il faut entrer un nombre"), platform::kWarningOk,
                     common::Tr("frmConversions", "Erreur"));
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
    refuseNumber();
    KeyAscii = 0;
}

}  // namespace ventrose::conversions
