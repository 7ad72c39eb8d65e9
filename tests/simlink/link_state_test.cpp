// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/link_state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "simlink/flightgear_props.h"
#include "tests/simlink/bytes.h"

namespace ventrose::simlink {
namespace {

using test::Bytes;
using test::Reply;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// One reply to every subscription, in X-Plane's units: 120 kt true, 110 kt indicated, wind from
// 270° true at 10 m/s, 2° west, 5000 ft, -5 °C, 100 kt over the ground, at 48° N 2.5° W, 10:00
// UTC and 11:00 local.
Bytes FullReply() {
    return Reply({{0, 61.7333f},
                  {1, 110.0f},
                  {2, 270.0f},
                  {3, 270.0f},
                  {4, 10.0f},
                  {5, 10.0f},
                  {6, 2.0f},
                  {7, 5000.0f},
                  {8, 24.8959f},
                  {9, -5.0f},
                  {10, -5.0f},
                  {11, 51.4444f},
                  {12, 48.0f},
                  {13, -2.5f},
                  {14, 36000.0f},
                  {15, 39600.0f}});
}

// ---------------------------------------------------------------- X-Plane

TEST(XPlaneLink, SaysPasDeDonneesTwoSecondsAfterTheLastValue) {
    LinkState link(Simulator::XPlane);
    EXPECT_TRUE(link.Start(0).sendSubscriptions);
    EXPECT_EQ(link.Status(), "X-Plane : pas de données");
    link.Datagram(FullReply(), 1000);
    EXPECT_EQ(link.Status(), "X-Plane : données reçues");
    link.Tick(2999);
    EXPECT_EQ(link.Status(), "X-Plane : données reçues");
    link.Tick(3000);
    EXPECT_EQ(link.Status(), "X-Plane : pas de données");
    EXPECT_FALSE(link.HasData());
}

TEST(XPlaneLink, ReleasesTheValuesInTheProgramsUnits) {
    LinkState link(Simulator::XPlane);
    link.Start(0);
    const LinkActions actions = link.Datagram(FullReply(), 100);
    ASSERT_TRUE(actions.release);
    const SimValues& v = *actions.release;
    EXPECT_NEAR(*v.tasKt, 120.0, 0.01);
    EXPECT_NEAR(*v.iasKt, 110.0, 1e-9);
    EXPECT_NEAR(*v.windFromTrueDeg, 270.0, 1e-9);
    EXPECT_NEAR(*v.windSpeedKt, 19.438, 0.001);
    EXPECT_NEAR(*v.magVarDeg, -2.0, 1e-9);
    EXPECT_NEAR(*v.pressureAltFt, 5000.0, 1e-9);
    EXPECT_NEAR(*v.oatC, -5.0, 1e-9);
    EXPECT_NEAR(*v.groundSpeedKt, 100.0, 0.01);
    EXPECT_EQ(v.latitudeDeg, 48.0);
    EXPECT_EQ(v.longitudeDeg, -2.5);
    EXPECT_EQ(v.utcSeconds, 36000.0);
    EXPECT_EQ(v.localSeconds, 39600.0);
    EXPECT_EQ(link.Counters().values, 16u);
}

TEST(XPlaneLink, SubscribesAtStartAndEveryFourSecondsWhileSilent) {
    LinkState link(Simulator::XPlane);
    std::vector<std::int64_t> sent;
    if (link.Start(0).sendSubscriptions) sent.push_back(0);
    for (std::int64_t t = 100; t <= 13000; t += 100) {
        if (link.Tick(t).sendSubscriptions) sent.push_back(t);
    }
    EXPECT_EQ(sent, (std::vector<std::int64_t>{0, 4000, 8000, 12000}));
}

TEST(XPlaneLink, DoesNotSubscribeAgainWhileValuesArrive) {
    LinkState link(Simulator::XPlane);
    link.Start(0);
    int sent = 0;
    for (std::int64_t t = 100; t <= 20000; t += 100) {
        sent += link.Tick(t).sendSubscriptions;
        if (t % 200 == 0) sent += link.Datagram(FullReply(), t).sendSubscriptions;
    }
    EXPECT_EQ(sent, 0);
}

// X-Plane quits at 10 s and forgets its subscriptions; whenever it comes back, it answers within
// 5 s, with the adapter ticking every 100 ms and X-Plane replying every 200 ms once subscribed.
TEST(XPlaneLink, PicksUpARestartedXPlaneWithinFiveSeconds) {
    std::int64_t slowest = 0;
    for (std::int64_t restart = 10000; restart <= 30000; restart += 70) {
        LinkState link(Simulator::XPlane);
        bool running = true;
        bool subscribed = false;
        std::optional<std::int64_t> answeredAt;
        const auto apply = [&](const LinkActions& a) {
            if (a.sendSubscriptions && running) subscribed = true;
        };
        apply(link.Start(0));
        for (std::int64_t t = 10; t <= restart + 10000 && !answeredAt; t += 10) {
            if (t == 10000) running = subscribed = false;
            if (t == restart) running = true;
            if (t % 100 == 0) apply(link.Tick(t));
            if (running && subscribed && t % 200 == 0) {
                apply(link.Datagram(FullReply(), t));
                if (t >= restart) answeredAt = t;
            }
        }
        ASSERT_TRUE(answeredAt) << "restart at " << restart;
        EXPECT_LE(*answeredAt - restart, 5000) << "restart at " << restart;
        EXPECT_EQ(link.Status(), "X-Plane : données reçues") << "restart at " << restart;
        slowest = std::max(slowest, *answeredAt - restart);
    }
    EXPECT_GT(slowest, 3000);  // the sweep did meet restarts just after a subscription
}

TEST(XPlaneLink, CountsAndDropsWhatIsMalformed) {
    LinkState link(Simulator::XPlane);
    link.Start(0);
    const struct {
        const char* what;
        Bytes datagram;
    } rows[] = {
        {"empty", Bytes{}},
        {"short", test::BytesOf("RRE")},
        {"a header alone", Reply({})},
        {"oversized", Bytes(2000, std::byte{0})},
        {"wrong header",
         test::BytesOf({0x44, 0x41, 0x54, 0x41, 0x2A, 1, 0, 0, 0, 0, 0, 0x80, 0x3F})},
        {"a partial pair", test::BytesOf({0x52, 0x52, 0x45, 0x46, 0x2C, 1, 0, 0})},
        {"an index never requested", Reply({{42, 1.0f}})},
        {"a negative index", Reply({{-1, 1.0f}})},
        {"NaN", Reply({{0, kNaN}})},
        {"infinity", Reply({{11, kInf}})},
        {"minus infinity", Reply({{9, -kInf}})},
        {"an absurd true airspeed", Reply({{0, 1e6f}})},
        {"an absurd temperature", Reply({{9, 500.0f}})},
        {"an absurd magnetic variation", Reply({{6, 500.0f}})},
        {"a pressure beyond the atmosphere", Reply({{8, 0.5f}})},
        {"the largest float", Reply({{7, std::numeric_limits<float>::max()}})},
        {"a latitude beyond the pole", Reply({{12, 90.5f}})},
        {"a time of day after midnight", Reply({{14, 86401.0f}})},
    };
    for (const auto& row : rows) {
        const LinkActions actions = link.Datagram(row.datagram, 100);
        EXPECT_FALSE(actions.release) << row.what;
    }
    link.Tick(200);
    EXPECT_FALSE(link.HasData());
    const LinkCounters& c = link.Counters();
    EXPECT_EQ(c.rejectedDatagrams, 6u);
    EXPECT_EQ(c.unknownIndexes, 2u);
    EXPECT_EQ(c.nonFinite, 3u);
    EXPECT_EQ(c.implausible, 7u);
    EXPECT_EQ(c.values, 0u);
}

TEST(XPlaneLink, KeepsTheGoodPairsOfAMixedReply) {
    LinkState link(Simulator::XPlane);
    link.Start(0);
    const LinkActions actions =
        link.Datagram(Reply({{99, 1.0f}, {0, 51.4444f}, {9, kNaN}, {10, -15.0f}}), 100);
    ASSERT_TRUE(actions.release && actions.release->tasKt);
    EXPECT_NEAR(*actions.release->tasKt, 100.0, 0.01);
    EXPECT_EQ(*actions.release, (SimValues{.tasKt = actions.release->tasKt, .oatC = -15.0}));
    EXPECT_EQ(link.Counters().unknownIndexes, 1u);
    EXPECT_EQ(link.Counters().nonFinite, 1u);
}

TEST(XPlaneLink, PrefersTheXPlane12NameOfAMovedDataref) {
    LinkState link(Simulator::XPlane);
    link.Start(0);
    // X-Plane 12 answers both; an X-Plane 11 that answered an unknown name with zero.
    const auto xp12 = link.Datagram(Reply({{9, -7.0f}, {10, -6.9f}}), 100);
    ASSERT_TRUE(xp12.release);
    EXPECT_EQ(xp12.release->oatC, -7.0);
    const auto xp11 = link.Datagram(Reply({{9, 0.0f}, {10, -6.9f}}), 400);
    ASSERT_TRUE(xp11.release);
    EXPECT_NEAR(*xp11.release->oatC, -6.9, 1e-6);
}

TEST(XPlaneLink, AValueNoLongerSentIsNoLongerReleased) {
    LinkState link(Simulator::XPlane);
    link.Start(0);
    link.Datagram(Reply({{10, -15.0f}}), 0);
    const LinkActions later = link.Datagram(Reply({{11, 51.4444f}}), 2500);
    ASSERT_TRUE(later.release);
    EXPECT_FALSE(later.release->oatC);
    EXPECT_TRUE(later.release->groundSpeedKt);
}

// 100,000 datagrams a second for 10 s: the windows see at most 4 releases a second, each with
// the latest values, and every datagram is still read.
TEST(XPlaneLink, CoalescesAFlood) {
    LinkState link(Simulator::XPlane);
    link.Start(0);
    std::map<std::int64_t, int> releasesPerSecond;
    int releases = 0;
    std::optional<std::int64_t> lastRelease;
    for (std::int64_t t = 0; t < 10000; ++t) {
        for (int k = 0; k < 100; ++k) {
            // The temperature says when it was sent, in tenths of a second.
            const LinkActions a =
                link.Datagram(Reply({{10, static_cast<float>(t / 100) / 10.0f}}), t);
            if (!a.release) continue;
            ++releases;
            ++releasesPerSecond[t / 1000];
            EXPECT_NEAR(*a.release->oatC, static_cast<double>(t / 100) / 10.0, 1e-6) << t;
            if (lastRelease) {
                EXPECT_GE(t - *lastRelease, kReleaseEveryMs);
            }
            lastRelease = t;
        }
    }
    EXPECT_EQ(releases, 40);
    for (const auto& [second, count] : releasesPerSecond) {
        EXPECT_LE(count, 4) << "second " << second;
    }
    EXPECT_EQ(link.Counters().values, 1000000u);
    EXPECT_EQ(link.Status(), "X-Plane : données reçues");
}

TEST(XPlaneLink, ReleasesWhatArrivedSinceTheLastReleaseOnceDue) {
    LinkState link(Simulator::XPlane);
    link.Start(0);
    EXPECT_TRUE(link.Datagram(Reply({{10, 1.0f}}), 0).release);
    EXPECT_FALSE(link.Datagram(Reply({{10, 2.0f}}), 100).release);
    EXPECT_FALSE(link.Tick(249).release);
    const LinkActions due = link.Tick(250);
    ASSERT_TRUE(due.release);
    EXPECT_EQ(due.release->oatC, 2.0);
    EXPECT_FALSE(link.Tick(600).release);  // nothing new
}

TEST(XPlaneLink, IgnoresTheEventsOfAConnection) {
    LinkState link(Simulator::XPlane);
    link.Start(0);
    EXPECT_FALSE(link.Connected(10).openConnection);
    EXPECT_TRUE(link.Received("120\r\n", 20).send.empty());
    link.Disconnected(30);
    EXPECT_EQ(link.Counters().values, 0u);
    EXPECT_FALSE(link.RetryAtMs());
}

TEST(XPlaneLink, IgnoresDatagramsBeforeItStarts) {
    LinkState link(Simulator::XPlane);
    EXPECT_FALSE(link.Datagram(FullReply(), 0).release);
    EXPECT_EQ(link.Counters().values, 0u);
}

TEST(XPlaneLink, StartsOnce) {
    LinkState link(Simulator::XPlane);
    EXPECT_TRUE(link.Start(0).sendSubscriptions);
    EXPECT_FALSE(link.Start(10).sendSubscriptions);
}

TEST(XPlaneLink, HoldsAClockThatGoesBack) {
    LinkState link(Simulator::XPlane);
    link.Start(0);
    link.Datagram(FullReply(), 5000);
    link.Tick(100);
    EXPECT_TRUE(link.HasData());
    link.Tick(7000);
    EXPECT_FALSE(link.HasData());
}

// ---------------------------------------------------------------- FlightGear

// One line for each property, in the order of the poll: 23:00 UTC, an hour ahead locally.
const std::string kReplies =
    "120\r\n110\r\n270\r\n12\r\n2.5\r\n5000\r\n-5\r\n95\r\n47.9\r\n2.75\r\n82800\r\n3600\r\n";

SimValues RepliedValues() {
    return {.tasKt = 120,
            .iasKt = 110,
            .windFromTrueDeg = 270,
            .windSpeedKt = 12,
            .magVarDeg = 2.5,
            .pressureAltFt = 5000,
            .oatC = -5,
            .groundSpeedKt = 95,
            .latitudeDeg = 47.9,
            .longitudeDeg = 2.75,
            .utcSeconds = 82800,
            .localSeconds = 0};
}

TEST(FlightGearLink, ConnectsAtStartInDataModeAndPolls) {
    LinkState link(Simulator::FlightGear);
    EXPECT_TRUE(link.Start(0).openConnection);
    EXPECT_EQ(link.Status(), "FlightGear : pas de données");
    const LinkActions connected = link.Connected(10);
    EXPECT_EQ(connected.send, "data\r\n" + PollCommands());
    const LinkActions replied = link.Received(kReplies, 50);
    ASSERT_TRUE(replied.release);
    EXPECT_EQ(*replied.release, RepliedValues());
    EXPECT_EQ(link.Status(), "FlightGear : données reçues");
    EXPECT_TRUE(replied.send.empty());  // 250 ms have not passed since the poll
    EXPECT_TRUE(link.Tick(259).send.empty());
    EXPECT_EQ(link.Tick(260).send, PollCommands());
    EXPECT_TRUE(link.Tick(2000).send.empty());  // still waiting for those replies
    EXPECT_EQ(link.Status(), "FlightGear : données reçues");
    link.Tick(2050);
    EXPECT_EQ(link.Status(), "FlightGear : pas de données");
}

TEST(FlightGearLink, PollsAgainOnlyOnceEveryReplyIsIn) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    link.Connected(0);
    EXPECT_TRUE(link.Received("120\r\n110\r\n270\r\n", 300).send.empty());
    EXPECT_TRUE(link.Tick(1000).send.empty());
    EXPECT_TRUE(link.Received("12\r\n2.5\r\n5000\r\n-5\r\n95\r\n", 1100).send.empty());
    EXPECT_EQ(link.Received("47.9\r\n2.75\r\n82800\r\n3600\r\n", 1200).send, PollCommands());
}

// The first value is released at once, the rest when the next release is due.
TEST(FlightGearLink, RepliesCutAnywhereGiveTheSameValues) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    link.Connected(0);
    int releases = 0;
    for (const char c : kReplies) {
        releases += link.Received(std::string_view(&c, 1), 10).release.has_value();
    }
    EXPECT_EQ(releases, 1);
    const LinkActions due = link.Tick(260);
    ASSERT_TRUE(due.release);
    EXPECT_EQ(*due.release, RepliedValues());
}

