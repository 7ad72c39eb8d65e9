// SPDX-License-Identifier: GPL-3.0-or-later
// A person working the conversions window, opened from the main window: keys typed and texts
// pasted into the five boxes, boxes cleared, options selected, "Rafraichir" and "Quitter" in any
// order. A typed box only holds what its filter admits; a unit change either converts the box's
// text once, from the unit that was selected, or is refused and leaves everything as it was;
// and after every step each group's option, label and fuel unit agree.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/application.h"
#include "conversions/choisirunite.h"
#include "conversions/regles.h"
#include "fuzz/check.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"

using namespace ventrose;
using conversions::Unit;

namespace {

struct UnitView {
    Unit unit;
    const char* option;
    const char* label;      // the label's text once the option has been selected
    const char* loadLabel;  // its text after opening and "Rafraichir", for the default units
};

struct Group {
    const char* box;
    const char* labelControl;
    bool minus;                   // the temperature box alone takes '-'
    std::vector<UnitView> units;  // the default unit first
};

const std::array<Group, 5> kGroups = {{
    {"txtChoixDist",
     "lblChoixDist",
     false,
     {{Unit::NM, "optNM", "NM", "NM"}, {Unit::Kms, "optKms", "Kms", nullptr}}},
    {"txtChoixAlt",
     "lblChoixAlt",
     false,
     {{Unit::Pieds, "optPieds", "Pieds", "Pieds"}, {Unit::Metres, "optMetres", "Mètres", nullptr}}},
    {"txtChoixVitesse",
     "lblChoixVitesse",
     false,
     {{Unit::Noeuds, "optNoeuds", "Noeuds (Kts)", "Noeuds"},
      {Unit::Kmh, "optKmh", "Km/h", nullptr}}},
    {"txtChoixTemp",
     "lblChoixTemp",
     true,
     {{Unit::Fahr, "optFahr", "Fahrenheit", "Fahrenheit"},
      {Unit::Celsius, "optCelsius", "Celsius", nullptr}}},
    {"txtChoixCarbu",
     "lblChoixCarbu",
     false,
     {{Unit::USGall, "optUSGall", "US Gallons", "US Gallons"},
      {Unit::Litres, "optLitres", "Litres", nullptr},
      {Unit::Lbs, "optLbs", "Lbs", nullptr},
      {Unit::Kilo, "optKilo", "Kilo", nullptr}}},
}};

struct Session {
    conversions::FrmConversions& form;
    platform::HeadlessHost& host;
    // A group whose box has held pasted text since the window opened: its values may be anything
    // the decimal reader takes, so its box may show characters that no key types.
    std::array<bool, 5> pasted{};
    // The label texts to accept: the load text until the group's first unit change.
    std::array<bool, 5> changed{};
};

const UnitView& Selected(const Session& s, const Group& g) {
    const UnitView* selected = nullptr;
    for (const UnitView& u : g.units) {
        if (s.form[u.option].selected()) {
            fuzz::Require(selected == nullptr, "two options of a group are selected", u.option);
            selected = &u;
        }
    }
    fuzz::Require(selected != nullptr, "no option of a group is selected", g.box);
    return *selected;
}

bool Admitted(char c, const Group& g) {
    return (c >= '0' && c <= '9') || c == ',' || (g.minus && c == '-');
}

void RequireAgreement(const Session& s) {
    for (std::size_t i = 0; i < kGroups.size(); ++i) {
        const Group& g = kGroups[i];
        const UnitView& u = Selected(s, g);
        const std::string& label = s.form[g.labelControl].caption();
        const bool asLoaded = !s.changed[i] && u.loadLabel != nullptr && label == u.loadLabel;
        fuzz::Require(label == u.label || asLoaded,
                      "the unit label does not name the selected unit", label);
        if (conversions::IsFuel(u.unit)) {
            fuzz::Require(conversions::FuelUnit(s.form.state().UniteCarbu) == u.unit,
                          "the fuel unit is not the selected option", u.option);
        }
        fuzz::Require(fuzz::IsValidUtf8(s.form[g.box].text()), "a box holds malformed text", g.box);
        if (!s.pasted[i]) {
            for (const char c : s.form[g.box].text()) {
                fuzz::Require(Admitted(c, g), "a typed box holds a character its filter refuses",
                              s.form[g.box].text());
            }
        }
    }
}

void TypeKey(Session& s, const Group& g, int key) {
    platform::Control& box = s.form[g.box];
    const std::string before = box.text();
    const std::size_t told = s.host.messageBoxes.size();
    const conversions::EtatConversions state = s.form.state();
    platform::KeyPress(box, key);
    std::string expected = before;
    bool refused = false;
    if ((key >= '0' && key <= '9') || (key == '-' && g.minus)) {
        expected += static_cast<char>(key);
    } else if (key == '.') {
        expected += ',';
    } else if (key == 8) {
        // Backspace takes one whole character, which pasted text may spell in several bytes.
        while (!expected.empty() && (static_cast<unsigned char>(expected.back()) & 0xC0) == 0x80)
            expected.pop_back();
        if (!expected.empty()) expected.pop_back();
    } else {
        refused = true;
    }
    fuzz::Require(s.host.messageBoxes.size() == told + (refused ? 1 : 0),
                  "a key is not told exactly when refused", std::to_string(key));
    fuzz::Require(box.text() == expected, "the box does not hold what its filter admits",
                  box.text());
    for (int u = 0; u < 12; ++u) {
        fuzz::Require(conversions::StoredValue(s.form.state(), static_cast<Unit>(u)) ==
                          conversions::StoredValue(state, static_cast<Unit>(u)),
                      "typing changes a stored value");
    }
}

void SelectUnit(Session& s, std::size_t groupIndex, const UnitView& target) {
    const Group& g = kGroups[groupIndex];
    const UnitView& source = Selected(s, g);
    const std::string text = s.form[g.box].text();
    const std::string label = s.form[g.labelControl].caption();
    const conversions::EtatConversions before = s.form.state();
    const std::size_t told = s.host.messageBoxes.size();
    platform::Click(s.form[target.option]);
    const conversions::EtatConversions& after = s.form.state();
    const auto same = [&](Unit u) {
        return conversions::StoredValue(after, u) == conversions::StoredValue(before, u);
    };

    if (&source == &target) {
        fuzz::Require(s.host.messageBoxes.size() == told && s.form[g.box].text() == text &&
                          s.form[g.labelControl].caption() == label,
                      "selecting the selected option changes something", target.option);
        for (int u = 0; u < 12; ++u)
            fuzz::Require(same(static_cast<Unit>(u)), "selecting the selected option converts");
        return;
    }

    // What the change must do, worked out from the pure rules alone.
    std::optional<common::Decimal> typed;
    std::optional<common::Decimal> converted = conversions::StoredValue(before, target.unit);
    bool refused = false;
    if (!text.empty()) {
        typed = common::Decimal::Parse(text);
        if (typed) converted = conversions::Convert(source.unit, target.unit, *typed);
        refused = !typed || !converted;
    }

    if (refused) {
        fuzz::Require(s.host.messageBoxes.size() == told + 1,
                      "a refused unit change is not told once", text);
        fuzz::Require(&Selected(s, g) == &source,
                      "a refused unit change does not put the option back", text);
        fuzz::Require(s.form[g.labelControl].caption() == label,
                      "a refused unit change does not put the label back", text);
        fuzz::Require(s.form[g.box].text() == text, "a refused unit change loses the text", text);
        for (int u = 0; u < 12; ++u)
            fuzz::Require(same(static_cast<Unit>(u)), "a refused unit change stores a value", text);
        fuzz::Require(after.UniteCarbu == before.UniteCarbu,
                      "a refused unit change moves the fuel unit", text);
        return;
    }
    s.changed[groupIndex] = true;
    fuzz::Require(s.host.messageBoxes.size() == told, "a unit change shows a message", text);
    fuzz::Require(&Selected(s, g) == &target, "the option selected is not the one clicked",
                  target.option);
    fuzz::Require(conversions::StoredValue(after, source.unit) == typed,
                  "the source value is not the box's number", text);
    fuzz::Require(conversions::StoredValue(after, target.unit) == converted,
                  "the new unit's value is not one conversion of the box's number", text);
    fuzz::Require(s.form[g.box].text() == conversions::Render(converted, target.unit),
                  "the box does not show the new unit's value", s.form[g.box].text());
    for (int u = 0; u < 12; ++u) {
        const auto unit = static_cast<Unit>(u);
        if (unit != source.unit && unit != target.unit) {
            fuzz::Require(same(unit), "a unit change touches another unit's value", target.option);
        }
    }
}

// "Rafraichir" empties every value first, then selects each default unit; in a two-unit group
// whose other unit was selected, that selection converts the box's text once more before the box
// is emptied, so that group keeps the text's value and its conversion (or nothing, told once,
// when the text is no number).
void Reset(Session& s) {
    struct Expected {
        Unit unit;
        std::optional<common::Decimal> value;
    };
    std::vector<Expected> kept;
    std::size_t refusals = 0;
    for (const Group& g : kGroups) {
        const UnitView& source = Selected(s, g);
        const UnitView& target = g.units.front();
        const std::string text = s.form[g.box].text();
        if (&source == &target || conversions::IsFuel(source.unit) || text.empty()) continue;
        const auto typed = common::Decimal::Parse(text);
        const auto converted =
            typed ? conversions::Convert(source.unit, target.unit, *typed) : std::nullopt;
        if (!converted) {
            ++refusals;
            continue;
        }
        kept.push_back({source.unit, typed});
        kept.push_back({target.unit, converted});
    }
    const std::size_t told = s.host.messageBoxes.size();
    platform::Click(s.form["cmdClear"]);
    // The reset converts each box once more before emptying it, and an empty box later shows the
    // value last held for its unit: what was pasted can come back, so a pasted group stays so.
    s.changed = {};
    fuzz::Require(s.host.messageBoxes.size() == told + refusals,
                  "Rafraichir does not tell each refused text once");
    for (const Group& g : kGroups) {
        fuzz::Require(s.form[g.box].text().empty(), "Rafraichir leaves text in a box", g.box);
        fuzz::Require(&Selected(s, g) == &g.units.front(),
                      "Rafraichir leaves another unit selected", g.box);
    }
    fuzz::Require(s.form.state().UniteCarbu == 1, "Rafraichir leaves another fuel unit");
    for (int u = 0; u < 12; ++u) {
        const auto unit = static_cast<Unit>(u);
        std::optional<common::Decimal> expected;
        for (const Expected& e : kept) {
            if (e.unit == unit) expected = e.value;
        }
        fuzz::Require(conversions::StoredValue(s.form.state(), unit) == expected,
                      "Rafraichir keeps a value other than the last conversion's");
    }
}

std::string TakeText(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) return in.ConsumeRandomLengthString(16);
    // Mostly number-like, so that conversions happen, overflow and refuse.
    static constexpr char kAlphabet[] = "0123456789,-.9";
    std::string text;
    for (int n = in.ConsumeIntegralInRange(0, 32); n > 0; --n) {
        text += kAlphabet[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kAlphabet - 2)];
    }
    return text;
}

