// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "documents/qt_document_files.h"
#include "flightplan/plan.h"
#include "navlog/calcullog.h"
#include "navlog/exportcsv.h"
#include "navlog/kneeboard.h"
#include "navlog/logfile.h"
#include "translations/language.h"

namespace ventrose::documents {
namespace {

using namespace navlog;

LogNav HundredLegs() {
    LogNav log;
    log.Vp = 135;
    log.departure = 22 * 60 + 40;
    log.fuelUnit = UniteCarbu::Litres;
    log.fuelAtDeparture = 400;
    log.fuelPerHour = 32.5;
    log.finalReserve = 30;
    for (int i = 0; i < 100; ++i)
        log.etapes.push_back(Etape{"R" + std::to_string(i + 1),
                                   (i * 47) % 361,
                                   5 + (i * 11) % 90,
                                   (i * 29) % 361,
                                   (i * 3) % 50,
                                   {}});
    return log;
}

std::string Unit(std::string text, std::string_view unit) {
    if (text.ends_with(unit)) text.resize(text.size() - unit.size());
    return text;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t start = 0, at;
    while ((at = text.find(separator, start)) != std::string::npos) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// The PDF read back as a person reads it: each leg's row, on its page, holds the heading to fly,
// the ground speed, the exact triangle's beside them and the estimated time that the window
// shows.
TEST(PrintToPdf, HundredLegsReadBackFromThePdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    LogNav log = HundredLegs();
    log.exactTriangle = true;
    const ResultatLog r = CalculLog(log);
    const std::string pdf = dir.filePath(QStringLiteral("log.pdf")).toStdString();
    QtDocumentFiles files;
    ASSERT_EQ(files.PrintToPdf(PagesKneeboard(log, r, "Tour de France"), pdf), std::nullopt);

    QProcess process;
    process.start(pdftotext,
                  {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    std::vector<std::string> pages = Split(process.readAllStandardOutput().toStdString(), "\f");
    if (!pages.empty() && pages.back().find_first_not_of(" \n") == std::string::npos)
        pages.pop_back();
    ASSERT_EQ(pages.size(), 5u);
    for (std::size_t p = 0; p < pages.size(); ++p)
        EXPECT_NE(pages[p].find("Page " + std::to_string(p + 1) + "/5"), std::string::npos);

    for (std::size_t i = 0; i < log.etapes.size(); ++i) {
        const std::vector<std::string> expected = {log.etapes[i].repere,
                                                   Unit(r.etapes[i].CapText, " °"),
                                                   Unit(r.etapes[i].VsText, " kts"),
                                                   Unit(r.etapes[i].CapExactText, " °"),
                                                   Unit(r.etapes[i].VsExacteText, " kts"),
                                                   r.etapes[i].HEText};
        bool found = false;
        for (const std::string& line : Split(pages[i / kEtapesParPage], "\n")) {
            const std::vector<std::string> words = Words(line);
            if (words.empty() || words.front() != expected[0]) continue;
            found = true;
            // The row reads in the columns' order: the heading (after the drift), the ground
            // speed right after it, the exact pair, the estimated time later on.
            std::size_t at = 1;
            for (std::size_t k = 1; k < expected.size(); ++k) {
                while (at < words.size() && words[at] != expected[k]) ++at;
                EXPECT_LT(at, words.size())
                    << "leg " << i + 1 << ": " << expected[k] << " in «" << line << "»";
            }
        }
        EXPECT_TRUE(found) << "leg " << i + 1 << " on page " << i / kEtapesParPage + 1;
    }
}

// The export opens as a spreadsheet would read it: the byte order mark, then rows of the same
// seventeen fields, the header naming them.
TEST(ExportCsvFile, ReadsBackWithItsColumns) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const LogNav log = HundredLegs();
    const std::string path = dir.filePath(QStringLiteral("log.csv")).toStdString();
    QtDocumentFiles files;
    ASSERT_EQ(files.WriteFileAtomic(path, ExportCsv(log, CalculLog(log))), std::nullopt);
    const auto read = files.ReadFile(path, 1 << 20);
    ASSERT_TRUE(read.bytes) << read.error;
    ASSERT_EQ(read.bytes->rfind("\xEF\xBB\xBF", 0), 0u);
    std::vector<std::string> rows = Split(read.bytes->substr(3), "\r\n");
    ASSERT_EQ(rows.back(), "");
    rows.pop_back();
    ASSERT_EQ(rows.size(), 1 + log.etapes.size() + 1);
    EXPECT_EQ(Split(rows.front(), ";"),
              (std::vector<std::string>{
                  "Repère", "Rm (°)", "D (NM)", "V (°)", "Vw (kt)", "Dérive (°)", "Cap (°)",
                  "Vs (kt)", "Tsv (mn)", "Tav (mn)", "Cumul (mn)", "HE", "HR", "Vs réalisée (kt)",
                  "Carburant (Litres)", "Reste (Litres)", "Sous la réserve"}));
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_EQ(Split(rows[i], ";").size(), 17u) << rows[i];
    EXPECT_EQ(Split(rows[5], ";")[0], "R5");
    EXPECT_EQ(Split(rows.back(), ";")[0], "Total");
}

// The language for one test, with the program's own translation; French again after it.
class InLanguage {
public:
    explicit InLanguage(common::Language language) {
        EXPECT_TRUE(translations::UseLanguage(language));
    }
    ~InLanguage() { translations::UseLanguage(common::Language::French); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

LogNav TwoLegs() {
    LogNav log;
    log.departure = 9 * 60 + 30;
    log.fuelUnit = UniteCarbu::Litres;
    log.fuelAtDeparture = 36.5;
    log.fuelPerHour = 20;
    log.finalReserve = 30;
    log.etapes = {{"Étampes, Mondésir", 90, 40, 90, 20, 10 * 60},
                  {"Pithiviers", 180, 30, 90, 20, {}}};
    return log;
}

std::string ReadBack(const std::string& pdf) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return process.readAllStandardOutput().toStdString();
}

// French is the file a French spreadsheet opens, as it always was; English is the one an English
// spreadsheet opens: ',' between fields (a waypoint holding one quoted), the decimal point, the
// pilots' column names and units.
TEST(ExportCsvFile, EachLanguageItsSpreadsheet) {
    const struct {
        common::Language language;
        const char* csv;
    } rows[] = {
        {common::Language::French,
         "\xEF\xBB\xBFRepère;Rm (°);D (NM);V (°);Vw (kt);Dérive (°);Cap (°);Vs (kt);Tsv (mn);"
         "Tav (mn);Cumul (mn);HE;HR;Vs réalisée (kt);Carburant (Litres);Reste (Litres);"
         "Sous la réserve\r\n"
         "Étampes, Mondésir;090;40;090;20;0;090;100;20;24;24;09:54;10:00;80;8,0;28,5;oui\r\n"
         "Pithiviers;180;30;090;20;10;170;120;15;15;39;10:15;;;5,0;23,5;oui\r\n"
         "Total;;70;;;;;;35;39;;;;;13,0;23,5;oui\r\n"},
        {common::Language::English,
         "\xEF\xBB\xBFWaypoint,MC (°),Dist (NM),WD (°),WS (kt),Drift (°),Heading (°),GS (kt),"
         "NWT (min),ETE (min),Cumulative ETE (min),ETA,ATA,GS made good (kt),Fuel used (L),"
         "Fuel remaining (L),Below reserve\r\n"
         "\"Étampes, Mondésir\",090,40,090,20,0,090,100,20,24,24,09:54,10:00,80,8.0,28.5,yes\r\n"
         "Pithiviers,180,30,090,20,10,170,120,15,15,39,10:15,,,5.0,23.5,yes\r\n"
         "Total,,70,,,,,,35,39,,,,,13.0,23.5,yes\r\n"},
    };
    for (const auto& row : rows) {
        const InLanguage language(row.language);
        const LogNav log = TwoLegs();
        EXPECT_EQ(ExportCsv(log, CalculLog(log)), row.csv) << common::LanguageCode(row.language);
    }
}

// The English page as a pilot reads it: its heading, the columns and units in the pilots'
// English, the figures with the decimal point, the notes; none of the French page's words.
TEST(PrintToPdf, TheEnglishPageReadBack) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string pdf = dir.filePath(QStringLiteral("log.pdf")).toStdString();
    {
        const InLanguage language(common::Language::English);
        LogNav log = TwoLegs();
        log.exactTriangle = true;
        ASSERT_EQ(QtDocumentFiles().PrintToPdf(PagesKneeboard(log, CalculLog(log), "Beauce"), pdf),
                  std::nullopt);
    }
    const std::string text = ReadBack(pdf);
    // One of each kind of text on the page: the heading, a column with its unit, an abbreviated
    // column, a figure with its decimal point, a note. (The walk in both languages reads every
    // text of the page model for French left in English.)
    for (const char* english : {"Navigation log — Beauce", "TAS (kt)", "HDG", "Rem.", "28.5",
                                "ATA: actual time over the waypoint"}) {
        EXPECT_NE(text.find(english), std::string::npos) << english << " in:\n" << text;
    }
}

// A refused file tells why in the person's language, a log as a flight plan, its place first.
TEST(Readers, RefusalsInEnglish) {
    const InLanguage language(common::Language::English);
    const auto logError = [](std::string_view text) {
        const auto read = ReadLog(text);
        const auto* error = std::get_if<LogError>(&read);
        return error ? error->message : std::string("read");
    };
    EXPECT_EQ(logError("{\"format\": \"ventrose-log\"]"),
              "The file is not valid JSON (line 1, column 26): \u201c,\u201d or \u201c}\u201d "
              "expected, not \u201c]\u201d.");
    const auto plan = flightplan::ReadPlan("I\n1100 Version\nNUMENR 1\n1 LFPN 0 48.7 x\n");
    const auto* refused = std::get_if<flightplan::PlanError>(&plan);
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(refused->message,
              "Line 4: a point has 5 fields, for 6 (type, identifier, via, "
              "altitude, latitude, longitude).");
}

}  // namespace
}  // namespace ventrose::documents
