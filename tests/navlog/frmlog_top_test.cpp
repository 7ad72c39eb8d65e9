// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/application.h"
#include "navlog/frmlog.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"
#include "tests/navlog/fake_documents.h"

namespace ventrose::navlog {
namespace {

// The computer's clock at 21:59:40 UTC on 15 June 2026, two hours behind Paris' summer time.
struct EveningClock : platform::Clock {
    platform::ClockReading Now() override {
        platform::ClockReading r = platform::AtUtc({2026, 6, 15}, 21, 59);
        r.utcSeconds += 40;
        r.localOffsetSeconds = 7200;
        return r;
    }
};

struct FrmLogTopTest : ::testing::Test {
    platform::HeadlessHost host;
    testing::FakeDocuments docs;
    EveningClock clock;
    app::Application app{host, docs, clock};
    FrmLog& form = app.frmLog();

    void SetUp() override {
        app.Start();
        ASSERT_TRUE(platform::Click(app.frmMainCalc()["cmdLog"]));
    }
    platform::Control& at(const std::string& name) { return form[name]; }
    void AddLegs(int count) {
        for (int i = 0; i < count; ++i) platform::Click(at("cmdAjouter"));
    }
};

// Which clock a Top reads, and what the window says of it: the simulator's only while its
// values come with the time the log keeps, otherwise the computer's, in local time or UTC.
TEST_F(FrmLogTopTest, TheTopReadsTheClockTheWindowNames) {
    struct Sim {
        simlink::Simulator simulator;
        bool recoit;
        std::optional<double> utc;
        std::optional<double> local;
    };
    struct Row {
        const char* name;
        bool utc;
        std::optional<Sim> sim;
        const char* hr;
        const char* horloge;
    };
    using simlink::Simulator;
    const Row kRows[] = {
        {"X-Plane's local time, half a minute up", false,
         Sim{Simulator::XPlane, true, 8 * 3600 + 32 * 60 + 30, 10 * 3600 + 32 * 60 + 30}, "10:33",
         "Horloge : X-Plane, heure locale"},
        {"FlightGear's UTC, the instant before midnight", true,
         Sim{Simulator::FlightGear, true, 86400, 7200}, "00:00", "Horloge : FlightGear, UTC"},
        {"a link that receives nothing", false, Sim{Simulator::XPlane, false, 600, 600}, "00:00",
         "Horloge : ordinateur, heure locale"},
        {"no local time from the simulator yet", false,
         Sim{Simulator::FlightGear, true, 8 * 3600, std::nullopt}, "00:00",
         "Horloge : ordinateur, heure locale"},
        {"the same simulator in UTC", true,
         Sim{Simulator::FlightGear, true, 8 * 3600, std::nullopt}, "08:00",
         "Horloge : FlightGear, UTC"},
    };
    AddLegs(2);
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        form.LierSimulateur(row.sim ? std::optional(row.sim->simulator) : std::nullopt);
        if (row.sim) {
            form.EtatSimulateur("", row.sim->recoit);
            form.SuivreSimulateur({.utcSeconds = row.sim->utc, .localSeconds = row.sim->local});
        }
        ASSERT_TRUE(platform::Click(at(row.utc ? "optHeureUTC" : "optHeureLocale")));
        EXPECT_EQ(form.log().heureUTC, row.utc);
        EXPECT_EQ(at("lblHorloge").caption(), row.horloge);
        platform::ClearText(at("txtHR(1)"));
        ASSERT_TRUE(platform::PressShortcut(form, "F5"));
        EXPECT_EQ(at("txtHR(1)").text(), row.hr);
        EXPECT_FALSE(form.log().etapes[1].HR);
        ASSERT_TRUE(platform::PressShortcut(form, "Shift+F5"));
        EXPECT_EQ(at("txtDepart").text(), row.hr);
    }
    // The link's end gives the Top back to the computer, and the window says so.
    form.LierSimulateur(std::nullopt);
    EXPECT_EQ(at("lblHorloge").caption(), "Horloge : ordinateur, UTC");
}

// The times in the log are moments: another choice of clock tells them again by the offset of
// the local time, the computer's (+2 h, which the scenarios show further), or the simulator's
// while it sends both times (-5 h), across midnight either way.
TEST_F(FrmLogTopTest, TheLogsTimesAreToldAgainOnTheOtherClock) {
    AddLegs(2);
    const auto type = [this](const std::string& box, const std::string& text) {
        platform::ClearText(at(box));
        for (const char c : text) platform::KeyPress(at(box), c);
    };
    type("txtDepart", "09:30");
    type("txtHR(1)", "01:00");
    ASSERT_TRUE(platform::Click(at("optHeureUTC")));
    EXPECT_EQ(at("txtHR(1)").text(), "23:00");
    form.LierSimulateur(simlink::Simulator::XPlane);
    form.EtatSimulateur("", true);
    form.SuivreSimulateur({.utcSeconds = 15 * 3600, .localSeconds = 10 * 3600});
    ASSERT_TRUE(platform::Click(at("optHeureLocale")));
    EXPECT_EQ(form.log().departure, 2 * 60 + 30);
    EXPECT_EQ(at("txtHR(1)").text(), "18:00");
    EXPECT_TRUE(form.unsaved());
}

// The link is told to the window while it is closed (a program started linked) and shown when
// it opens; a Top brings its leg's row into view.
TEST_F(FrmLogTopTest, TheClockOfALinkMadeWhileTheWindowIsClosedShowsWhenItOpens) {
    ASSERT_TRUE(platform::Click(at("cmdQuit")));
    ASSERT_FALSE(form.loaded());
    form.LierSimulateur(simlink::Simulator::XPlane);
    form.EtatSimulateur("", true);
    form.SuivreSimulateur({.utcSeconds = 600, .localSeconds = 4200});
    ASSERT_TRUE(platform::Click(app.frmMainCalc()["cmdLog"]));
    EXPECT_EQ(at("lblHorloge").caption(), "Horloge : X-Plane, heure locale");
    AddLegs(13);
    ASSERT_EQ(at("vscEtapes").value(), 2);
    ASSERT_TRUE(platform::PressShortcut(form, "F5"));
    EXPECT_EQ(at("txtHR(1)").text(), "01:10");
    EXPECT_EQ(at("vscEtapes").value(), 1);
}

}  // namespace
}  // namespace ventrose::navlog
