// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/kneeboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ventrose::navlog {
namespace {

LogNav Legs(int count) {
    LogNav log;
    log.Vp = 110;
    log.departure = 23 * 60 + 10;
    log.fuelUnit = UniteCarbu::Litres;
    log.fuelAtDeparture = 150;
    log.fuelPerHour = 25;
    log.finalReserve = 30;
    for (int i = 0; i < count; ++i)
        log.etapes.push_back(Etape{"Repère n° " + std::to_string(i + 1),
                                   (i * 37) % 361,
                                   1 + (i * 13) % 60,
                                   (i * 53) % 361,
                                   (i * 7) % 45,
                                   {}});
    return log;
}

std::string Shown(std::string text, std::string_view unit) {
    if (text.ends_with(unit)) text.resize(text.size() - unit.size());
    return text;
}

// The text of the page that lies in the leg's row and reads `text`.
bool InRow(const common::PrintPage& page, double top, double bottom, const std::string& text) {
    for (const auto& t : page.texts)
        if (t.text == text && t.y >= top && t.y + t.height <= bottom + 0.01) return true;
    return false;
}

TEST(PagesKneeboard, OnePagePerTwentyLegsNumbered) {
    const struct {
        int legs;
        std::size_t pages;
    } rows[] = {{0, 1}, {1, 1}, {20, 1}, {21, 2}, {40, 2}, {100, 5}};
    for (const auto& row : rows) {
        const LogNav log = Legs(row.legs);
        const common::PrintJob job = PagesKneeboard(log, CalculLog(log), "route.vlog");
        ASSERT_EQ(job.pages.size(), row.pages) << row.legs << " legs";
        for (std::size_t p = 0; p < job.pages.size(); ++p) {
            const std::string number =
                "Page " + std::to_string(p + 1) + "/" + std::to_string(row.pages);
            bool found = false;
            for (const auto& t : job.pages[p].texts) found = found || t.text == number;
            EXPECT_TRUE(found) << number << " for " << row.legs << " legs";
        }
    }
}

// Each leg is on page i / 20, in its own row, with what the pilot flies and checks by.
TEST(PagesKneeboard, EveryLegsHeadingSpeedAndTimeInItsRow) {
    LogNav log = Legs(100);
    log.etapes[41].HR = 1 * 60 + 5;
    const ResultatLog r = CalculLog(log);
    const common::PrintJob job = PagesKneeboard(log, r, "route");
    ASSERT_EQ(job.pages.size(), 5u);
    double rowTop = 0, rowHeight = 0;
    for (const auto& t : job.pages[0].texts)
        if (t.text == log.etapes[0].repere) rowTop = t.y, rowHeight = t.height;
    ASSERT_GT(rowHeight, 0);
    for (std::size_t i = 0; i < log.etapes.size(); ++i) {
        const auto& page = job.pages[i / kEtapesParPage];
        const double top = rowTop + static_cast<double>(i % kEtapesParPage) * rowHeight;
        const double bottom = top + rowHeight;
        EXPECT_TRUE(InRow(page, top, bottom, log.etapes[i].repere)) << i;
        EXPECT_TRUE(InRow(page, top, bottom, Shown(r.etapes[i].CapText, " °"))) << i;
        EXPECT_TRUE(InRow(page, top, bottom, Shown(r.etapes[i].VsText, " kts"))) << i;
        EXPECT_TRUE(InRow(page, top, bottom, r.etapes[i].HEText)) << i;
        EXPECT_TRUE(InRow(page, top, bottom, r.etapes[i].ResteText)) << i;
    }
    EXPECT_TRUE(InRow(job.pages[2], rowTop + 1 * rowHeight, rowTop + 2 * rowHeight, "01:05"));
}

// Shown, the exact triangle's heading and ground speed follow the method's in each leg's row,
// under one «Exact» header; not shown, the time without wind does.
TEST(PagesKneeboard, TheExactPairAfterTheMethodsGroundSpeed) {
    LogNav log = Legs(25);
    for (const bool exact : {false, true}) {
        log.exactTriangle = exact;
        const ResultatLog r = CalculLog(log);
        const common::PrintJob job = PagesKneeboard(log, r, "route");
        for (std::size_t i = 0; i < log.etapes.size(); ++i) {
            // The row's texts left to right: the waypoint, Rm, D, the wind, the drift, the
            // heading, the ground speed, then the exact pair or Tsv.
            const double top = 37 + static_cast<double>(i % kEtapesParPage) * 7.5;
            std::vector<common::PrintText> row;
            for (const auto& t : job.pages[i / kEtapesParPage].texts)
                if (t.y >= top && t.y + t.height <= top + 7.51) row.push_back(t);
            std::sort(row.begin(), row.end(),
                      [](const auto& a, const auto& b) { return a.x < b.x; });
            ASSERT_GT(row.size(), 8u) << i;
            EXPECT_EQ(row[7].text, exact ? Shown(r.etapes[i].CapExactText, " °")
                                         : Shown(r.etapes[i].TsvText, " mn"))
                << i;
            if (exact) {
                EXPECT_EQ(row[8].text, Shown(r.etapes[i].VsExacteText, " kts")) << i;
            }
        }
        bool header = false;
        for (const auto& t : job.pages[1].texts) header = header || t.text == "Exact";
        EXPECT_EQ(header, exact);
    }
}

TEST(PagesKneeboard, HeadersDataAndTotalsOnEveryPageThatNeedsThem) {
    LogNav log = Legs(25);
    log.origin = "Toussus-le-Noble";
    const ResultatLog r = CalculLog(log);
    const common::PrintJob job = PagesKneeboard(log, r, "route");
    auto has = [](const common::PrintPage& page, const std::string& text) {
        for (const auto& t : page.texts)
            if (t.text == text) return true;
        return false;
    };
    for (const auto& page : job.pages)
        for (const char* text : {"Repère",
                                 "Rm",
                                 "Dist.",
                                 "Vent",
                                 "Dérive",
                                 "Cap",
                                 "Vs",
                                 "Tsv",
                                 "Tav",
                                 "Cumul",
                                 "HE",
                                 "HR",
                                 "Carbu.",
                                 "Reste",
                                 "Litres",
                                 "23:10",
                                 "150,0",
                                 "25,0",
                                 "30,0",
                                 "110",
                                 "De",
                                 "Toussus-le-Noble",
                                 "Log de navigation — route"})
            EXPECT_TRUE(has(page, text)) << text;
    EXPECT_FALSE(has(job.pages[0], "Total"));
    EXPECT_TRUE(has(job.pages[1], "Total"));
    EXPECT_TRUE(has(job.pages[1], r.totaux.ResteText));
    EXPECT_TRUE(has(job.pages[1], r.totaux.CarburantText));
}

TEST(PagesKneeboard, EverythingWithinTheA5Page) {
    LogNav log = Legs(100);
    log.etapes[3].repere = std::string(kMaxRepere, 'W');
    log.exactTriangle = true;
    const common::PrintJob job = PagesKneeboard(log, CalculLog(log), std::string(200, 'T'));
    EXPECT_EQ(job.pageSize, common::PrintJob::PageSize::A5);
    EXPECT_FALSE(job.landscape);
    for (const auto& page : job.pages) {
        for (const auto& t : page.texts) {
            EXPECT_GE(t.x, 0) << t.text;
            EXPECT_GE(t.y, 0) << t.text;
            EXPECT_LE(t.x + t.width, 148) << t.text;
            EXPECT_LE(t.y + t.height, 210) << t.text;
        }
        for (const auto& s : page.strokes) {
            EXPECT_LE(std::max(s.x1, s.x2), 148);
            EXPECT_LE(std::max(s.y1, s.y2), 210);
        }
    }
}

}  // namespace
}  // namespace ventrose::navlog