TEST(FlightGearLink, RetriesWithAGrowingDelay) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    std::vector<std::int64_t> delays;
    std::int64_t t = 0;
    for (int attempt = 0; attempt < 9; ++attempt) {
        link.Disconnected(t);  // refused
        ASSERT_TRUE(link.RetryAtMs());
        const std::int64_t retryAt = *link.RetryAtMs();
        delays.push_back(retryAt - t);
        EXPECT_FALSE(link.Tick(retryAt - 1).openConnection);
        EXPECT_TRUE(link.Tick(retryAt).openConnection);
        t = retryAt;
    }
    EXPECT_EQ(delays,
              (std::vector<std::int64_t>{500, 1000, 2000, 4000, 8000, 16000, 30000, 30000, 30000}));
}

TEST(FlightGearLink, AValueResetsTheDelay) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    link.Disconnected(0);
    link.Tick(500);
    link.Disconnected(500);
    link.Tick(1500);
    EXPECT_EQ(link.NextRetryDelayMs(), 2000);
    link.Connected(1600);
    link.Received("120\r\n", 1700);
    EXPECT_EQ(link.NextRetryDelayMs(), 500);
    link.Disconnected(1800);  // dropped
    EXPECT_EQ(link.RetryAtMs(), 2300);
}

TEST(FlightGearLink, AConnectionWithoutAValueDoesNotResetTheDelay) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    link.Disconnected(0);
    link.Tick(500);
    link.Connected(510);
    link.Received("\r\nabc\r\n", 520);
    link.Disconnected(600);
    EXPECT_EQ(link.RetryAtMs(), 1600);
}

