// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/log_check.h"

#include <cstdint>

#include "app/application.h"
#include "navlog/calcullog.h"
#include "navlog/saisielog.h"

namespace ventrose::soak {

namespace {

using navlog::Champ;
using navlog::Lecture;

// The box reads as `value`, or is on its way to a value where the window lets it be.
bool reads(const platform::Form& form, const std::string& box, Champ champ, double value,
           bool mayBeIncomplete) {
    const Lecture lecture = navlog::LireChamp(champ, form[box].text());
    if (lecture.etat == Lecture::Etat::Valeur) return lecture.valeur == value;
    return lecture.etat == Lecture::Etat::Incomplet && mayBeIncomplete;
}

// A course or a distance box: empty when not given, else reading as the figure given.
bool shows(const platform::Form& form, const std::string& box, Champ champ,
           const std::optional<int>& value) {
    const std::string& text = form[box].text();
    if (text.empty() || !value) return text.empty() && !value;
    return reads(form, box, champ, *value, false);
}

}  // namespace

bool IsLogMessage(const std::string& prompt) {
    return prompt.find(" : de ") != std::string::npos ||
           // A flight plan refused, or a file that could not be read.
           prompt.starts_with("Impossible d'importer « ") || prompt.starts_with("Le fichier « ") ||
           prompt == "Repère : 40 caractères au plus" || prompt == "De : 40 caractères au plus" ||
           prompt == "Le log compte déjà 100 étapes." ||
           // Without documents, printing says it cannot.
           prompt == "Le log n'a pas été imprimé : non disponible";
}

bool IsImportNotice(const platform::MessageBoxRequest& box) {
    return box.owner == "frmLog" && box.style == 64 && box.title == "Log de navigation" &&
           (box.prompt.starts_with("Points sans position ignorés : ") ||
            box.prompt.starts_with("Points à moins de 0,5 NM du précédent ignorés : ") ||
            box.prompt.starts_with("Étape ") || box.prompt.starts_with("La date est hors"));
}

Check CheckLog(scenario::Driver& driver) {
    navlog::FrmLog& form = driver.application().frmLog();
    const navlog::LogNav& log = form.log();
    // The whole log computed afresh costs most of a step. A figure the window got wrong stays
    // wrong until its leg changes again, so comparing at one step in eight still finds it, a
    // few steps later, and keeps a million steps under the sanitizers within their time.
    static std::uint64_t checks = 0;
    if (checks++ % 8 == 0 && !(form.resultat() == navlog::CalculLog(log)))
        return Failure{"frmLog", "frmLog holds figures that are not CalculLog of its log"};
    const navlog::ResultatLog& expected = form.resultat();
    const std::string name = "frmLog";
    if (form["txtOrigine"].text() != log.origin || !reads(form, "txtVp", Champ::Vp, log.Vp, true) ||
        !reads(form, "txtDepart", Champ::Depart, log.departure, true) ||
        !reads(form, "txtCarbu", Champ::Carburant, log.fuelAtDeparture, true) ||
        !reads(form, "txtConso", Champ::Conso, log.fuelPerHour, true) ||
        !reads(form, "txtReserve", Champ::Reserve, log.finalReserve, true))
        return Failure{"frmLog.data", "a box of the log's data does not read as the log"};
    // The rows a person sees: the others are the same code at other indexes, and checking all
    // hundred at every step would make the soak mostly string lookups.
    for (std::size_t i = 0; i < log.etapes.size(); ++i) {
        const std::string row = "(" + std::to_string(i + 1) + ")";
        if (!form["txtRm" + row].visible()) continue;
        const navlog::Etape& e = log.etapes[i];
        const bool boxes = form["txtRepere" + row].text() == e.repere &&
                           shows(form, "txtRm" + row, Champ::Rm, e.Rm) &&
                           shows(form, "txtDist" + row, Champ::D, e.D) &&
                           reads(form, "txtV" + row, Champ::V, e.V, false) &&
                           reads(form, "txtVw" + row, Champ::Vw, e.Vw, false) &&
                           (e.HR ? reads(form, "txtHR" + row, Champ::HR, *e.HR, false)
                                 : navlog::LireChamp(Champ::HR, form["txtHR" + row].text()).etat ==
                                       Lecture::Etat::Incomplet);
        if (!boxes) return Failure{"frmLog.leg", "the boxes of leg " + row + " are not its values"};
        const navlog::ResultatEtape& r = expected.etapes[i];
        // A leg shows its figures once its course and distance are given; the exact triangle's
        // columns only when the log shows them.
        const std::string none;
        const bool given = e.Rm && e.D;
        const bool exact = log.exactTriangle;
        const std::pair<const char*, const std::string*> labels[] = {
            {"lblCap", given ? &r.CapText : &none},
            {"lblVs", given ? &r.VsText : &none},
            {"lblHE", given ? &r.HEText : &none},
            {"lblReste", given ? &r.ResteText : &none},
            {exact ? "lblCapExact" : nullptr, given ? &r.CapExactText : &none},
            {exact ? "lblVsExacte" : nullptr, given ? &r.VsExacteText : &none}};
        for (const auto& [label, text] : labels)
            if (label != nullptr)
                if (auto f = ExpectCaption(driver, name, label + row, *text, "the log's figures"))
                    return f;
        if (form["lblCapExact" + row].visible() != exact ||
            form["lblVsExacte" + row].visible() != exact)
            return Failure{"frmLog.lblCapExact", "the exact triangle's columns of leg " + row +
                                                     " are not shown as the log says"};
    }
    return std::nullopt;
}

}  // namespace ventrose::soak
