// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/kneeboard.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

#include "common/format.h"
#include "common/tr.h"
#include "navlog/document_text.h"

namespace ventrose::navlog {

namespace {

using common::PrintPage;
using common::PrintStroke;
using common::PrintText;
using Align = PrintText::Align;

// A5 portrait: the size of a kneeboard's clip, read on the thigh without turning it. Twenty
// rows of 7.5 mm leave room to write an actual time by hand in each.
constexpr double kPageWidth = 148;
constexpr double kMargin = 5;
constexpr double kTitleTop = kMargin;
constexpr double kDataTop = 14;
constexpr double kDataHeight = 11;
constexpr double kTableTop = 29;
constexpr double kHeaderHeight = 8;
constexpr double kRowHeight = 7.5;
constexpr double kRowsTop = kTableTop + kHeaderHeight;
constexpr double kTotalTop = kRowsTop + kEtapesParPage * kRowHeight;
constexpr double kNoteTop = kTotalTop + kRowHeight + 2;
constexpr double kRowPoints = 8;

struct Column {
    double width;  // mm
    Align align;
};

// The columns in the order a pilot reads a leg: where to, the route and wind, what to fly (and
// beside it, when chosen, the exact triangle's figures to check the method by), the times, then
// the fuel. Without the exact pair the widths add up to the page less its margins (138 mm):
// three digits in bold at 8 points in every figure column, four in the cumulated time.
constexpr double kTableWidth = 138;
constexpr Column kColumns[] = {
    {18, Align::Left},   {8, Align::Centre},  {8, Align::Centre}, {12, Align::Centre},
    {8, Align::Centre},  {8, Align::Centre},  {8, Align::Centre}, {7, Align::Centre},
    {7, Align::Centre},  {8, Align::Centre},  {8, Align::Centre}, {10, Align::Centre},
    {10, Align::Centre}, {11, Align::Centre}, {10, Align::Right}, {11, Align::Right},
};
constexpr std::size_t kColumnCount = std::size(kColumns);
enum Col : std::size_t {
    cRepere,
    cRm,
    cDist,
    cVent,
    cDerive,
    cCap,
    cVs,
    cCapExact,
    cVsExacte,
    cTsv,
    cTav,
    cCumul,
    cHE,
    cHR,
    cCarbu,
    cReste
};

constexpr double kTableRight = kPageWidth - kMargin;

// Where the columns stand on a page. The exact pair, when shown, takes its 14 mm from every
// other column in proportion, each keeping 90 % of its width: their figures keep their size,
// but for a bold one of three digits, which the painter fits to its column a little smaller.
class Table {
public:
    explicit Table(bool exact) {
        const double pair = kColumns[cCapExact].width + kColumns[cVsExacte].width;
        const double scale = exact ? (kTableWidth - pair) / kTableWidth : 1;
        double x = kMargin;
        for (std::size_t c = 0; c < kColumnCount; ++c) {
            const bool exactColumn = c == cCapExact || c == cVsExacte;
            left_[c] = x;
            width_[c] = exactColumn ? (exact ? kColumns[c].width : 0) : kColumns[c].width * scale;
            x += width_[c];
        }
    }
    double left(std::size_t column) const { return left_[column]; }
    double width(std::size_t column) const { return width_[column]; }
    bool shown(std::size_t column) const { return width_[column] > 0; }

private:
    std::array<double, kColumnCount> left_{};
    std::array<double, kColumnCount> width_{};
};

// The columns' names and units, in the columns' order, in the current language. The exact
// pair has one name over its two columns. The fuel columns' unit is the log's.
struct ColumnHeader {
    std::string name;
    std::string unit;
};

std::array<ColumnHeader, std::size(kColumns)> ColumnHeaders(const std::string& fuelUnit) {
    const std::string minutes = common::Tr("LogDocuments", "mn");
    return {{
        {common::Tr("LogDocuments", "Repère"), ""},
        {common::Tr("LogDocuments", "Rm"), "°"},
        {common::Tr("LogDocuments", "Dist."), "NM"},
        {common::Tr("LogDocuments", "Vent"), "° / kt"},
        {common::Tr("LogDocuments", "Dérive"), "°"},
        {common::Tr("LogDocuments", "Cap"), "°"},
        {common::Tr("LogDocuments", "Vs"), "kt"},
        {common::Tr("LogDocuments", "Exact"), "°"},
        {"", "kt"},
        {common::Tr("LogDocuments", "Tsv"), minutes},
        {common::Tr("LogDocuments", "Tav"), minutes},
        {common::Tr("LogDocuments", "Cumul"), minutes},
        {common::Tr("LogDocuments", "HE"), ""},
        {common::Tr("LogDocuments", "HR"), ""},
        {common::Tr("LogDocuments", "Carbu."), fuelUnit},
        {common::Tr("LogDocuments", "Reste"), fuelUnit},
    }};
}

std::string Figure(std::string_view text) { return detail::BareFigure(text); }

std::string Whole(double value, std::string_view pattern) {
    return common::FormatNumber(value, pattern);
}

std::string Fuel(double value) { return common::FormatFigure(value, "0.0"); }

// A course or a distance as given, nothing when it is not.
std::string Given(const std::optional<int>& value, std::string_view pattern) {
    return value ? Whole(*value, pattern) : std::string();
}

class PageBuilder {
public:
    PageBuilder(PrintPage& page, const Table& table) : page_(page), table_(table) {}