TEST(FlightGearLink, ClosesAConnectionThatStopsAnswering) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    link.Connected(0);
    link.Received("120\r\n", 1000);
    EXPECT_FALSE(link.Tick(5999).closeConnection);
    const LinkActions stalled = link.Tick(6000);
    EXPECT_TRUE(stalled.closeConnection);
    EXPECT_EQ(link.RetryAtMs(), 6500);
    EXPECT_EQ(link.Counters().stalls, 1u);
    EXPECT_TRUE(link.Tick(6500).openConnection);
}

TEST(FlightGearLink, ClosesAConnectionThatNeverOpens) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    EXPECT_FALSE(link.Tick(4999).closeConnection);
    EXPECT_TRUE(link.Tick(5000).closeConnection);
    EXPECT_EQ(link.RetryAtMs(), 5500);
}

TEST(FlightGearLink, ADisconnectionWhileWaitingChangesNothing) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    link.Disconnected(0);
    link.Disconnected(100);
    EXPECT_EQ(link.RetryAtMs(), 500);
    EXPECT_EQ(link.NextRetryDelayMs(), 1000);
}

TEST(FlightGearLink, IgnoresBytesWhenNotConnected) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    EXPECT_FALSE(link.Received(kReplies, 10).release);
    link.Connected(20);
    link.Disconnected(30);
    EXPECT_FALSE(link.Received(kReplies, 40).release);
    EXPECT_EQ(link.Counters().values, 0u);
}

