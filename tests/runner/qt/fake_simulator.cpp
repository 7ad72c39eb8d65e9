// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/qt/fake_simulator.h"

#include <QTest>
#include <array>
#include <cmath>
#include <string_view>
#include <utility>
#include <variant>

#include "app/application.h"
#include "simlink/flightgear_props.h"
#include "simlink/link_choice.h"
#include "simlink/sim_values.h"
#include "simlink/xplane_datarefs.h"
#include "tests/fakesim/names.h"

namespace ventrose::scenario {

using simlink::Quantity;

namespace {

bool Near(double seen, double wanted) {
    return std::abs(seen - wanted) <= 1e-6 * std::max(1.0, std::abs(wanted));
}

}  // namespace

FakeSimulator::FakeSimulator(std::function<void()> ensureEventLoop)
    : ensureEventLoop_(std::move(ensureEventLoop)) {}

// The link goes first: it tells the fake to stop sending, and holds the feed.
FakeSimulator::~FakeSimulator() {
    link_.reset();
    xplane_.reset();
    flightgear_.reset();
}

std::optional<std::string> FakeSimulator::start(const std::string& simulator,
                                                app::Application& application) {
    ensureEventLoop_();
    std::uint16_t port = 0;
    if (simulator == "xplane") {
        simulator_ = simlink::Simulator::XPlane;
        xplane_ = std::make_unique<fakesim::FakeXPlane>();
        if (!xplane_->listen()) return "no free port on 127.0.0.1";
        port = xplane_->port();
    } else {
        simulator_ = simlink::Simulator::FlightGear;
        flightgear_ = std::make_unique<fakesim::FakeFlightGear>();
        if (!flightgear_->listen()) return "no free port on 127.0.0.1";
        port = flightgear_->port();
    }
    // As --sim reads it.
    const auto parsed = simlink::ParseLinkChoice(simulator + ":127.0.0.1:" + std::to_string(port));
    const auto* choice = std::get_if<std::optional<simlink::LinkChoice>>(&parsed);
    if (choice == nullptr || !*choice) return "a link the program refuses";
    feed_ = std::make_unique<Feed>(application.simFeed());
    link_ = std::make_unique<app::SimLinkQt>(*feed_);
    link_->setLink(*choice);
    return std::nullopt;
}

std::optional<std::string> FakeSimulator::set(const std::string& name, double value) {
    std::optional<std::size_t> source;
    if (xplane()) {
        source = fakesim::XPlaneSource(name);
        if (source)
            xplane_->set(std::string(simlink::kXPlaneDatarefs[*source].name),
                         static_cast<float>(value));
    } else {
        source = fakesim::FlightGearSource(name);
        if (source)
            flightgear_->set(std::string(simlink::kFlightGearProperties[*source].path), value);
    }
    if (!source) return "no source named " + name + " that the link reads";
    set_[*source] = value;
    return std::nullopt;
}

std::optional<double> FakeSimulator::flightGearLocalTime(double offset) const {
    for (const auto& [source, value] : set_)
        if (simlink::kFlightGearProperties[source].quantity == Quantity::UtcTime)
            return std::fmod(
                std::fmod(value + offset, simlink::kSecondsPerDay) + simlink::kSecondsPerDay,
                simlink::kSecondsPerDay);
    return std::nullopt;
}

bool FakeSimulator::valuesHanded() const {
    if (!feed_->latest) return false;
    // A quantity holds when it is the value of one of its sources that were set.
    std::array<int, simlink::kQuantityCount> wanted{}, met{};
    for (const auto& [source, value] : set_) {
        Quantity quantity{};
        std::optional<double> read = value;
        if (xplane()) {
            const simlink::XPlaneDataref& d = simlink::kXPlaneDatarefs[source];
            quantity = d.quantity;
            read = simlink::FromXPlaneUnit(d.unit, static_cast<float>(value));
        } else {
            quantity = simlink::kFlightGearProperties[source].quantity;
            // FlightGear tells how far its local time is ahead of its UTC: the windows get the
            // local time of day, once its UTC is known too.
            if (quantity == Quantity::LocalTime) read = flightGearLocalTime(value);
        }
        // What the link refuses never reaches the windows.
        if (!read || !simlink::IsPlausible(quantity, *read)) continue;
        const auto q = static_cast<std::size_t>(quantity);
        wanted[q] = 1;
        const std::optional<double>& seen = simlink::ValueOf(*feed_->latest, quantity);
        if (seen && Near(*seen, *read)) met[q] = 1;
    }
    return wanted == met;
}

std::optional<std::string> FakeSimulator::waitForValues(int timeoutMs) {
    if (waitUntil([this] { return valuesHanded(); }, timeoutMs)) return std::nullopt;
    return feed_->latest ? std::string("other values") : std::string("no values at all");
}

std::string FakeSimulator::refusedSoFar() const {
    const simlink::LinkCounters* c = link_->counters();
    if (c == nullptr) return "no link running";
    return std::to_string(c->rejectedDatagrams) + " malformed, " +
           std::to_string(c->unknownIndexes) + " unknown indexes, " + std::to_string(c->nonFinite) +
           " not finite, " + std::to_string(c->implausible) + " implausible, " +
           std::to_string(c->linesWithoutNumber) + " lines without a number, " +
           std::to_string(c->overlongLines) + " overlong lines, " +
           std::to_string(link_->foreignDatagrams()) + " foreign";
}

// Every kind of fault the fake sends, each seen counted: the values the windows show are
// checked by the scenario's own steps.
std::optional<std::string> FakeSimulator::junk(int patienceMs) {
    const simlink::LinkCounters* counters = link_->counters();
    if (counters == nullptr) return "no link running";
    // The fake sends junk to those who asked it for values: the link must be asking.
    if (auto wrong = waitForValues(patienceMs)) return "no values before the junk: " + *wrong;
    const simlink::LinkCounters before = *counters;
    const auto counted = [&] {
        const simlink::LinkCounters& c = *link_->counters();
        if (xplane())
            return c.rejectedDatagrams > before.rejectedDatagrams &&
                   c.unknownIndexes > before.unknownIndexes && c.nonFinite > before.nonFinite &&
                   c.implausible > before.implausible;
        return c.linesWithoutNumber > before.linesWithoutNumber &&
               c.overlongLines > before.overlongLines && c.nonFinite > before.nonFinite;
    };
    xplane() ? xplane_->sendJunk() : flightgear_->sendJunk();
    if (waitUntil(counted, patienceMs)) return std::nullopt;
    return refusedSoFar();
}

std::optional<std::string> FakeSimulator::foreign(int patienceMs) {
    if (!xplane()) return "a simulator that sends datagrams (X-Plane)";
    const std::uint64_t before = link_->foreignDatagrams();
    xplane_->sendForeign();
    if (waitUntil([&] { return link_->foreignDatagrams() > before; }, patienceMs))
        return std::nullopt;
    return refusedSoFar();
}

std::optional<std::string> FakeSimulator::stop() {
    xplane() ? xplane_->stop() : flightgear_->stop();
    return std::nullopt;
}

std::optional<std::string> FakeSimulator::restart() {
    xplane() ? xplane_->restart() : flightgear_->restart();
    const bool listening = xplane() ? xplane_->listening() : flightgear_->listening();
    if (!listening) return "the port taken by another program meanwhile";
    return std::nullopt;
}

std::optional<std::string> FakeSimulator::drop() {
    if (xplane()) return "a simulator with connections (FlightGear)";
    flightgear_->dropConnections();
    return std::nullopt;
}

bool FakeSimulator::waitUntil(const std::function<bool()>& holds, int timeoutMs) {
    return QTest::qWaitFor(holds, timeoutMs);
}

}  // namespace ventrose::scenario
