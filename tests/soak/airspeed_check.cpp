// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/airspeed_check.h"

#include <variant>

#include "airspeed/calculvp.h"
#include "airspeed/frmvitesse.h"
#include "airspeed/vpexacte.h"
#include "app/application.h"
#include "common/format.h"
#include "tests/runner/scenario.h"

namespace ventrose::soak {

namespace {

const std::string kForm = "frmVitesse";

const airspeed::TableAtmo& table() {
    static const airspeed::TableAtmo t = airspeed::InitTableAtmo();
    return t;
}

std::string speeds(scenario::Driver& driver) {
    return Seen(driver, kForm, "lblVp2", "Caption") + " " +
           Seen(driver, kForm, "lblVpKm", "Caption") + " " +
           Seen(driver, kForm, "lblVpExacte", "Caption") + " " +
           Seen(driver, kForm, "lblMach", "Caption");
}

bool rowMatches(scenario::Driver& driver, const airspeed::AffichageVp& a) {
    return Seen(driver, kForm, "lblAlt", "Caption") == scenario::Quote(a.AltitudeText) &&
           Seen(driver, kForm, "lblAltM", "Caption") == scenario::Quote(a.AltMetresText) &&
           Seen(driver, kForm, "lblTemp", "Caption") == scenario::Quote(a.TempStdText) &&
           Seen(driver, kForm, "lblPression", "Caption") == scenario::Quote(a.PressionStdText);
}

// The four speeds as speeds() reads them: the rule's in knots and km/h, then the exact ones.
std::string quoted(const std::string& vp, const std::string& km,
                   const airspeed::AffichageVpExacte& exacte) {
    return scenario::Quote(vp) + " " + scenario::Quote(km) + " " + scenario::Quote(exacte.VpText) +
           " " + scenario::Quote(exacte.MachText);
}

}  // namespace

// The altitude whose row the labels show: the bar's own when it stands on a step, otherwise
// whichever row they show. Nothing when no row matches.
std::optional<int> AirspeedCheck::altitude(scenario::Driver& driver) const {
    const int vi = SeenValue(driver, kForm, "hscVi");
    const int bar = SeenValue(driver, kForm, "vscAlt");
    if (bar % airspeed::kAltBarStep == 0) {
        const int alt = 2 * (airspeed::kAltBarSeaLevel - bar);
        if (rowMatches(driver,
                       airspeed::CalculVp(static_cast<std::int16_t>(vi), alt, table()).affichage))
            return alt;
        return std::nullopt;
    }
    for (int alt = 0; alt <= 45000; alt += 1000)
        if (rowMatches(driver,
                       airspeed::CalculVp(static_cast<std::int16_t>(vi), alt, table()).affichage))
            return alt;
    return std::nullopt;
}

Check AirspeedCheck::check(scenario::Driver& driver) const {
    const int vi = SeenValue(driver, kForm, "hscVi");
    if (auto f = ExpectCaption(driver, kForm, "lblVi", common::FormatWhole(vi), "the bar's value"))
        return f;
    const auto alt = altitude(driver);
    if (!alt)
        return Failure{
            kForm + ".lblAlt",
            kForm + ": the altitude labels show no row of the standard atmosphere for vscAlt " +
                std::to_string(SeenValue(driver, kForm, "vscAlt")) + ": " +
                Seen(driver, kForm, "lblAlt", "Caption")};
    const auto rule = airspeed::CalculVp(static_cast<std::int16_t>(vi), *alt, table()).affichage;
    const std::string standard =
        quoted(rule.VpText, rule.VpKmText, airspeed::AfficheVpExacte(vi, *alt));
    const std::string seen = speeds(driver);
    if (seen == standard) return std::nullopt;
    if (confirmed_ && seen == *confirmed_) return std::nullopt;
    return Failure{kForm + ".lblVp2",
                   kForm + ": the speeds show " + seen + ", the standard atmosphere gives " +
                       standard +
                       (confirmed_ ? ", the confirmed temperature " + *confirmed_ : std::string())};
}

void AirspeedCheck::before(scenario::Driver& driver, bool okClicked) {
    viBefore_ = SeenValue(driver, kForm, "hscVi");
    altBarBefore_ = SeenValue(driver, kForm, "vscAlt");
    speedsBefore_ = speeds(driver);
    predicted_.reset();
    refusalPredicted_ = false;
    if (!okClicked) return;
    const auto alt = altitude(driver);
    if (!alt) return;
    const std::string text = driver.application().frmVitesse()["txtTempExt"].text();
    const auto result =
        airspeed::CalculVpTempExt(static_cast<std::int16_t>(viBefore_), *alt, table(), text);
    if (const auto* r = std::get_if<airspeed::ResultatVpTempExt>(&result)) {
        predicted_ = quoted(r->VpText, r->VpKmText,
                            airspeed::AfficheVpExacte(viBefore_, *alt, r->TempExtLue));
    } else {
        refusalPredicted_ =
            std::get<airspeed::TempExtRefusal>(result) != airspeed::TempExtRefusal::Empty;
    }
}

Check AirspeedCheck::after(scenario::Driver& driver, bool okClicked, std::size_t newBoxes) {
    const bool barMoved = SeenValue(driver, kForm, "hscVi") != viBefore_ ||
                          SeenValue(driver, kForm, "vscAlt") != altBarBefore_;
    if (barMoved) {
        confirmed_.reset();
        const std::string text = Seen(driver, kForm, "txtTempExt", "Text");
        if (text != "\"\"")
            return Failure{kForm + ".txtTempExt",
                           kForm + ": a bar moved and the temperature box still holds " + text};
    }
    if (!okClicked) return std::nullopt;
    if (predicted_) {
        confirmed_ = predicted_;
        const std::string seen = speeds(driver);
        if (seen != *predicted_)
            return Failure{
                kForm + ".cmdTempExt",
                kForm + ": OK shows " + seen + ", the temperature correction gives " + *predicted_};
        return std::nullopt;
    }
    if (refusalPredicted_ && newBoxes != 1)
        return Failure{kForm + ".cmdTempExt", kForm + ": OK on a refused temperature showed " +
                                                  std::to_string(newBoxes) +
                                                  " message boxes, not one"};
    if (speeds(driver) != speedsBefore_)
        return Failure{kForm + ".cmdTempExt",
                       kForm + ": OK on a refused or empty temperature changed the speeds to " +
                           speeds(driver)};
    return std::nullopt;
}

void AirspeedCheck::fed(scenario::Driver& driver) {
    const platform::Form& form = driver.application().frmVitesse();
    if (form["chkSuivre"].value() != 1) return;
    confirmed_.reset();
    const std::string text = form["txtTempExt"].text();
    const auto alt = altitude(driver);
    if (text.empty() || !alt) return;
    const int vi = SeenValue(driver, kForm, "hscVi");
    const auto result =
        airspeed::CalculVpTempExt(static_cast<std::int16_t>(vi), *alt, table(), text);
    if (const auto* r = std::get_if<airspeed::ResultatVpTempExt>(&result))
        confirmed_ =
            quoted(r->VpText, r->VpKmText, airspeed::AfficheVpExacte(vi, *alt, r->TempExtLue));
}

}  // namespace ventrose::soak
