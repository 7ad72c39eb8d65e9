// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/exportcsv.h"

#include <string_view>

#include "common/format.h"

namespace ventrose::navlog {

namespace {

// A shown figure without its unit: «102 kts» gives 102, «X» stays X.
std::string_view Figure(std::string_view text, std::string_view unit) {
    if (text.ends_with(unit)) text.remove_suffix(unit.size());
    return text;
}

std::string Whole(double value, std::string_view pattern) {
    return common::FormatNumber(value, pattern);
}

std::string Given(const std::optional<int>& value, std::string_view pattern) {
    return value ? Whole(*value, pattern) : std::string();
}

class Csv {
public:
    Csv() { text_ = "\xEF\xBB\xBF"; }

    Csv& field(std::string_view value) {
        if (!first_) text_ += ';';
        first_ = false;
        if (value.find_first_of(";\"\r\n") == std::string_view::npos) {
            text_ += value;
            return *this;
        }
        text_ += '"';
        for (const char c : value) {
            if (c == '"') text_ += '"';
            text_ += c;
        }
        text_ += '"';
        return *this;
    }

    // A waypoint is the one free text: it must not start a formula.
    Csv& text(std::string_view value) {
        if (!value.empty() &&
            std::string_view("=+-@\t\r").find(value.front()) != std::string_view::npos) {
            return field("'" + std::string(value));
        }
        return field(value);
    }

    void endRow() {
        text_ += "\r\n";
        first_ = true;
    }

    std::string take() { return std::move(text_); }

private:
    std::string text_;
    bool first_ = true;
};

}  // namespace

std::string ExportCsv(const LogNav& log, const ResultatLog& resultat) {
    Csv csv;
    const std::string unit(UniteText(log.fuelUnit));
    const bool exact = log.exactTriangle;
    for (const char* name :
         {"Repère", "Rm (°)", "D (NM)", "V (°)", "Vw (kt)", "Dérive (°)", "Cap (°)", "Vs (kt)"})
        csv.field(name);
    if (exact) csv.field("Cap exact (°)").field("Vs exacte (kt)");
    for (const std::string& name :
         {std::string("Tsv (mn)"), std::string("Tav (mn)"), std::string("Cumul (mn)"),
          std::string("HE"), std::string("HR"), std::string("Vs réalisée (kt)"),
          "Carburant (" + unit + ")", "Reste (" + unit + ")", std::string("Sous la réserve")}) {
        csv.field(name);
    }
    csv.endRow();
    // The route starts from its origin: a row of its own, its name alone.
    if (!log.origin.empty()) {
        csv.text(log.origin);
        for (int i = 1; i < 17; ++i) csv.field("");
        csv.endRow();
    }

    for (std::size_t i = 0; i < log.etapes.size() && i < resultat.etapes.size(); ++i) {
        const Etape& e = log.etapes[i];
        const ResultatEtape& r = resultat.etapes[i];
        csv.text(e.repere)
            .field(Given(e.Rm, "000"))
            .field(Given(e.D, "0"))
            .field(Whole(e.V, "000"))
            .field(Whole(e.Vw, "0"))
            .field(Figure(r.DeriveText, " °"))
            .field(Figure(r.CapText, " °"))
            .field(Figure(r.VsText, " kts"));
        if (exact) csv.field(Figure(r.CapExactText, " °")).field(Figure(r.VsExacteText, " kts"));
        csv.field(Figure(r.TsvText, " mn"))
            .field(Figure(r.TavText, " mn"))
            .field(Figure(r.CumulText, " mn"))
            .field(r.HEText)
            .field(e.HR ? HeureText(*e.HR) : "")
            .field(Figure(r.VsMadeGoodText, " kts"))
            .field(r.CarburantText)
            .field(r.ResteText)
            .field(r.belowReserve ? "oui" : "");
        csv.endRow();
    }

    const TotauxLog& t = resultat.totaux;
    csv.field("Total").field("").field(Figure(t.DText, " NM"));
    for (int i = 0; i < (exact ? 7 : 5); ++i) csv.field("");
    csv.field(Figure(t.TsvText, " mn")).field(Figure(t.TavText, " mn"));
    for (int i = 0; i < 4; ++i) csv.field("");
    csv.field(t.CarburantText).field(t.ResteText).field(t.belowReserve ? "oui" : "");
    csv.endRow();
    return csv.take();
}

}  // namespace ventrose::navlog
