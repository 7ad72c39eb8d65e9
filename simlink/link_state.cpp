// SPDX-License-Identifier: GPL-3.0-or-later
#include "simlink/link_state.h"

#include "common/tr.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <variant>

#include "simlink/flightgear_props.h"
#include "simlink/xplane_datarefs.h"
#include "simlink/xplane_rref.h"

namespace ventrose::simlink {

namespace {

// Far beyond any uptime, and far from overflowing when delays are added to it.
constexpr std::int64_t kLatestTimeMs = std::int64_t{1} << 52;

// What each source of a table measures, in the table's order.
template <typename Source, std::size_t N>
constexpr std::array<Quantity, N> QuantitiesIn(const std::array<Source, N>& table) {
    std::array<Quantity, N> quantities{};
    for (std::size_t i = 0; i < N; ++i) quantities[i] = table[i].quantity;
    return quantities;
}

constexpr auto kXPlaneQuantities = QuantitiesIn(kXPlaneDatarefs);
constexpr auto kFlightGearQuantities = QuantitiesIn(kFlightGearProperties);
// A source beyond them would be dropped without a word.
static_assert(kXPlaneDatarefCount <= kMaxSources && kFlightGearPropertyCount <= kMaxSources);

std::span<const Quantity> QuantitiesOf(Simulator simulator) {
    if (simulator == Simulator::XPlane) return kXPlaneQuantities;
    return kFlightGearQuantities;
}

}  // namespace

LinkState::LinkState(Simulator simulator)
    : simulator_(simulator),
      samples_(QuantitiesOf(simulator)),
      nextReply_(kFlightGearPropertyCount) {}

std::string_view LinkState::Status() const {
    if (simulator_ == Simulator::XPlane) {
        return hasData_ ? "X-Plane : données reçues" : "X-Plane : pas de données";
    }
    return hasData_ ? "FlightGear : données reçues" : "FlightGear : pas de données";
}

std::optional<std::int64_t> LinkState::RetryAtMs() const {
    if (connection_ != Connection::Waiting) return std::nullopt;
    return retryAtMs_;
}

// A clock that goes back (a test's mistake, an adapter's bug) is held where it was.
void LinkState::advance(std::int64_t nowMs) {
    nowMs_ = std::max(nowMs_, std::clamp<std::int64_t>(nowMs, 0, kLatestTimeMs));
}

LinkActions LinkState::Start(std::int64_t nowMs) {
    advance(nowMs);
    LinkActions actions;
    if (started_) return finish(std::move(actions));
    started_ = true;
    if (simulator_ == Simulator::XPlane) {
        actions.sendSubscriptions = true;
        lastSubscriptionMs_ = nowMs_;
    } else {
        open(actions);
    }
    return finish(std::move(actions));
}

LinkActions LinkState::Datagram(std::span<const std::byte> datagram, std::int64_t nowMs) {
    advance(nowMs);
    if (simulator_ != Simulator::XPlane || !started_) return finish({});
    const auto decoded = DecodeRrefReply(datagram);
    const auto* reply = std::get_if<RrefReply>(&decoded);
    if (reply == nullptr) {
        ++counters_.rejectedDatagrams;
        return finish({});
    }
    for (std::size_t i = 0; i < reply->size(); ++i) {
        const RrefValue pair = (*reply)[i];
        const XPlaneDataref* dataref = FindXPlaneDataref(pair.index);
        if (dataref == nullptr) {
            ++counters_.unknownIndexes;
            continue;
        }
        if (!std::isfinite(pair.value)) {
            ++counters_.nonFinite;
            continue;
        }
        const std::optional<double> value = FromXPlaneUnit(dataref->unit, pair.value);
        if (!value) {
            ++counters_.implausible;
            continue;
        }
        accept(static_cast<std::size_t>(pair.index), dataref->quantity, *value);
    }
    return finish({});
}

LinkActions LinkState::Connected(std::int64_t nowMs) {
    advance(nowMs);
    LinkActions actions;
    if (simulator_ == Simulator::FlightGear && connection_ == Connection::Connecting) {
        connection_ = Connection::Open;
        splitter_.Reset();
        lastLineMs_ = nowMs_;
        actions.send = kDataModeCommand;
        poll(actions);
    }
    return finish(std::move(actions));
}

LinkActions LinkState::Received(std::string_view bytes, std::int64_t nowMs) {
    advance(nowMs);
    if (simulator_ != Simulator::FlightGear || connection_ != Connection::Open) return finish({});
    splitter_.Feed(bytes, [this](const SplitLine& line) { onLine(line); });
    return finish({});
}

LinkActions LinkState::Disconnected(std::int64_t nowMs) {
    advance(nowMs);
    if (connection_ == Connection::Connecting || connection_ == Connection::Open) fail();
    return finish({});
}

LinkActions LinkState::Tick(std::int64_t nowMs) {
    advance(nowMs);
    return finish({});
}

// What every event ends with: the timers that are due, the status, the release.
LinkActions LinkState::finish(LinkActions actions) {
    hasData_ = lastValueMs_ && nowMs_ - *lastValueMs_ < kNoDataAfterMs;
    if (started_ && simulator_ == Simulator::XPlane && !hasData_ &&
        nowMs_ - lastSubscriptionMs_ >= kResubscribeEveryMs) {
        actions.sendSubscriptions = true;
        lastSubscriptionMs_ = nowMs_;
    }
    if (simulator_ == Simulator::FlightGear) {
        const bool awaiting = nextReply_ < kFlightGearPropertyCount;
        const bool stalled = (connection_ == Connection::Connecting &&
                              nowMs_ - connectingSinceMs_ >= kStalledAfterMs) ||
                             (connection_ == Connection::Open && awaiting &&
                              nowMs_ - std::max(lastPollMs_, lastLineMs_) >= kStalledAfterMs);
        if (stalled) {
            actions.closeConnection = true;
            ++counters_.stalls;
            fail();
        } else if (connection_ == Connection::Open && !awaiting &&
                   nowMs_ - lastPollMs_ >= kPollEveryMs) {
            poll(actions);
        }
        if (connection_ == Connection::Waiting && nowMs_ >= retryAtMs_) open(actions);
    }
    if (releasePending_ && (!lastReleaseMs_ || nowMs_ - *lastReleaseMs_ >= kReleaseEveryMs)) {
        actions.release = fresh();
        lastReleaseMs_ = nowMs_;
        releasePending_ = false;
    }
    return actions;
}

void LinkState::open(LinkActions& actions) {
    actions.openConnection = true;
    connection_ = Connection::Connecting;
    connectingSinceMs_ = nowMs_;
}

void LinkState::fail() {
    connection_ = Connection::Waiting;
    retryAtMs_ = nowMs_ + retryDelayMs_;
    retryDelayMs_ = std::min(retryDelayMs_ * 2, kMaxRetryMs);
    splitter_.Reset();
    nextReply_ = kFlightGearPropertyCount;
}

void LinkState::poll(LinkActions& actions) {
    actions.send += PollCommands();
    nextReply_ = 0;
    lastPollMs_ = nowMs_;
}

// Every line answers one get, whatever it holds: a line that is dropped still moves the reading
// on to the next property, so that the replies stay in step with the gets.
void LinkState::onLine(const SplitLine& line) {
    lastLineMs_ = nowMs_;
    const std::optional<std::size_t> awaited = takeAwaitedReply();
    if (line.discarded) {
        ++counters_.overlongLines;
        return;
    }
    const auto parsed = ParseFlightGearLine(line.text);
    if (const auto* error = std::get_if<FlightGearLineError>(&parsed)) {
        ++(*error == FlightGearLineError::NotFinite ? counters_.nonFinite
                                                    : counters_.linesWithoutNumber);
        return;
    }
    const FlightGearReply& reply = std::get<FlightGearReply>(parsed);
    const std::optional<std::size_t> property =
        reply.path.empty() ? awaited : FindFlightGearProperty(reply.path);
    if (!property) {
        ++counters_.unexpectedLines;
        return;
    }
    if (*property == kLocalOffsetProperty) {
        acceptLocalOffset(reply.value);
        return;
    }
    accept(*property, kFlightGearProperties[*property].quantity, reply.value);
}

std::optional<std::size_t> LinkState::takeAwaitedReply() {
    if (nextReply_ >= kFlightGearPropertyCount) return std::nullopt;
    return nextReply_++;
}

void LinkState::accept(std::size_t source, Quantity quantity, double value) {
    if (!IsPlausible(quantity, value)) {
        ++counters_.implausible;
        return;
    }
    samples_.Put(source, value, nowMs_);
    kept();
}

void LinkState::acceptLocalOffset(double seconds) {
    if (!(std::abs(seconds) <= kMaxLocalOffsetSeconds)) {
        ++counters_.implausible;
        return;
    }
    localOffset_ = LocalOffset{seconds, nowMs_};
    kept();
}

void LinkState::kept() {
    ++counters_.values;
    lastValueMs_ = nowMs_;
    releasePending_ = true;
    retryDelayMs_ = kFirstRetryMs;
}

// The samples of the last kNoDataAfterMs; FlightGear's local time is its latest UTC and latest
// offset, both as fresh as the other values.
SimValues LinkState::fresh() const {
    SimValues values = samples_.Fresh(nowMs_);
    if (localOffset_ && nowMs_ - localOffset_->atMs < kNoDataAfterMs && values.utcSeconds)
        values.localSeconds = LocalSecondsFromOffset(*values.utcSeconds, localOffset_->seconds);
    return values;
}

std::string ShownStatus(std::string_view status) {
    if (status == "X-Plane : données reçues")
        return common::Tr("LinkState", "X-Plane : données reçues");
    if (status == "X-Plane : pas de données")
        return common::Tr("LinkState", "X-Plane : pas de données");
    if (status == "FlightGear : données reçues")
        return common::Tr("LinkState", "FlightGear : données reçues");
    if (status == "FlightGear : pas de données")
        return common::Tr("LinkState", "FlightGear : pas de données");
    return std::string(status);
}

}  // namespace ventrose::simlink
