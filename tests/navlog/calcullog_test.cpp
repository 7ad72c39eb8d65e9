// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/calcullog.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace ventrose::navlog {
namespace {

// Three legs at 120 kt in a 20 kt east wind: head wind, wind from the left, tail wind. The
// figures are worked by hand with the method: Fb 0,5; Vs 100, 120 and 140 kt.
LogNav ThreeLegs() {
    LogNav log;
    log.Vp = 120;
    log.departure = 9 * 60 + 30;
    log.fuelUnit = UniteCarbu::Litres;
    log.fuelAtDeparture = 100;
    log.fuelPerHour = 20;
    log.finalReserve = 15;
    log.etapes = {
        {"Est", 90, 40, 90, 20, {}},
        {"Sud", 180, 30, 90, 20, {}},
        {"Ouest", 270, 50, 90, 20, {}},
    };
    return log;
}

// The texts of each leg, in the columns' order.
std::vector<std::string> Row(const ResultatEtape& r) {
    return {r.DeriveText,
            r.CapText,
            r.VsText,
            r.TsvText,
            r.TavText,
            r.CumulText,
            r.HEText,
            r.VsMadeGoodText,
            r.CarburantText,
            r.ResteText,
            r.belowReserve ? "rouge" : ""};
}

std::vector<std::string> Totals(const TotauxLog& t) {
    return {t.DText,         t.TsvText,   t.TavText,
            t.CarburantText, t.ResteText, t.belowReserve ? "rouge" : ""};
}

using Rows = std::vector<std::vector<std::string>>;

Rows RowsOf(const ResultatLog& r) {
    Rows rows;
    for (const ResultatEtape& e : r.etapes) rows.push_back(Row(e));
    return rows;
}

TEST(CalculLog, ThreeLegsWorkedByHand) {
    const ResultatLog r = CalculLog(ThreeLegs());
    EXPECT_EQ(
        RowsOf(r),
        (Rows{
            {"0 °", "090 °", "100 kts", "20 mn", "24 mn", "24 mn", "09:54", "", "8,0", "92,0", ""},
            {"10 °", "170 °", "120 kts", "15 mn", "15 mn", "39 mn", "10:09", "", "5,0", "87,0", ""},
            {"0 °", "270 °", "140 kts", "25 mn", "21 mn", "60 mn", "10:30", "", "7,0", "80,0", ""},
        }));
    EXPECT_EQ(Totals(r.totaux),
              (std::vector<std::string>{"120 NM", "60 mn", "60 mn", "20,0", "80,0", ""}));
    EXPECT_EQ(r.etapes[2].cumul, 60);
    EXPECT_EQ(r.etapes[2].HE, 10 * 60 + 30);
    EXPECT_EQ(r.totaux.reste, 80.0);
}

// Each row changes the three-leg log and names the figures that must follow.
TEST(CalculLog, HowTheCountsCarryFromLegToLeg) {
    struct Row {
        const char* what;
        void (*change)(LogNav&);
        Rows legs;
        std::vector<std::string> totals;
    };
    const Row rows[] = {
        {"an actual time shifts every later estimate by its difference, and gives the speed made "
         "good",
         [](LogNav& l) { l.etapes[0].HR = 10 * 60; },
         {
             {"0 °", "090 °", "100 kts", "20 mn", "24 mn", "24 mn", "09:54", "80 kts", "8,0",
              "92,0", ""},
             {"10 °", "170 °", "120 kts", "15 mn", "15 mn", "39 mn", "10:15", "", "5,0", "87,0",
              ""},
             {"0 °", "270 °", "140 kts", "25 mn", "21 mn", "60 mn", "10:36", "", "7,0", "80,0", ""},
         },
         {"120 NM", "60 mn", "60 mn", "20,0", "80,0", ""}},
        {"an early actual time brings the estimates forward; each leg counts from the previous "
         "time",
         [](LogNav& l) {
             l.etapes[0].HR = 9 * 60 + 50;
             l.etapes[1].HR = 10 * 60 + 10;
         },
         {
             {"0 °", "090 °", "100 kts", "20 mn", "24 mn", "24 mn", "09:54", "120 kts", "8,0",
              "92,0", ""},
             {"10 °", "170 °", "120 kts", "15 mn", "15 mn", "39 mn", "10:05", "90 kts", "5,0",
              "87,0", ""},
             {"0 °", "270 °", "140 kts", "25 mn", "21 mn", "60 mn", "10:31", "", "7,0", "80,0", ""},
         },
         {"120 NM", "60 mn", "60 mn", "20,0", "80,0", ""}},
        {"a head wind as strong as the airspeed: «X» for its time and every count after it",
         [](LogNav& l) { l.etapes[1] = {"Sud", 180, 30, 180, 120, {}}; },
         {
             {"0 °", "090 °", "100 kts", "20 mn", "24 mn", "24 mn", "09:54", "", "8,0", "92,0", ""},
             {"0 °", "180 °", "0 kts", "15 mn", "X", "X", "X", "", "X", "X", ""},
             {"0 °", "270 °", "140 kts", "25 mn", "21 mn", "X", "X", "", "7,0", "X", ""},
         },
         {"120 NM", "60 mn", "X", "X", "X", ""}},
        {"an actual time after a leg never flown: no speed made good, the estimates come back",
         [](LogNav& l) {
             l.etapes[0].Vw = 150;
             l.etapes[1].HR = 10 * 60 + 40;
         },
         {
             {"0 °", "090 °", "-30 kts", "20 mn", "X", "X", "X", "", "X", "X", ""},
             {"10 °", "170 °", "120 kts", "15 mn", "15 mn", "X", "X", "X", "5,0", "X", ""},
             {"0 °", "270 °", "140 kts", "25 mn", "21 mn", "X", "11:01", "", "7,0", "X", ""},
         },
         {"120 NM", "60 mn", "X", "X", "X", ""}},
        {"a flight past midnight reads the times modulo 24 h, an actual time past midnight too",
         [](LogNav& l) {
             l.departure = 23 * 60 + 50;
             l.etapes[0].HR = 0 * 60 + 20;
         },
         {
             {"0 °", "090 °", "100 kts", "20 mn", "24 mn", "24 mn", "00:14", "80 kts", "8,0",
              "92,0", ""},
             {"10 °", "170 °", "120 kts", "15 mn", "15 mn", "39 mn", "00:35", "", "5,0", "87,0",
              ""},
             {"0 °", "270 °", "140 kts", "25 mn", "21 mn", "60 mn", "00:56", "", "7,0", "80,0", ""},
         },
         {"120 NM", "60 mn", "60 mn", "20,0", "80,0", ""}},
        {"an actual time equal to the previous one gives no speed made good",
         [](LogNav& l) { l.etapes[0].HR = 9 * 60 + 30; },
         {
             {"0 °", "090 °", "100 kts", "20 mn", "24 mn", "24 mn", "09:54", "X", "8,0", "92,0",
              ""},
             {"10 °", "170 °", "120 kts", "15 mn", "15 mn", "39 mn", "09:45", "", "5,0", "87,0",
              ""},
             {"0 °", "270 °", "140 kts", "25 mn", "21 mn", "60 mn", "10:06", "", "7,0", "80,0", ""},
         },
         {"120 NM", "60 mn", "60 mn", "20,0", "80,0", ""}},
        {"red from the first remaining figure below the reserve, not at the reserve itself",
         [](LogNav& l) {
             l.fuelAtDeparture = 36;
             l.finalReserve = 23;
         },
         {
             {"0 °", "090 °", "100 kts", "20 mn", "24 mn", "24 mn", "09:54", "", "8,0", "28,0", ""},
             {"10 °", "170 °", "120 kts", "15 mn", "15 mn", "39 mn", "10:09", "", "5,0", "23,0",
              ""},
             {"0 °", "270 °", "140 kts", "25 mn", "21 mn", "60 mn", "10:30", "", "7,0", "16,0",
              "rouge"},
         },
         {"120 NM", "60 mn", "60 mn", "20,0", "16,0", "rouge"}},
        {"fuel kept to a tenth as shown, so that the column adds up; an empty tank goes negative",
         [](LogNav& l) {
             l.fuelAtDeparture = 9.04;
             l.fuelPerHour = 9.9;
             l.finalReserve = 0;
         },
         {
             {"0 °", "090 °", "100 kts", "20 mn", "24 mn", "24 mn", "09:54", "", "4,0", "5,0", ""},
             {"10 °", "170 °", "120 kts", "15 mn", "15 mn", "39 mn", "10:09", "", "2,5", "2,5", ""},
             {"0 °", "270 °", "140 kts", "25 mn", "21 mn", "60 mn", "10:30", "", "3,5", "-1,0",
              "rouge"},
         },
         {"120 NM", "60 mn", "60 mn", "10,0", "-1,0", "rouge"}},
        {"a ground speed of a few tenths: the main window's «> 32767 mn», and no count after it",
         [](LogNav& l) {
             l.Vp = 60;
             l.etapes = {{"Lent", 0, 400, 25, 66, {}}};
         },
         {
             {"26 °", "026 °", "1 kts", "400 mn", "> 32767 mn", "X", "X", "", "X", "X", ""},
         },
         {"400 NM", "400 mn", "X", "X", "X", ""}},
        {"no leg: the departure fuel arrives",
         [](LogNav& l) { l.etapes.clear(); },
         {},
         {"0 NM", "0 mn", "0 mn", "0,0", "100,0", ""}},
    };
    for (const Row& row : rows) {
        LogNav log = ThreeLegs();
        row.change(log);
        const ResultatLog r = CalculLog(log);
        EXPECT_EQ(RowsOf(r), row.legs) << row.what;
        EXPECT_EQ(Totals(r.totaux), row.totals) << row.what;
    }
}

// No leg lasts 12 hours: an actual time that makes one last longer is a slip of the keys (09:20
// for 10:20), with no speed made good, and marked; 12 hours exactly is still a leg.
TEST(CalculLog, AnActualTimeMakingALegLastOver12HoursIsASlip) {
    LogNav log = ThreeLegs();
    log.etapes[0].HR = 21 * 60 + 30;
    log.etapes[1].HR = 9 * 60 + 31;
    const ResultatLog r = CalculLog(log);
    EXPECT_EQ(r.etapes[0].VsMadeGoodText, "3 kts");
    EXPECT_FALSE(r.etapes[0].actualSlip);
    EXPECT_EQ(r.etapes[1].VsMadeGoodText, "X");
    EXPECT_TRUE(r.etapes[1].actualSlip);
    log.etapes[1].HR.reset();
    ResultatLog again = r;
    RecalculLog(log, again);
    EXPECT_FALSE(again.etapes[1].actualSlip) << "the mark goes with the time";
}

// The main window rounds each leg's time without wind on its own; the total is the sum of the
// rounded figures, not the rounded sum.
TEST(CalculLog, TotalTimeWithoutWindAddsTheShownFigures) {
    LogNav log;
    log.Vp = 80;                                                // Fb 0,75
    log.etapes = {{"", 0, 2, 0, 0, {}}, {"", 0, 2, 0, 0, {}}};  // 1,5 min each, shown 2
    const ResultatLog r = CalculLog(log);
    EXPECT_EQ(r.etapes[0].TsvText, "2 mn");
    EXPECT_EQ(r.totaux.Tsv, 4);
    EXPECT_EQ(r.totaux.TsvText, "4 mn");
}

// A person editing a log one change at a time; after each, the figures kept and recomputed are
// those of a computation from nothing.
TEST(RecalculLog, AfterEachChangeTheFiguresOfAFreshComputation) {
    std::mt19937 random(4242);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    LogNav log = ThreeLegs();
    ResultatLog r = CalculLog(log);
    for (int step = 0; step < 3000; ++step) {
        std::string change;
        const auto leg = [&]() -> Etape& {
            return log
                .etapes[static_cast<std::size_t>(pick(0, static_cast<int>(log.etapes.size()) - 1))];
        };
        switch (log.etapes.empty() ? 0 : pick(0, 11)) {
            case 0:
                change = "add a leg";
                log.etapes.insert(log.etapes.begin() + pick(0, static_cast<int>(log.etapes.size())),
                                  NouvelleEtape(log));
                break;
            case 1:
                change = "remove a leg";
                log.etapes.erase(log.etapes.begin() +
                                 pick(0, static_cast<int>(log.etapes.size()) - 1));
                break;
            case 2:
                change = "Rm";
                leg().Rm = pick(0, 360);
                break;
            case 3:
                change = "D";
                leg().D = pick(0, 400);
                break;
            case 4:
                change = "V";
                leg().V = pick(0, 360);
                break;
            case 5:
                change = "Vw";
                leg().Vw = pick(0, 360);
                break;
            case 6:
                change = "type an actual time";
                leg().HR = pick(0, 1439);
                break;
            case 7:
                change = "clear an actual time";
                leg().HR.reset();
                break;
            case 8:
                change = "Vp";
                log.Vp = pick(60, 800);
                break;
            case 9:
                change = "departure";
                log.departure = pick(0, 1439);
                break;
            case 10:
                change = "fuel";
                log.fuelAtDeparture = pick(0, 3000) / 10.0;
                log.fuelPerHour = pick(0, 500) / 10.0;
                break;
            default:
                change = "reserve";
                log.finalReserve = pick(0, 1000) / 10.0;
                break;
        }
        if (log.etapes.size() > kMaxEtapes) log.etapes.pop_back();
        RecalculLog(log, r);
        ASSERT_EQ(r, CalculLog(log)) << "step " << step << ": " << change;
    }
}

}  // namespace
}  // namespace ventrose::navlog