int TakeKey(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) {
        static constexpr char kNumberKeys[] = "0123456789-.,\b";
        return kNumberKeys[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kNumberKeys - 2)];
    }
    return in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 255) : in.ConsumeIntegral<int>();
}

void Play(FuzzedDataProvider& in, Session& s) {
    RequireAgreement(s);
    while (in.remaining_bytes() > 0) {
        const std::size_t groupIndex =
            in.ConsumeIntegralInRange<std::size_t>(0, kGroups.size() - 1);
        const Group& g = kGroups[groupIndex];
        switch (in.ConsumeIntegralInRange(0, 15)) {
            case 0:
                s.pasted[groupIndex] = true;
                platform::Paste(s.form[g.box], TakeText(in));
                break;
            case 1: platform::ClearText(s.form[g.box]); break;
            case 2:
            case 3:
            case 4:
                SelectUnit(s, groupIndex,
                           g.units[in.ConsumeIntegralInRange<std::size_t>(0, g.units.size() - 1)]);
                break;
            case 5: Reset(s); break;
            case 6:
                if (in.ConsumeIntegralInRange(0, 7) == 0) {
                    platform::Click(s.form["cmdQuit"]);
                    fuzz::Require(!s.form.loaded(), "Quitter leaves the window loaded");
                    return;
                }
                break;
            default: TypeKey(s, g, TakeKey(in)); break;
        }
        RequireAgreement(s);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    platform::HeadlessHost host;
    app::Application application(host);
    bool played = false;
    host.onModal = [&](platform::Form& form) {
        if (&form != &application.frmConversions()) return;
        played = true;
        Session session{application.frmConversions(), host};
        Play(in, session);
    };
    application.Start();
    platform::Click(application.frmMainCalc()["cmdConversions"]);
    fuzz::Require(played, "the conversions window did not open");
    fuzz::Require(!application.runtime().ended() &&
                      application.runtime().acceptsInput(application.frmMainCalc()),
                  "the main window does not take input again");
    return 0;
}
