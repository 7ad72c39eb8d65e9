// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/exportcsv.h"

#include <gtest/gtest.h>

#include <string>

#include "common/tr.h"
#include "navlog/document_text.h"

namespace ventrose::navlog {
namespace {

constexpr const char* kHeader =
    "\xEF\xBB\xBFRepère;Rm (°);D (NM);V (°);Vw (kt);Dérive (°);Cap (°);Vs (kt);Tsv (mn);Tav (mn);"
    "Cumul (mn);HE;HR;Vs réalisée (kt);Carburant (Litres);Reste (Litres);Sous la réserve\r\n";

LogNav ThreeLegs() {
    LogNav log;
    log.departure = 9 * 60 + 30;
    log.fuelUnit = UniteCarbu::Litres;
    log.fuelAtDeparture = 36.5;
    log.fuelPerHour = 20;
    log.finalReserve = 20;
    log.etapes = {
        {"Étampes", 90, 40, 90, 20, 10 * 60},
        {"Pithiviers", 180, 30, 90, 20, {}},
        {"Ouest", 270, 50, 90, 20, {}},
    };
    return log;
}

std::string Export(const LogNav& log) { return ExportCsv(log, CalculLog(log)); }

TEST(ExportCsv, HeaderLegsAndTotals) {
    EXPECT_EQ(Export(ThreeLegs()),
              std::string(kHeader) +
                  "Étampes;090;40;090;20;0;090;100;20;24;24;09:54;10:00;80;8,0;28,5;\r\n"
                  "Pithiviers;180;30;090;20;10;170;120;15;15;39;10:15;;;5,0;23,5;\r\n"
                  "Ouest;270;50;090;20;0;270;140;25;21;60;10:36;;;7,0;16,5;oui\r\n"
                  "Total;;120;;;;;;60;60;;;;;20,0;16,5;oui\r\n");
}

// The route's origin comes first, its name alone; a course or a distance not given is an empty
// field, not 0.
TEST(ExportCsv, TheOriginHeadsTheLegsAndFiguresNotGivenAreEmpty) {
    LogNav log = ThreeLegs();
    log.origin = "LFPN";
    log.etapes.resize(1);
    log.etapes[0].Rm.reset();
    log.etapes[0].D.reset();
    const std::string csv = Export(log);
    const std::string rows = csv.substr(std::string(kHeader).size());
    EXPECT_EQ(rows.substr(0, rows.find("\r\n")), "LFPN;;;;;;;;;;;;;;;;");
    EXPECT_NE(rows.find("\r\nÉtampes;;;090;20;"), std::string::npos) << rows;
}

TEST(ExportCsv, FiguresThatCannotBeCountedStayX) {
    LogNav log = ThreeLegs();
    log.Vp = 60;
    log.etapes = {{"Face", 0, 10, 0, 60, 9 * 60 + 30}, {"Lent", 0, 400, 25, 66, {}}};
    EXPECT_EQ(Export(log), std::string(kHeader) +
                               "Face;000;10;000;60;0;000;0;10;X;X;X;09:30;X;X;X;\r\n"
                               "Lent;000;400;025;66;26;026;1;400;> 32767;X;X;;;X;X;\r\n"
                               "Total;;410;;;;;;410;X;;;;;X;X;\r\n");
}

// Shown, the exact triangle's pair follows the method's ground speed, the total row keeping its
// fields in their columns; «X» both where no heading holds the course.
TEST(ExportCsv, TheExactTriangleWhenShown) {
    LogNav log = ThreeLegs();
    log.exactTriangle = true;
    log.etapes[2].V = 180;
    log.etapes[2].Vw = 130;
    EXPECT_EQ(Export(log),
              "\xEF\xBB\xBFRepère;Rm (°);D (NM);V (°);Vw (kt);Dérive (°);Cap (°);Vs (kt);"
              "Cap exact (°);Vs exacte (kt);Tsv (mn);Tav (mn);Cumul (mn);HE;HR;Vs réalisée (kt);"
              "Carburant (Litres);Reste (Litres);Sous la réserve\r\n"
              "Étampes;090;40;090;20;0;090;100;090;100;20;24;24;09:54;10:00;80;8,0;28,5;\r\n"
              "Pithiviers;180;30;090;20;10;170;120;170;118;15;15;39;10:15;;;5,0;23,5;\r\n"
              "Ouest;270;50;180;130;65;205;120;X;X;25;25;64;10:40;;;8,3;15,2;oui\r\n"
              "Total;;120;;;;;;;;60;64;;;;;21,3;15,2;oui\r\n");
}

TEST(ExportCsv, WaypointsAreQuotedAndKeptFromFormulas) {
    const struct {
        const char* what;
        const char* repere;
        const char* field;
    } rows[] = {
        {"plain", "LFPN", "LFPN"},
        {"a semicolon", "Étampes;Mondésir", "\"Étampes;Mondésir\""},
        {"quotes doubled", "Château \"Nord\"", "\"Château \"\"Nord\"\"\""},
        {"a line feed", "A\nB", "\"A\nB\""},
        {"a carriage return", "A\rB", "\"A\rB\""},
        {"a formula", "=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"a plus", "+33", "'+33"},
        {"a minus", "-VOR", "'-VOR"},
        {"an at sign", "@home", "'@home"},
        {"a tab first", "\tX", "'\tX"},
        {"a minus inside is no formula", "A-B", "A-B"},
        {"empty", "", ""},
    };
    for (const auto& row : rows) {
        LogNav log;
        log.fuelUnit = UniteCarbu::Litres;
        log.etapes = {{row.repere, 0, 0, 0, 0, {}}};
        const std::string csv = Export(log);
        const std::size_t start = std::string(kHeader).size();
        EXPECT_EQ(csv.substr(start, csv.find(";000;0;000;0;", start) - start), row.field)
            << row.what;
    }
}

TEST(ExportCsv, UnitsNameTheFuelColumns) {
    const struct {
        UniteCarbu unite;
        const char* columns;
    } rows[] = {
        {UniteCarbu::USGall, "Carburant (US Gallons);Reste (US Gallons)"},
        {UniteCarbu::Litres, "Carburant (Litres);Reste (Litres)"},
        {UniteCarbu::Lbs, "Carburant (Lbs);Reste (Lbs)"},
        {UniteCarbu::Kilo, "Carburant (Kilo);Reste (Kilo)"},
    };
    for (const auto& row : rows) {
        LogNav log;
        log.fuelUnit = row.unite;
        EXPECT_NE(Export(log).find(row.columns), std::string::npos) << UniteText(row.unite);
    }
}

// The documents take the window's figures whichever language the window writes them in: its
// units in French or English come off, and English reads the decimal point.
TEST(BareFigure, TheWindowsFiguresInEitherLanguage) {
    const struct {
        const char* shown;
        const char* french;
        const char* english;
    } rows[] = {
        {"095 °", "095", "095"},  {"102 kts", "102", "102"},   {"102 kt", "102", "102"},
        {"50 mn", "50", "50"},    {"50 min", "50", "50"},      {"> 32767 mn", "> 32767", "> 32767"},
        {"120 NM", "120", "120"}, {"12,5", "12,5", "12.5"},    {"12.5", "12.5", "12.5"},
        {"X", "X", "X"},          {"10:15", "10:15", "10:15"}, {"", "", ""},
    };
    for (const auto& row : rows) {
        common::SetCurrentLanguage(common::Language::French);
        EXPECT_EQ(detail::BareFigure(row.shown), row.french) << row.shown;
        common::SetCurrentLanguage(common::Language::English);
        EXPECT_EQ(detail::BareFigure(row.shown), row.english) << row.shown;
    }
    common::SetCurrentLanguage(common::Language::French);
}

}  // namespace
}  // namespace ventrose::navlog