// Each line answers one get, even one that is dropped, so the next line still answers the next
// property.
TEST(FlightGearLink, CountsMalformedLinesAndKeepsInStep) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    link.Connected(0);
    const std::string stream = "abc\r\n" +                           // true airspeed: words
                               std::string(1 << 20, '9') + "\r\n" +  // indicated: a megabyte
                               "nan\r\n"                             // wind direction
                               "9999\r\n"                            // wind speed: absurd
                               "2.5\r\n"                             // magnetic variation
                               "\r\n"       // pressure altitude: no such property
                               "-5\r\n"     // temperature
                               "95\r\n"     // ground speed
                               "91\r\n"     // latitude: beyond the pole
                               "2.75\r\n"   // longitude
                               "82800\r\n"  // UTC
                               "99999\r\n"  // local offset: more than a day
                               "77\r\n";    // answers nothing
    const LinkActions a = link.Received(stream, 100);
    ASSERT_TRUE(a.release);
    EXPECT_EQ(*a.release, (SimValues{.magVarDeg = 2.5,
                                     .oatC = -5,
                                     .groundSpeedKt = 95,
                                     .longitudeDeg = 2.75,
                                     .utcSeconds = 82800}));
    const LinkCounters& c = link.Counters();
    EXPECT_EQ(c.linesWithoutNumber, 2u);
    EXPECT_EQ(c.overlongLines, 1u);
    EXPECT_EQ(c.nonFinite, 1u);
    EXPECT_EQ(c.implausible, 3u);
    EXPECT_EQ(c.unexpectedLines, 1u);
    EXPECT_EQ(c.values, 5u);
}

