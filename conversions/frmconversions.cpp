#include "conversions/frmconversions.h"

#include <array>
#include <string_view>

#include "conversions/filtresaisie.h"
#include "platform/messages.h"

namespace ventrose::conversions {

namespace {

// The controls of a unit: its option, and its group's unit label and box. The label texts are
// shorter than the option captions ("Kms" for "Kilomètres").
struct UnitControls {
    Unit unit;
    const char* option;
    const char* label;
    const char* labelText;
    const char* box;
};

constexpr std::array<UnitControls, 12> kUnits = {{
    {Unit::NM, "optNM", "lblChoixDist", "NM", "txtChoixDist"},
    {Unit::Kms, "optKms", "lblChoixDist", "Kms", "txtChoixDist"},
    {Unit::Pieds, "optPieds", "lblChoixAlt", "Pieds", "txtChoixAlt"},
    {Unit::Metres, "optMetres", "lblChoixAlt", "Mètres", "txtChoixAlt"},
    {Unit::Noeuds, "optNoeuds", "lblChoixVitesse", "Noeuds (Kts)", "txtChoixVitesse"},
    {Unit::Kmh, "optKmh", "lblChoixVitesse", "Km/h", "txtChoixVitesse"},
    {Unit::Fahr, "optFahr", "lblChoixTemp", "Fahrenheit", "txtChoixTemp"},
    {Unit::Celsius, "optCelsius", "lblChoixTemp", "Celsius", "txtChoixTemp"},
    {Unit::USGall, "optUSGall", "lblChoixCarbu", "US Gallons", "txtChoixCarbu"},
    {Unit::Litres, "optLitres", "lblChoixCarbu", "Litres", "txtChoixCarbu"},
    {Unit::Lbs, "optLbs", "lblChoixCarbu", "Lbs", "txtChoixCarbu"},
    {Unit::Kilo, "optKilo", "lblChoixCarbu", "Kilo", "txtChoixCarbu"},
}};

const UnitControls& ControlsOf(Unit unit) { return kUnits[static_cast<std::size_t>(unit)]; }

class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = was_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

FrmConversions::FrmConversions(platform::Runtime& runtime) : Form(runtime, Design()) {
    onLoad([this] { Form_Load(); });
    onClick("cmdClear", [this] { cmdClear_Click(); });
    onClick("cmdQuit", [this] { cmdQuit_Click(); });
    onClick("optNM", [this] { optNM_Click(); });
    onClick("optKms", [this] { optKms_Click(); });
    onClick("optPieds", [this] { optPieds_Click(); });
    onClick("optMetres", [this] { optMetres_Click(); });
    onClick("optNoeuds", [this] { optNoeuds_Click(); });
    onClick("optKmh", [this] { optKmh_Click(); });
    onClick("optFahr", [this] { optFahr_Click(); });
    onClick("optCelsius", [this] { optCelsius_Click(); });
    onClick("optUSGall", [this] { optUSGall_Click(); });
    onClick("optLitres", [this] { optLitres_Click(); });
    onClick("optLbs", [this] { optLbs_Click(); });
    onClick("optKilo", [this] { optKilo_Click(); });
    onKeyPress("txtChoixDist", [this](int& k) { txtChoixDist_KeyPress(k); });
    onKeyPress("txtChoixAlt", [this](int& k) { txtChoixAlt_KeyPress(k); });
    onKeyPress("txtChoixVitesse", [this](int& k) { txtChoixVitesse_KeyPress(k); });
    onKeyPress("txtChoixTemp", [this](int& k) { txtChoixTemp_KeyPress(k); });
    onKeyPress("txtChoixCarbu", [this](int& k) { txtChoixCarbu_KeyPress(k); });
}

// Each selection below runs its option's handler when the option was not selected, before the
// label and the box are set: in a two-unit group whose other unit was selected, that handler
// converts the box's text and stores both values again, after they were emptied.
void FrmConversions::Form_Load() {
    Form& f = *this;
    const FlagScope resetting(resetting_);
    state_ = EtatConversions{};

    f["optNM"].setSelected(true);
    f["lblChoixDist"].setCaption("NM");
    f["txtChoixDist"].setText("");

    f["optPieds"].setSelected(true);
    f["lblChoixAlt"].setCaption("Pieds");
    f["txtChoixAlt"].setText("");

    f["optNoeuds"].setSelected(true);
    f["lblChoixVitesse"].setCaption("Noeuds");
    f["txtChoixVitesse"].setText("");

    f["optFahr"].setSelected(true);
    f["lblChoixTemp"].setCaption("Fahrenheit");
    f["txtChoixTemp"].setText("");

    // UniteCarbu is already 1: this selection converts nothing.
    f["optUSGall"].setSelected(true);
    f["lblChoixCarbu"].setCaption("US Gallons");
    f["txtChoixCarbu"].setText("");
}

void FrmConversions::cmdClear_Click() { Form_Load(); }

void FrmConversions::cmdQuit_Click() { runtime().Unload(*this); }

void FrmConversions::optNM_Click() { changerUnite(Unit::NM); }
void FrmConversions::optKms_Click() { changerUnite(Unit::Kms); }
void FrmConversions::optPieds_Click() { changerUnite(Unit::Pieds); }
void FrmConversions::optMetres_Click() { changerUnite(Unit::Metres); }
void FrmConversions::optNoeuds_Click() { changerUnite(Unit::Noeuds); }
void FrmConversions::optKmh_Click() { changerUnite(Unit::Kmh); }
void FrmConversions::optFahr_Click() { changerUnite(Unit::Fahr); }
void FrmConversions::optCelsius_Click() { changerUnite(Unit::Celsius); }
void FrmConversions::optUSGall_Click() { changerUnite(Unit::USGall); }
void FrmConversions::optLitres_Click() { changerUnite(Unit::Litres); }
void FrmConversions::optLbs_Click() { changerUnite(Unit::Lbs); }
void FrmConversions::optKilo_Click() { changerUnite(Unit::Kilo); }

void FrmConversions::changerUnite(Unit unit) {
    if (restoring_) return;
    Form& f = *this;
    const UnitControls& controls = ControlsOf(unit);
    platform::Control& label = f[controls.label];
    const std::string previousCaption = label.caption();
    label.setCaption(controls.labelText);
    const UnitChange change = ChoisirUnite(state_, unit, f[controls.box].text());
    switch (change.outcome) {
    case UnitChange::Outcome::NewText: f[controls.box].setText(change.text); break;
    case UnitChange::Outcome::KeepText: break;
    case UnitChange::Outcome::Refused: refuserTexte(unit, previousCaption); break;
    }
}

// A text that is no number cannot be taken to be in any unit. Outside the reset the change is
// undone: the previous option and label come back and the box keeps the text for the person to
// correct, so box, label, option and stored values still agree. The reset goes on to its
// default unit and empties the box anyway, with every value already emptied.
void FrmConversions::refuserTexte(Unit unit, const std::string& previousCaption) {
    if (!resetting_) {
        Form& f = *this;
        f[ControlsOf(unit).label].setCaption(previousCaption);
        const FlagScope restoring(restoring_);
        f[ControlsOf(UnitBefore(state_, unit)).option].setSelected(true);
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
