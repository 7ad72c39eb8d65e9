// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <string>

#include "conversions/choisirunite.h"
#include "conversions/etatconversions.h"
#include "platform/control_ref.h"
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
    // The controls of a unit: its option, and its group's unit label and box. The label texts
    // are shorter than the option captions ("Kms" for "Kilomètres"), in French: the label shows
    // them in the current language.
    struct UnitControls {
        const platform::OptionRef& option;
        const platform::LabelRef& label;
        const char* labelText;
        const platform::TextBoxRef& box;
    };

    void changeUnit(Unit unit);
    void refuseText(Unit unit, const char* previousUnit);
    void refuseNumber();
    // Writes a unit label's text, given in French, in the current language.
    void showUnit(const platform::LabelRef& label, const char* french);
    void changeLanguage(common::Language previous);
    void FiltreSaisie(int& KeyAscii, bool minusAllowed);
    const UnitControls& controlsOf(Unit unit) const;

    platform::ButtonRef cmdClear{*this, "cmdClear"};
    platform::ButtonRef cmdQuit{*this, "cmdQuit"};

    platform::OptionRef optNM{*this, "optNM"};
    platform::OptionRef optKms{*this, "optKms"};
    platform::TextBoxRef txtChoixDist{*this, "txtChoixDist"};
    platform::LabelRef lblChoixDist{*this, "lblChoixDist"};

    platform::OptionRef optPieds{*this, "optPieds"};
    platform::OptionRef optMetres{*this, "optMetres"};
    platform::TextBoxRef txtChoixAlt{*this, "txtChoixAlt"};
    platform::LabelRef lblChoixAlt{*this, "lblChoixAlt"};

    platform::OptionRef optNoeuds{*this, "optNoeuds"};
    platform::OptionRef optKmh{*this, "optKmh"};
    platform::TextBoxRef txtChoixVitesse{*this, "txtChoixVitesse"};
    platform::LabelRef lblChoixVitesse{*this, "lblChoixVitesse"};

    platform::OptionRef optFahr{*this, "optFahr"};
    platform::OptionRef optCelsius{*this, "optCelsius"};
    platform::TextBoxRef txtChoixTemp{*this, "txtChoixTemp"};
    platform::LabelRef lblChoixTemp{*this, "lblChoixTemp"};

    platform::OptionRef optUSGall{*this, "optUSGall"};
    platform::OptionRef optLitres{*this, "optLitres"};
    platform::OptionRef optLbs{*this, "optLbs"};
    platform::OptionRef optKilo{*this, "optKilo"};
    platform::TextBoxRef txtChoixCarbu{*this, "txtChoixCarbu"};
    platform::LabelRef lblChoixCarbu{*this, "lblChoixCarbu"};

    const std::array<UnitControls, 12> units_;  // in the order of Unit

    EtatConversions state_;
    // By label's design row: the French of the unit each unit label shows, for another language.
    std::map<std::size_t, const char*> unitShown_;
    bool resetting_ = false;  // Form_Load is selecting the default units
    bool restoring_ = false;  // a refused change is putting its group's previous option back
};

}  // namespace ventrose::conversions
