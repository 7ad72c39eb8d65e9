// SPDX-License-Identifier: GPL-3.0-or-later
// The log flown beside a simulator: the automatic Top from the aircraft's fixes, and the commands
// that take the simulator's figures, greyed with their reason when they cannot.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "app/application.h"
#include "navlog/frmlog.h"
#include "navlog/logfile.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"
#include "tests/navlog/fake_documents.h"

namespace ventrose::navlog {
namespace {

struct FixedClock : platform::Clock {
    platform::ClockReading Now() override { return platform::AtUtc({2026, 6, 15}, 10, 0); }
};

// The route runs north along the meridian 2° E from 48° N: the origin, A 30 NM on, B 30 NM
// further, and C, typed by hand, without a position.
constexpr double kNm = 1.0 / 60;  // a NM of latitude, in degrees, near enough for these fixes
constexpr double kOriginLat = 48, kLon = 2;
constexpr double kALat = kOriginLat + 30 * kNm, kBLat = kALat + 30 * kNm;
// The simulator's local time is two hours ahead of its UTC.
constexpr double kLocalAhead = 7200;

LogNav Route(bool withPositions) {
    LogNav log;
    log.origin = "O";
    if (withPositions) log.originPosition = common::LatLon{kOriginLat, kLon};
    log.etapes = {{"A", 0, 30, 0, 0, std::nullopt, common::LatLon{kALat, kLon}},
                  {"B", 0, 30, 0, 0, std::nullopt, common::LatLon{kBLat, kLon}},
                  {"C", 90, 20, 0, 0, std::nullopt}};
    if (!withPositions) log.etapes[0].position.reset();
    return log;
}

struct FrmLogSimTest : ::testing::Test {
    platform::HeadlessHost host;
    testing::FakeDocuments docs;
    FixedClock clock;
    std::unique_ptr<app::Application> app;
    FrmLog* window = nullptr;

    void SetUp() override { Start(); }
    // A fresh start of the program.
    void Start() {
        app.reset();
        app = std::make_unique<app::Application>(host, docs, clock);
        app->Start();
        window = &app->frmLog();
    }
    FrmLog& form() { return *window; }

