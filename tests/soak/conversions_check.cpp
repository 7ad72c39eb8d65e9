// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/conversions_check.h"

#include <array>
#include <vector>

#include "app/application.h"
#include "tests/soak/step_play.h"

namespace ventrose::soak {

using conversions::Unit;

namespace {

const std::string kForm = "frmConversions";

struct UnitView {
    Unit unit;
    const char* option;
    const char* label;
    std::vector<std::string> labelTexts;  // what the label may say for this unit
    const char* box;
};

const std::array<UnitView, 12>& units() {
    static const std::array<UnitView, 12> all = {{
        {Unit::NM, "optNM", "lblChoixDist", {"NM"}, "txtChoixDist"},
        {Unit::Kms, "optKms", "lblChoixDist", {"Kms"}, "txtChoixDist"},
        {Unit::Pieds, "optPieds", "lblChoixAlt", {"Pieds"}, "txtChoixAlt"},
        {Unit::Metres, "optMetres", "lblChoixAlt", {"Mètres"}, "txtChoixAlt"},
        {Unit::Noeuds,
         "optNoeuds",
         "lblChoixVitesse",
         {"Noeuds (Kts)", "Noeuds"},
         "txtChoixVitesse"},
        {Unit::Kmh, "optKmh", "lblChoixVitesse", {"Km/h"}, "txtChoixVitesse"},
        {Unit::Fahr, "optFahr", "lblChoixTemp", {"Fahrenheit"}, "txtChoixTemp"},
        {Unit::Celsius, "optCelsius", "lblChoixTemp", {"Celsius"}, "txtChoixTemp"},
        {Unit::USGall, "optUSGall", "lblChoixCarbu", {"US Gallons"}, "txtChoixCarbu"},
        {Unit::Litres, "optLitres", "lblChoixCarbu", {"Litres"}, "txtChoixCarbu"},
        {Unit::Lbs, "optLbs", "lblChoixCarbu", {"Lbs"}, "txtChoixCarbu"},
        {Unit::Kilo, "optKilo", "lblChoixCarbu", {"Kilo"}, "txtChoixCarbu"},
    }};
    return all;
}

const UnitView& viewOf(Unit unit) { return units()[static_cast<std::size_t>(unit)]; }

bool sameState(const conversions::EtatConversions& a, const conversions::EtatConversions& b) {
    for (const UnitView& u : units())
        if (conversions::StoredValue(a, u.unit) != conversions::StoredValue(b, u.unit))
            return false;
    return a.UniteCarbu == b.UniteCarbu;
}

Failure failure(const std::string& control, const std::string& what) {
    return {kForm + "." + control, kForm + ": " + what};
}

}  // namespace

Check ConversionsCheck::check(scenario::Driver& driver) const {
    for (const char* label :
         {"lblChoixDist", "lblChoixAlt", "lblChoixVitesse", "lblChoixTemp", "lblChoixCarbu"}) {
        int selected = 0;
        bool named = false;
        for (const UnitView& u : units()) {
            if (std::string(u.label) != label || !SeenFlag(driver, kForm, u.option)) continue;
            ++selected;
            for (const auto& text : u.labelTexts)
                named = named || Seen(driver, kForm, label, "Caption") == scenario::Quote(text);
        }
        if (selected != 1)
            return failure(label,
                           std::to_string(selected) + " options selected in the group of " + label);
        if (!named)
            return failure(label, std::string(label) + " shows " +
                                      Seen(driver, kForm, label, "Caption") +
                                      ", not the selected option's unit");
    }
    return std::nullopt;
}

void ConversionsCheck::before(scenario::Driver& driver, const scenario::Step& step,
                              bool acceptsInput) {
    prediction_.reset();
    if (step.word != "click" || FormOf(step) != kForm || !acceptsInput) return;
    for (const UnitView& u : units()) {
        if (ControlOf(step) != u.option || SeenFlag(driver, kForm, u.option)) continue;
        auto& window = driver.application().frmConversions();
        Prediction p{u.unit,
                     conversions::UnitBefore(window.state(), u.unit),
                     window[u.box].text(),
                     window.state(),
                     window.state(),
                     {}};
        p.change = conversions::ChoisirUnite(p.stateAfter, u.unit, p.boxBefore);
        prediction_ = std::move(p);
    }
}

Check ConversionsCheck::after(scenario::Driver& driver, std::size_t newBoxes) {
    if (!prediction_) return std::nullopt;
    const Prediction& p = *prediction_;
    const UnitView& u = viewOf(p.unit);
    const auto& window = driver.application().frmConversions();
    const std::string box = Seen(driver, kForm, u.box, "Text");
    using Outcome = conversions::UnitChange::Outcome;
    if (p.change.outcome == Outcome::Refused) {
        if (newBoxes != 1)
            return failure(u.option, "a refused unit change showed " + std::to_string(newBoxes) +
                                         " message boxes");
        if (!SeenFlag(driver, kForm, viewOf(p.previous).option))
            return failure(u.option, "a refused unit change did not put back " +
                                         std::string(viewOf(p.previous).option));
        if (box != scenario::Quote(p.boxBefore))
            return failure(u.box, "a refused unit change changed the box to " + box);
        if (!sameState(window.state(), p.stateBefore))
            return failure(u.option, "a refused unit change changed a stored value");
        return std::nullopt;
    }
    if (newBoxes != 0) return failure(u.option, "a unit change that converts showed a message box");
    const std::string expected = p.change.outcome == Outcome::NewText ? p.change.text : p.boxBefore;
    if (box != scenario::Quote(expected))
        return failure(u.box, "the box shows " + box + " after selecting " + u.option +
                                  ", one conversion gives " + scenario::Quote(expected));
    if (!sameState(window.state(), p.stateAfter))
        return failure(u.option, "the stored values are not those of one conversion");
    return std::nullopt;
}

}  // namespace ventrose::soak