    const Table& table() const { return table_; }

    void text(double x, double y, double width, double height, std::string text, double points,
              bool bold = false, Align align = Align::Left) {
        if (text.empty()) return;
        page_.texts.push_back(PrintText{x, y, width, height, std::move(text), points, bold, align});
    }

    // A cell of the table: its text inset from the column's rules; nothing in a column not shown.
    void cell(std::size_t column, double top, std::string text, bool bold = false) {
        if (!table_.shown(column)) return;
        const double inset = 0.8;
        this->text(table_.left(column) + inset, top, table_.width(column) - 2 * inset, kRowHeight,
                   std::move(text), kRowPoints, bold, kColumns[column].align);
    }

    void stroke(double x1, double y1, double x2, double y2, double width = 0.2) {
        page_.strokes.push_back(PrintStroke{x1, y1, x2, y2, width});
    }

private:
    PrintPage& page_;
    const Table& table_;
};

// The route's origin first, where the legs start from, then the figures the legs count from.
// The widths add up to the page less its margins (138 mm); the origin takes the room of a
// waypoint's name, the others of their longest figures («100000,0», «US Gallons»).
void LogData(PageBuilder& b, const LogNav& log) {
    const std::string unit = detail::FuelUnitLabel(log.fuelUnit);
    const struct {
        std::string label;
        std::string value;
        double width;  // mm
    } boxes[] = {
        {common::Tr("LogDocuments", "De"), log.origin, 32},
        {common::Tr("LogDocuments", "Vp (kt)"), Whole(log.Vp, "0"), 13},
        {common::Tr("LogDocuments", "Départ"), HeureText(log.departure), 15},
        {common::Tr("LogDocuments", "Carburant"), Fuel(log.fuelAtDeparture), 20},
        {common::Tr("LogDocuments", "Conso. / h"), Fuel(log.fuelPerHour), 20},
        {common::Tr("LogDocuments", "Réserve"), Fuel(log.finalReserve), 20},
        {common::Tr("LogDocuments", "Unité"), unit, 18},
    };
    double x = kMargin;
    for (const auto& box : boxes) {
        b.text(x + 1, kDataTop + 0.5, box.width - 2, 3.5, box.label, 6.5);
        b.text(x + 1, kDataTop + 4.5, box.width - 2, 6, box.value, 10, true);
        b.stroke(x, kDataTop, x, kDataTop + kDataHeight);
        x += box.width;
    }
    b.stroke(x, kDataTop, x, kDataTop + kDataHeight);
    b.stroke(kMargin, kDataTop, kTableRight, kDataTop);
    b.stroke(kMargin, kDataTop + kDataHeight, kTableRight, kDataTop + kDataHeight);
}

void Header(PageBuilder& b, const std::string& unit) {
    const Table& table = b.table();
    const auto headers = ColumnHeaders(unit);
    for (std::size_t c = 0; c < kColumnCount; ++c) {
        if (!table.shown(c)) continue;
        const ColumnHeader& column = headers[c];
        const double x = table.left(c) + 0.5;
        // The exact pair's name spans both its columns; each has its own unit under it.
        const double w =
            (c == cCapExact ? table.width(c) + table.width(cVsExacte) : table.width(c)) - 1;
        b.text(x, kTableTop + 0.5, w, 4, column.name, 6.5, true, Align::Centre);
        b.text(x, kTableTop + 4.2, table.width(c) - 1, 3.3, column.unit, 6, false, Align::Centre);
    }
}

void Rules(PageBuilder& b, double bottom) {
    const Table& table = b.table();
    for (std::size_t c = 0; c < kColumnCount; ++c) {
        if (!table.shown(c)) continue;
        // The exact pair's names share one header cell.
        const double top = c == cVsExacte ? kTableTop + 4 : kTableTop;
        b.stroke(table.left(c), top, table.left(c), bottom, c == 0 ? 0.4 : 0.2);
    }
    b.stroke(kTableRight, kTableTop, kTableRight, bottom, 0.4);
    b.stroke(kMargin, kTableTop, kTableRight, kTableTop, 0.4);
    b.stroke(kMargin, kRowsTop, kTableRight, kRowsTop, 0.4);
    for (int row = 1; row <= kEtapesParPage; ++row) {
        const double y = kRowsTop + row * kRowHeight;
        b.stroke(kMargin, y, kTableRight, y, row == kEtapesParPage ? 0.4 : 0.15);
    }
    if (bottom > kTotalTop) b.stroke(kMargin, bottom, kTableRight, bottom, 0.4);
}

void Leg(PageBuilder& b, double top, const Etape& e, const ResultatEtape& r) {
    b.cell(cRepere, top, e.repere);
    b.cell(cRm, top, Given(e.Rm, "000"));
    b.cell(cDist, top, Given(e.D, "0"));
    b.cell(cVent, top, Whole(e.V, "000") + "/" + Whole(e.Vw, "0"));
    b.cell(cDerive, top, Figure(r.DeriveText));
    b.cell(cCap, top, Figure(r.CapText), true);
    b.cell(cVs, top, Figure(r.VsText), true);
    b.cell(cCapExact, top, Figure(r.CapExactText));
    b.cell(cVsExacte, top, Figure(r.VsExacteText));
    b.cell(cTsv, top, Figure(r.TsvText));
    b.cell(cTav, top, Figure(r.TavText));
    b.cell(cCumul, top, Figure(r.CumulText));
    b.cell(cHE, top, r.HEText, true);
    // The actual time is written by hand in flight; one already typed is printed, so that a log
    // printed again agrees with the estimates it revised.
    if (e.HR) b.cell(cHR, top, HeureText(*e.HR));
    b.cell(cCarbu, top, Figure(r.CarburantText));
    b.cell(cReste, top, Figure(r.ResteText), r.belowReserve);
}

void Totals(PageBuilder& b, const ResultatLog& resultat) {
    const TotauxLog& t = resultat.totaux;
    b.cell(cRepere, kTotalTop, common::Tr("LogDocuments", "Total"), true);
    // The route's distance may take five digits: it spans the course's empty cell too.
    const Table& table = b.table();
    b.text(table.left(cRm) + 0.8, kTotalTop, table.left(cVent) - table.left(cRm) - 1.6, kRowHeight,
           Figure(t.DText), kRowPoints, true, Align::Right);
    b.cell(cTsv, kTotalTop, Figure(t.TsvText), true);
    b.cell(cTav, kTotalTop, Figure(t.TavText), true);
    if (!resultat.etapes.empty()) b.cell(cHE, kTotalTop, resultat.etapes.back().HEText, true);
    b.cell(cCarbu, kTotalTop, Figure(t.CarburantText), true);
    b.cell(cReste, kTotalTop, Figure(t.ResteText), true);
}

}  // namespace

common::PrintJob PagesKneeboard(const LogNav& log, const ResultatLog& resultat,
                                std::string_view name) {
    const std::string logHeading = common::Tr("LogDocuments", "Log de navigation");
    common::PrintJob job;
    job.title = name.empty() ? logHeading : std::string(name);
    const std::string heading = name.empty() ? logHeading : logHeading + " — " + std::string(name);
    job.pageSize = common::PrintJob::PageSize::A5;
    const std::size_t legs = std::min(log.etapes.size(), resultat.etapes.size());
    const std::size_t perPage = kEtapesParPage;
    const std::size_t pages = std::max<std::size_t>(1, (legs + perPage - 1) / perPage);
    const std::string unit = detail::FuelUnitLabel(log.fuelUnit);
    job.pages.resize(pages);
    const Table table(log.exactTriangle);
    for (std::size_t p = 0; p < pages; ++p) {
        PageBuilder b(job.pages[p], table);
        const bool last = p + 1 == pages;
        const double pageWidth = kTableRight - kMargin;
        b.text(kMargin, kTitleTop, pageWidth - 24, 6, heading, 11, true);
        b.text(kTableRight - 24, kTitleTop, 24, 6,
               common::Arg(common::Tr("LogDocuments", "Page %1/%2"),
                           {std::to_string(p + 1), std::to_string(pages)}),
               9, false, Align::Right);
        LogData(b, log);
        Header(b, unit);
        for (std::size_t i = p * perPage; i < legs && i < (p + 1) * perPage; ++i)
            Leg(b, kRowsTop + static_cast<double>(i - p * perPage) * kRowHeight, log.etapes[i],
                resultat.etapes[i]);
        Rules(b, last ? kTotalTop + kRowHeight : kTotalTop);
        if (last) Totals(b, resultat);
        b.text(kMargin, kNoteTop, pageWidth, 4,
               common::Tr("LogDocuments",
                          "HR : heure réelle au repère, à noter en vol. HE : heure estimée. "
                          "Reste en gras : sous la réserve."),
               6.5);
        if (log.exactTriangle)
            b.text(kMargin, kNoteTop + 4, pageWidth, 4,
                   common::Tr("LogDocuments",
                              "Exact : cap et Vs du triangle des vitesses résolu exactement, à "
                              "comparer à ceux de la méthode. X : cap impossible, vent "
                              "traversier > Vp."),
                   6.5);
    }
    return job;
}

}  // namespace ventrose::navlog
