#pragma once

#include "conversions/choisirunite.h"
#include "conversions/etatconversions.h"
#include "platform/form.h"
#include "platform/runtime.h"

namespace ventrose::conversions {

// The conversions window: five groups, each a box that holds its quantity in the unit of the
// selected option; selecting another option converts the box's content in place. Each opening
// starts afresh, since Form_Load sets the whole state.
class FrmConversions : public platform::Form {
public:
    explicit FrmConversions(platform::Runtime& runtime);

    static const platform::FormDesign& Design();

    void Form_Load();
    void cmdClear_Click();
    void cmdQuit_Click();

    void optNM_Click();
    void optKms_Click();
    void optPieds_Click();
    void optMetres_Click();
    void optNoeuds_Click();
    void optKmh_Click();
    void optFahr_Click();
    void optCelsius_Click();
    void optUSGall_Click();
    void optLitres_Click();
    void optLbs_Click();
    void optKilo_Click();

    void txtChoixDist_KeyPress(int& KeyAscii);
    void txtChoixAlt_KeyPress(int& KeyAscii);
    void txtChoixVitesse_KeyPress(int& KeyAscii);
    void txtChoixTemp_KeyPress(int& KeyAscii);
    void txtChoixCarbu_KeyPress(int& KeyAscii);

    const EtatConversions& state() const { return state_; }

private:
    void changerUnite(Unit unit);
    void refuserTexte(Unit unit, const std::string& previousCaption);
    void FiltreSaisie(int& KeyAscii, bool minusAllowed);

    EtatConversions state_;
    bool resetting_ = false;  // Form_Load is selecting the default units
    bool restoring_ = false;  // a refused change is putting its group's previous option back
};

}  // namespace ventrose::conversions
