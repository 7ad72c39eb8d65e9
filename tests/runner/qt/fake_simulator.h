// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/sim_link_qt.h"
#include "simlink/link_state.h"
#include "tests/fakesim/fake_flightgear.h"
#include "tests/fakesim/fake_xplane.h"
#include "tests/runner/simulator_steps.h"

namespace ventrose::scenario {

// The scenario's simulator: a fake X-Plane or FlightGear in this process, and the program's own
// link (SimLinkQt) to it, feeding the application's windows as the program's link does.
class FakeSimulator final : public SimulatorSteps {
public:
    // `ensureEventLoop` makes sure a QCoreApplication exists, before the first socket.
    explicit FakeSimulator(std::function<void()> ensureEventLoop);
    ~FakeSimulator() override;
    FakeSimulator(const FakeSimulator&) = delete;
    FakeSimulator& operator=(const FakeSimulator&) = delete;

    std::optional<std::string> start(const std::string& simulator,
                                     app::Application& application) override;
    std::optional<std::string> set(const std::string& name, double value) override;
    std::optional<std::string> junk(int patienceMs) override;
    std::optional<std::string> foreign(int patienceMs) override;
    std::optional<std::string> stop() override;
    std::optional<std::string> restart() override;
    std::optional<std::string> drop() override;
    std::optional<std::string> waitForValues(int timeoutMs) override;
    bool waitUntil(const std::function<bool()>& holds, int timeoutMs) override;
    std::uint64_t deliveries() const override { return feed_ ? feed_->count : 0; }

private:
    // The application's feed, remembering what it was last handed.
    class Feed final : public app::SimFeed {
    public:
        explicit Feed(app::SimFeed& windows) : windows_(windows) {}
        void SetLink(std::optional<simlink::Simulator> simulator) override {
            windows_.SetLink(simulator);
        }
        void SetStatus(std::string_view status, bool receiving) override {
            windows_.SetStatus(status, receiving);
        }
        void Deliver(const simlink::SimValues& values) override {
            latest = values;
            ++count;
            windows_.Deliver(values);
        }
        std::optional<simlink::SimValues> latest;
        std::uint64_t count = 0;

    private:
        app::SimFeed& windows_;
    };

    bool xplane() const { return simulator_ == simlink::Simulator::XPlane; }
    // Whether the windows were last handed every value set so far, as the link reads it.
    bool valuesHanded() const;
    // The local time of day the link makes of FlightGear's offset, with the UTC set, if any.
    std::optional<double> flightGearLocalTime(double offset) const;
    std::string refusedSoFar() const;

    std::function<void()> ensureEventLoop_;
    simlink::Simulator simulator_ = simlink::Simulator::XPlane;
    std::unique_ptr<fakesim::FakeXPlane> xplane_;
    std::unique_ptr<fakesim::FakeFlightGear> flightgear_;
    std::unique_ptr<Feed> feed_;
    std::unique_ptr<app::SimLinkQt> link_;
    // Each source set, by its position in the simulator's table, and the value set.
    std::map<std::size_t, double> set_;
};

}  // namespace ventrose::scenario