// FlightGear gives its local time as an offset from UTC: each release adds the latest offset to
// the latest UTC, and has no local time without either.
TEST(FlightGearLink, TheLocalTimeIsTheUtcAndTheOffset) {
    const auto poll = [](std::string_view utc, std::string_view offset) {
        return std::string(10, '\n') + std::string(utc) + "\r\n" + std::string(offset) + "\r\n";
    };
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    link.Connected(0);
    const LinkActions first = link.Received(poll("82800", "-18000"), 10);
    ASSERT_TRUE(first.release);
    EXPECT_EQ(first.release->localSeconds, 64800);
    link.Tick(260);
    const LinkActions next = link.Received(poll("82801", ""), 300);
    ASSERT_TRUE(next.release);
    EXPECT_EQ(next.release->localSeconds, 64801) << "the offset of the poll before still holds";
    link.Tick(2100);
    const LinkActions late = link.Received(poll("82900", ""), 2100);
    ASSERT_TRUE(late.release);
    EXPECT_EQ(late.release->utcSeconds, 82900);
    EXPECT_FALSE(late.release->localSeconds) << "an offset over two seconds old";

    LinkState withoutUtc(Simulator::FlightGear);
    withoutUtc.Start(0);
    withoutUtc.Connected(0);
    const LinkActions offsetAlone = withoutUtc.Received(poll("", "3600"), 10);
    ASSERT_TRUE(offsetAlone.release);
    EXPECT_EQ(*offsetAlone.release, SimValues{});
}

TEST(FlightGearLink, MatchesAnInteractiveReplyByItsPath) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    link.Connected(0);
    const LinkActions a = link.Received(
        "/> /environment/temperature-degc = '-7' (double)\r\n/> /sim/time/elapsed-sec = '3' "
        "(double)\r\n",
        10);
    ASSERT_TRUE(a.release);
    EXPECT_EQ(*a.release, SimValues{.oatC = -7});
    EXPECT_EQ(link.Counters().unexpectedLines, 1u);
}

TEST(FlightGearLink, IgnoresDatagrams) {
    LinkState link(Simulator::FlightGear);
    link.Start(0);
    EXPECT_FALSE(link.Datagram(FullReply(), 10).release);
    EXPECT_EQ(link.Counters().rejectedDatagrams, 0u);
}

}  // namespace
}  // namespace ventrose::simlink