    void OpenWith(const LogNav& log) {
        FrmLog& form = this->form();
        ASSERT_TRUE(platform::Click(app->frmMainCalc()["cmdLog"]));
        docs.files["/vol/route.vlog"] = WriteLog(log);
        ASSERT_TRUE(platform::DropFile(form, "/vol/route.vlog"));
        ASSERT_EQ(form.log().etapes.size(), log.etapes.size());
    }
    void Receive() {
        FrmLog& form = this->form();
        form.LierSimulateur(simlink::Simulator::XPlane);
        form.EtatSimulateur("X-Plane : données reçues", true);
    }
    // The aircraft `northNm` past A along the route (negative before it), `eastNm` to its right.
    void FlyAt(double northNm, double eastNm, double utc) {
        simlink::SimValues v;
        v.latitudeDeg = kALat + northNm * kNm;
        v.longitudeDeg = kLon + eastNm * kNm / std::cos(kALat * std::numbers::pi / 180);
        v.utcSeconds = utc;
        v.localSeconds = utc + kLocalAhead;
        form().SuivreSimulateur(v);
    }
    std::string HR(int row) const {
        const auto& hr = window->log().etapes[static_cast<std::size_t>(row - 1)].HR;
        return hr ? HeureText(*hr) : "";
    }
    std::string EnCours() { return form()["lblEnCours"].caption(); }
};

struct Fly {
    double northNm;
    double eastNm;
    double utc;
};

// Each flight starts at 10:00:00 UTC (12:00:00 local, the log's clock) towards A.
struct PassRow {
    const char* name;
    bool positions;
    std::vector<Fly> flight;
    const char* hrA;      // A's time afterwards, «» for none
    const char* enCours;  // what lblEnCours then reads
};

TEST_F(FrmLogSimTest, TheAutomaticTopTopsOnlyAPassWithinThreeMilesOfAKnownWaypoint) {
    // What the window adds to the judging of a pair of fixes (tested alone with the pass's
    // core): the time told on the log's clock, the current leg after a pass abeam and a jump,
    // and a leg that has no position.
    const PassRow kRows[] = {
        {"a pass between two fixes 20 s apart, its time interpolated to 12:00:35",
         true,
         {{-0.75, 0, 36020}, {0.25, 0, 36040}},
         "12:01",
         "Étape 2 → B : 30 NM, HE 12:16"},
        {"a teleport back after a pass abeam: the leg passed is current again",
         true,
         {{-1, 4, 36000}, {1, 4, 36020}, {-20, 0, 36021}},
         "",
         "Étape 1 → A : 20 NM, HE 00:15"},
        {"a leg without a position waits for the pilot",
         false,
         {{-1, 0, 36000}, {1, 0, 36020}},
         "",
         "Étape 1 → A : sans position, Top à la main, HE 00:15"},
    };
    for (const PassRow& row : kRows) {
        SCOPED_TRACE(row.name);
        Start();
        OpenWith(Route(row.positions));
        FrmLog& form = this->form();
        Receive();
        platform::Click(form["chkTopAuto"]);
        ASSERT_TRUE(form.log().topAuto);
        for (const Fly& fix : row.flight) FlyAt(fix.northNm, fix.eastNm, fix.utc);
        EXPECT_EQ(HR(1), row.hrA);
        EXPECT_EQ(HR(2), "");
        EXPECT_EQ(EnCours(), row.enCours);
    }
}

// After a leg passed abeam, untopped, the Top goes on with the next.
TEST_F(FrmLogSimTest, AfterAPassAbeamTheNextLegIsTopped) {
    OpenWith(Route(true));
    Receive();
    platform::Click(form()["chkTopAuto"]);
    FlyAt(-1, 4, 36000);
    FlyAt(1, 4, 36020);
    EXPECT_EQ(HR(1), "");
    EXPECT_EQ(EnCours(), "Étape 2 → B : 29 NM, HE 00:30");
    FlyAt(29.5, 0, 36040);
    FlyAt(30.5, 0, 36060);
    EXPECT_EQ(HR(1), "");
    EXPECT_EQ(HR(2), "12:01");
    EXPECT_EQ(EnCours(), "Étape 3 → C : sans position, Top à la main, HE 12:11");
}

struct CommandRow {
    const char* name;
    bool linked;
    bool receiving;
    simlink::SimValues values;
    const char* ventSim;  // the note, «» when offered
    const char* vpSim;
};

TEST_F(FrmLogSimTest, TheSimulatorsCommandsAreGreyedWithTheirReason) {
    simlink::SimValues full;
    full.tasKt = 150;
    full.windFromTrueDeg = 270;
    full.windSpeedKt = 12;
    full.magVarDeg = 2;
    simlink::SimValues noWind = full;
    noWind.magVarDeg.reset();
    const CommandRow kRows[] = {
        {"no link", false, false, {}, "Aucun simulateur relié", "Aucun simulateur relié"},
        {"linked, nothing received",
         true,
         false,
         {},
         "X-Plane : pas de données",
         "X-Plane : pas de données"},
        {"no variation, so no magnetic wind", true, true, noWind, "X-Plane : pas de vent reçu", ""},
        {"everything", true, true, full, "", ""},
    };
    OpenWith(Route(true));
    FrmLog& form = this->form();
    for (const CommandRow& row : kRows) {
        SCOPED_TRACE(row.name);
        form.LierSimulateur(row.linked ? std::optional(simlink::Simulator::XPlane) : std::nullopt);
        if (row.linked) form.EtatSimulateur("", row.receiving);
        if (row.receiving) form.SuivreSimulateur(row.values);
        EXPECT_EQ(form["chkTopAuto"].visible(), row.linked);
        for (const auto& [name, note] :
             {std::pair{"cmdVentSim", row.ventSim}, std::pair{"cmdVpSim", row.vpSim}}) {
            EXPECT_EQ(form[name].toolTipText(), note) << name;
            EXPECT_EQ(form[name].enabled(), *note == '\0') << name;
        }
        // The same wind for the rest of the route needs no simulator.
        EXPECT_TRUE(form["cmdVentSuivants"].enabled());
    }
    // A greyed command's keys do nothing.
    form.LierSimulateur(std::nullopt);
    EXPECT_FALSE(platform::PressShortcut(form, "F6"));
    // With every leg timed there is no leg to take the wind.
    for (const char* row : {"txtHR(1)", "txtHR(2)", "txtHR(3)"}) platform::Paste(form[row], "1000");
    EXPECT_EQ(form["cmdVentSuivants"].toolTipText(), "Toutes les étapes sont topées.");
    EXPECT_FALSE(form["cmdVentSuivants"].enabled());
}

}  // namespace
}  // namespace ventrose::navlog
