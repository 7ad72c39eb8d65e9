// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "simlink/line_splitter.h"
#include "simlink/samples.h"
#include "simlink/sim_values.h"

// The link with one simulator, as a pure state machine: the adapter that owns the socket tells
// it what happened and when, and does what it answers. Time is a monotonic clock in
// milliseconds given with each event (the adapter's QElapsedTimer, a test's numbers); nothing
// here reads a clock, so a timeline replays exactly.
namespace ventrose::simlink {

enum class Simulator : std::uint8_t { XPlane, FlightGear };

// X-Plane forgets its subscriptions when it quits. While it sends nothing, they are sent again
// at this interval, so that a restarted X-Plane answers within 5 s of listening: 4 s, plus the
// adapter's tick (at most half a second) and X-Plane's first reply (a fifth of a second).
inline constexpr std::int64_t kResubscribeEveryMs = 4000;
// The windows get new values at most this often: a few updates a second, whatever arrives.
inline constexpr std::int64_t kReleaseEveryMs = 250;
// FlightGear is polled at this interval, once its answers to the previous poll are all in.
inline constexpr std::int64_t kPollEveryMs = 250;
// A refused or dropped connection is tried again after this delay, doubled at each failure up
// to kMaxRetryMs, and back to kFirstRetryMs once a value has arrived.
inline constexpr std::int64_t kFirstRetryMs = 500;
inline constexpr std::int64_t kMaxRetryMs = 30000;
// A connection that takes this long to open, or leaves a poll unanswered this long, is closed
// and tried again: in data mode a reply does not say which get it answers, so a stream out of
// step is only put right by starting afresh.
inline constexpr std::int64_t kStalledAfterMs = 5000;

// What the link has refused since it began. Nothing counted here ever reaches the windows.
struct LinkCounters {
    std::uint64_t values = 0;  // accepted
    std::uint64_t rejectedDatagrams =
        0;                             // too short, too long, wrong header, partial value, no value
    std::uint64_t unknownIndexes = 0;  // a dataref index this program never asked for
    std::uint64_t nonFinite = 0;       // NaN or infinite
    std::uint64_t implausible = 0;     // beyond the quantity's limits (LimitsOf)
    std::uint64_t linesWithoutNumber = 0;  // a line from FlightGear that holds no number
    std::uint64_t overlongLines = 0;       // a line longer than kMaxLineBytes
    std::uint64_t unexpectedLines = 0;     // a reply to no get of ours, or naming another property
    std::uint64_t stalls = 0;              // connections closed for want of an answer
};

// What the adapter must do after an event, in this order.
struct LinkActions {
    bool closeConnection = false;      // FlightGear: close it; no Disconnected is expected for it
    bool openConnection = false;       // FlightGear: connect to the property server
    bool sendSubscriptions = false;    // X-Plane: send each of XPlaneSubscriptions() as a datagram
    std::string send;                  // FlightGear: write these bytes to the connection
    std::optional<SimValues> release;  // give these to the windows
};

class LinkState {
public:
    explicit LinkState(Simulator simulator);

    // X-Plane: subscribe. FlightGear: connect. Only the first call does anything.
    LinkActions Start(std::int64_t nowMs);
    // X-Plane: a datagram from the simulator's address.
    LinkActions Datagram(std::span<const std::byte> datagram, std::int64_t nowMs);
    // FlightGear: the connection asked for is open.
    LinkActions Connected(std::int64_t nowMs);
    // FlightGear: bytes read from the connection, in any chunks.
    LinkActions Received(std::string_view bytes, std::int64_t nowMs);
    // FlightGear: the connection was refused, failed or was closed by the simulator.
    LinkActions Disconnected(std::int64_t nowMs);
    // The adapter's timer, at least twice a second: due subscriptions, polls, retries, releases.
    LinkActions Tick(std::int64_t nowMs);

    // "X-Plane : données reçues" while a value arrived in the last kNoDataAfterMs, else
    // "X-Plane : pas de données" (the same with "FlightGear"), as of the last event. Always in
    // French, the status's identity as the link hands it on; ShownStatus gives the words a
    // person reads.
    std::string_view Status() const;
    bool HasData() const { return hasData_; }

    const LinkCounters& Counters() const { return counters_; }
    Simulator simulator() const { return simulator_; }
    // FlightGear: when the next connection will be tried, while waiting to retry.
    std::optional<std::int64_t> RetryAtMs() const;
    // FlightGear: the delay the next failure will wait.
    std::int64_t NextRetryDelayMs() const { return retryDelayMs_; }

private:
    enum class Connection : std::uint8_t { Idle, Connecting, Open, Waiting };

    void advance(std::int64_t nowMs);
    LinkActions finish(LinkActions actions);
    void open(LinkActions& actions);
    void fail();
    void poll(LinkActions& actions);
    void onLine(const SplitLine& line);
    std::optional<std::size_t> takeAwaitedReply();
    void accept(std::size_t source, Quantity quantity, double value);
    void acceptLocalOffset(double seconds);
    void kept();
    SimValues fresh() const;

    Simulator simulator_;
    Samples samples_;
    LinkCounters counters_{};
    bool started_ = false;
    std::int64_t nowMs_ = 0;
    std::optional<std::int64_t> lastValueMs_;
    bool hasData_ = false;
    bool releasePending_ = false;
    std::optional<std::int64_t> lastReleaseMs_;

    // X-Plane.
    std::int64_t lastSubscriptionMs_ = 0;

    // FlightGear.
    Connection connection_ = Connection::Idle;
    std::int64_t connectingSinceMs_ = 0;
    std::int64_t retryAtMs_ = 0;
    std::int64_t retryDelayMs_ = kFirstRetryMs;
    LineSplitter splitter_;
    std::size_t nextReply_ = 0;  // the property whose reply comes next; the table's size when none
    std::int64_t lastPollMs_ = 0;
    std::int64_t lastLineMs_ = 0;
    // Its local time's offset from UTC, kept apart from the samples: it is no value the windows
    // take, but what makes the UTC of each release a local time.
    struct LocalOffset {
        double seconds;
        std::int64_t atMs;
    };
    std::optional<LocalOffset> localOffset_;
};

// A Status() in the current language («X-Plane : pas de données», "X-Plane: no data"); any other
// text as it is.
std::string ShownStatus(std::string_view status);

}  // namespace ventrose::simlink
