// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sim_link_qt.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "app/sim_feed.h"
#include "simlink/flightgear_props.h"
#include "simlink/xplane_datarefs.h"
#include "tests/fakesim/fake_flightgear.h"
#include "tests/fakesim/fake_xplane.h"

namespace ventrose::app {
namespace {

using simlink::LinkChoice;
using simlink::Simulator;

// Generous: a failure, not a speed, is what these waits catch.
constexpr int kPatienceMs = 15000;

class RecordingFeed : public SimFeed {
public:
    void SetLink(std::optional<Simulator> simulator) override { links.push_back(simulator); }
    void SetStatus(std::string_view status, bool) override { statuses.emplace_back(status); }
    void Deliver(const simlink::SimValues& values) override { delivered.push_back(values); }

    std::vector<std::optional<Simulator>> links;
    std::vector<std::string> statuses;
    std::vector<simlink::SimValues> delivered;
};

// X-Plane at 120 kt true, wind from 270° true at 10 m/s, 3° east.
void SetXPlaneValues(fakesim::FakeXPlane& xplane, float tasMs) {
    xplane.set("sim/flightmodel/position/true_airspeed", tasMs);
    xplane.set("sim/weather/aircraft/wind_now_direction_degt", 270.0f);
    xplane.set("sim/weather/aircraft/wind_now_speed_msc", 10.0f);
    xplane.set("sim/flightmodel/position/magnetic_variation", -3.0f);
}

bool Delivered(const RecordingFeed& feed, double tasKt) {
    return !feed.delivered.empty() && feed.delivered.back().tasKt &&
           std::abs(*feed.delivered.back().tasKt - tasKt) < 0.01;
}

TEST(SimLinkQt, NoLinkMeansNoSocket) {
    RecordingFeed feed;
    SimLinkQt link(feed);
    EXPECT_FALSE(link.hasSocket());
    link.setLink(std::nullopt);
    EXPECT_FALSE(link.hasSocket());
    EXPECT_EQ(feed.links, (std::vector<std::optional<Simulator>>{std::nullopt}));
    EXPECT_TRUE(feed.statuses.empty());
}

TEST(SimLinkQt, FollowsXPlaneAndIgnoresWhatIsNotItsReply) {
    fakesim::FakeXPlane xplane;
    ASSERT_TRUE(xplane.listen());
    SetXPlaneValues(xplane, 61.7333f);
    RecordingFeed feed;
    SimLinkQt link(feed);
    link.setLink(LinkChoice{Simulator::XPlane, "127.0.0.1", xplane.port()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Delivered(feed, 120.0); }, kPatienceMs));
    EXPECT_EQ(xplane.subscriptions().size(), simlink::kXPlaneDatarefCount);
    EXPECT_EQ(xplane.subscriptions().front().frequency, simlink::kRrefFrequency);
    const simlink::SimValues& v = feed.delivered.back();
    EXPECT_NEAR(*v.windFromTrueDeg, 270.0, 1e-6);
    EXPECT_NEAR(*v.windSpeedKt, 19.438, 0.001);
    EXPECT_NEAR(*v.magVarDeg, 3.0, 1e-6);
    EXPECT_EQ(feed.statuses.back(), "X-Plane : données reçues");

    xplane.sendForeign();
    xplane.sendJunk();
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.foreignDatagrams() > 0; }, kPatienceMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.counters()->nonFinite >= 3; }, kPatienceMs));
    const simlink::LinkCounters& c = *link.counters();
    EXPECT_EQ(c.rejectedDatagrams, 6u);
    EXPECT_EQ(c.unknownIndexes, 2u);
    EXPECT_EQ(c.implausible, 1u);
    QTest::qWait(600);
    for (const simlink::SimValues& values : feed.delivered) {
        EXPECT_NEAR(*values.tasKt, 120.0, 0.01);
        EXPECT_NEAR(*values.windFromTrueDeg, 270.0, 1e-6);
    }

    // Closing the link ends the subscriptions and every socket.
    link.setLink(std::nullopt);
    EXPECT_FALSE(link.hasSocket());
    ASSERT_TRUE(QTest::qWaitFor([&] { return xplane.subscriptions().empty(); }, kPatienceMs));
}

