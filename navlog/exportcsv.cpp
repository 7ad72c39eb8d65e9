// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/exportcsv.h"

#include <string_view>

#include "common/format.h"
#include "common/tr.h"
#include "navlog/document_text.h"

namespace ventrose::navlog {

namespace {

using detail::BareFigure;

std::string Whole(double value, std::string_view pattern) {
    return common::FormatNumber(value, pattern);
}

std::string Given(const std::optional<int>& value, std::string_view pattern) {
    return value ? Whole(*value, pattern) : std::string();
}

class Csv {
public:
    // The separator is the one the language's spreadsheets expect: their decimal mark is the
    // comma in French, which takes ';' between fields, and the point in English, which leaves
    // ',' free.
    explicit Csv(char separator) : separator_(separator) { text_ = "\xEF\xBB\xBF"; }

    Csv& field(std::string_view value) {
        if (!first_) text_ += separator_;
        first_ = false;
        const char special[] = {separator_, '"', '\r', '\n', '\0'};
        if (value.find_first_of(special) == std::string_view::npos) {
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
    char separator_;
    std::string text_;
    bool first_ = true;
};

}  // namespace

std::string ExportCsv(const LogNav& log, const ResultatLog& resultat) {
    const bool french = common::CurrentLanguage() == common::Language::French;
    Csv csv(french ? ';' : ',');
    const std::string unit = detail::FuelUnitLabel(log.fuelUnit);
    const bool exact = log.exactTriangle;
    for (const std::string& name :
         {common::Tr("LogDocuments", "Repère"), common::Tr("LogDocuments", "Rm (°)"),
          common::Tr("LogDocuments", "D (NM)"), common::Tr("LogDocuments", "V (°)"),
          common::Tr("LogDocuments", "Vw (kt)"), common::Tr("LogDocuments", "Dérive (°)"),
          common::Tr("LogDocuments", "Cap (°)"), common::Tr("LogDocuments", "Vs (kt)")})
        csv.field(name);
    if (exact) {
        csv.field(common::Tr("LogDocuments", "Cap exact (°)"))
            .field(common::Tr("LogDocuments", "Vs exacte (kt)"));
    }
    for (const std::string& name :
         {common::Tr("LogDocuments", "Tsv (mn)"), common::Tr("LogDocuments", "Tav (mn)"),
          common::Tr("LogDocuments", "Cumul (mn)"), common::Tr("LogDocuments", "HE"),
          common::Tr("LogDocuments", "HR"), common::Tr("LogDocuments", "Vs réalisée (kt)"),
          common::Arg(common::Tr("LogDocuments", "Carburant (%1)"), {unit}),
          common::Arg(common::Tr("LogDocuments", "Reste (%1)"), {unit}),
          common::Tr("LogDocuments", "Sous la réserve")}) {
        csv.field(name);
    }
    csv.endRow();
    // The route starts from its origin: a row of its own, its name alone.
    if (!log.origin.empty()) {
        csv.text(log.origin);
        for (int i = 1; i < 17; ++i) csv.field("");
        csv.endRow();
    }

    const std::string yes = common::Tr("LogDocuments", "oui");
    const std::string total = common::Tr("LogDocuments", "Total");
    for (std::size_t i = 0; i < log.etapes.size() && i < resultat.etapes.size(); ++i) {
        const Etape& e = log.etapes[i];
        const ResultatEtape& r = resultat.etapes[i];
        csv.text(e.repere)
            .field(Given(e.Rm, "000"))
            .field(Given(e.D, "0"))
            .field(Whole(e.V, "000"))
            .field(Whole(e.Vw, "0"))
            .field(BareFigure(r.DeriveText))
            .field(BareFigure(r.CapText))
            .field(BareFigure(r.VsText));
        if (exact) csv.field(BareFigure(r.CapExactText)).field(BareFigure(r.VsExacteText));
        csv.field(BareFigure(r.TsvText))
            .field(BareFigure(r.TavText))
            .field(BareFigure(r.CumulText))
            .field(r.HEText)
            .field(e.HR ? HeureText(*e.HR) : "")
            .field(BareFigure(r.VsMadeGoodText))
            .field(BareFigure(r.CarburantText))
            .field(BareFigure(r.ResteText))
            .field(r.belowReserve ? yes : "");
        csv.endRow();
    }

    const TotauxLog& t = resultat.totaux;
    csv.field(total).field("").field(BareFigure(t.DText));
    for (int i = 0; i < (exact ? 7 : 5); ++i) csv.field("");
    csv.field(BareFigure(t.TsvText)).field(BareFigure(t.TavText));
    for (int i = 0; i < 4; ++i) csv.field("");
    csv.field(BareFigure(t.CarburantText))
        .field(BareFigure(t.ResteText))
        .field(t.belowReserve ? yes : "");
    csv.endRow();
    return csv.take();
}

}  // namespace ventrose::navlog