TEST(SimLinkQt, SubscribesAgainToARestartedXPlane) {
    fakesim::FakeXPlane xplane;
    ASSERT_TRUE(xplane.listen());
    SetXPlaneValues(xplane, 61.7333f);
    RecordingFeed feed;
    SimLinkQt link(feed);
    link.setLink(LinkChoice{Simulator::XPlane, "127.0.0.1", xplane.port()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Delivered(feed, 120.0); }, kPatienceMs));
    xplane.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return feed.statuses.back() == "X-Plane : pas de données"; },
                                kPatienceMs));
    const std::size_t deliveries = feed.delivered.size();
    xplane.restart();
    SetXPlaneValues(xplane, 30.8667f);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Delivered(feed, 60.0); }, kPatienceMs));
    EXPECT_GT(feed.delivered.size(), deliveries);
    EXPECT_EQ(feed.statuses.back(), "X-Plane : données reçues");
}

TEST(SimLinkQt, PollsFlightGearAndConnectsAgainWhenDropped) {
    fakesim::FakeFlightGear flightgear;
    ASSERT_TRUE(flightgear.listen());
    flightgear.set("/instrumentation/airspeed-indicator/true-speed-kt", 123.4);
    flightgear.set("/environment/wind-from-heading-deg", 45);
    RecordingFeed feed;
    SimLinkQt link(feed);
    link.setLink(LinkChoice{Simulator::FlightGear, "127.0.0.1", flightgear.port()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Delivered(feed, 123.4); }, kPatienceMs));
    EXPECT_NEAR(*feed.delivered.back().windFromTrueDeg, 45.0, 1e-9);
    EXPECT_FALSE(feed.delivered.back().windSpeedKt) << "a property never set is no value";
    EXPECT_EQ(feed.statuses.back(), "FlightGear : données reçues");

    flightgear.sendJunk();
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.counters()->overlongLines == 1; }, kPatienceMs));

    flightgear.dropConnections();
    flightgear.set("/instrumentation/airspeed-indicator/true-speed-kt", 99.0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Delivered(feed, 99.0); }, kPatienceMs));
    EXPECT_GE(flightgear.connections(), 2);

    // Stopped: the status says so, the retries wait longer each time, no value is invented.
    flightgear.stop();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return feed.statuses.back() == "FlightGear : pas de données"; }, kPatienceMs));
    EXPECT_TRUE(Delivered(feed, 99.0));
    link.setLink(std::nullopt);
    EXPECT_FALSE(link.hasSocket());
}

// Nothing listens yet: the connection is refused again and again, quietly, until FlightGear
// starts on that port and its values come.
TEST(SimLinkQt, ARefusedConnectionIsTriedAgainWithoutAWord) {
    std::uint16_t port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    RecordingFeed feed;
    SimLinkQt link(feed);
    std::vector<std::string> said;
    link.onHostNotFound = [&](const std::string& host) { said.push_back(host); };
    link.setLink(LinkChoice{Simulator::FlightGear, "127.0.0.1", port});
    QTest::qWait(2000);
    EXPECT_TRUE(said.empty());
    EXPECT_EQ(feed.statuses, std::vector<std::string>{"FlightGear : pas de données"});
    fakesim::FakeFlightGear flightgear;
    ASSERT_TRUE(flightgear.listen(port));
    flightgear.set("/instrumentation/airspeed-indicator/true-speed-kt", 111.0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Delivered(feed, 111.0); }, kPatienceMs));
    EXPECT_TRUE(said.empty());
}

TEST(SimLinkQt, AHostThatCannotBeFoundIsSaidOnce) {
    RecordingFeed feed;
    SimLinkQt link(feed);
    std::vector<std::string> said;
    link.onHostNotFound = [&](const std::string& host) { said.push_back(host); };
    link.setLink(LinkChoice{Simulator::XPlane, "nulle-part.invalid", 49000});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !said.empty(); }, kPatienceMs));
    QTest::qWait(1200);
    EXPECT_EQ(said.size(), 1u);
    EXPECT_EQ(said.front(), "nulle-part.invalid");
    EXPECT_FALSE(link.hasSocket());
}

}  // namespace
}  // namespace ventrose::app
