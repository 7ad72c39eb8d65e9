// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/soak.h"

#include <exception>
#include <stdexcept>
#include <utility>

#include "app/application.h"
#include "platform/runtime.h"
#include "tests/soak/step_play.h"

namespace ventrose::soak {

SoakResult Soak::run(StepSource& source) {
    source_ = &source;
    result_ = SoakResult{};
    start();
    while (!result_.failure) {
        if (driver_->application().runtime().ended()) {
            if (!restart_) break;
            start();
            continue;
        }
        if (!play()) break;
    }
    simulator_.reset();
    driver_.reset();
    return std::move(result_);
}

void Soak::start() {
    simulator_.reset();
    driver_.reset();
    driver_ = factory_();
    driver_->setModalPump([this](platform::Form& form) { pump(form); });
    result_.life.clear();
    ++result_.starts;
    driver_->application().Start();
    checker_.started(*driver_);
    if (!setup_) return;
    simulator_ = setup_->make();
    if (auto wrong = simulator_->start(setup_->simulator, driver_->application()))
        result_.failure = Failure{"simulator", "the simulator did not start: " + *wrong};
}

// Values a light aircraft meets, and beyond, in each simulator's own unit; a few fall outside
// what a bar shows, or what the link accepts.
bool Soak::feedSimulator() {
    const bool xplane = setup_->simulator == "xplane";
    const double knot = xplane ? 1852.0 / 3600.0 : 1.0;  // X-Plane's speeds are in m/s
    const auto pick = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random_);
    };
    const std::pair<const char*, double> values[] = {
        {"tas", pick(30, 900) * knot}, {"ias", pick(30, 700)},
        {"wind-from", pick(0, 360)},   {"wind-speed", pick(0, 120) * knot},
        {"magvar", pick(-30, 30)},     {"pressure-alt", pick(-1000, 52000)},
        {"oat", pick(-70, 50)},        {"groundspeed", pick(20, 900) * knot},
    };
    for (const auto& [name, value] : values)
        if (auto wrong = simulator_->set(name, value)) {
            result_.failure = Failure{"simulator", std::string(name) + ": " + *wrong};
            return false;
        }
    // Generous: a failure, not a speed, is what it catches, on a loaded or sanitized machine.
    constexpr int kPatienceMs = 20000;
    std::optional<std::string> wrong;
    if (++feeds_ % 4 == 0) wrong = simulator_->junk(kPatienceMs);
    if (!wrong) wrong = simulator_->waitForValues(kPatienceMs);
    if (wrong) {
        result_.failure = Failure{"simulator", "the windows never got the values: " + *wrong};
        return false;
    }
    result_.failure = checker_.simulatorFed(*driver_);
    return !result_.failure;
}

void Soak::pump(platform::Form& form) {
    auto& runtime = driver_->application().runtime();
    while (!result_.failure && !runtime.ended() && runtime.isShownModally(form) && play()) {
    }
}

// Plays the next step and checks it; false when there is no step left or an invariant broke.
bool Soak::play() {
    if (simulator_ && result_.steps % setup_->every == 0 && !feedSimulator()) return false;
    std::optional<scenario::Step> step = source_->next(driver_->application());
    if (!step) return false;
    result_.life.push_back(*step);
    ++result_.steps;
    const BeforeStep noted = checker_.before(*driver_, *step);
    const std::uint64_t deliveries = simulator_ ? simulator_->deliveries() : 0;
    bool taken = false;
    try {
        taken = PlayStep(*driver_, *step);
    } catch (const std::runtime_error& e) {
        // A replayed step whose window or control is not there any more (the steps before it
        // were deleted) does nothing; a generated one always has its target.
        if (restart_) result_.failure = Failure{"exception", step->source + ": " + e.what()};
        return !result_.failure;
    } catch (const std::exception& e) {
        result_.failure = Failure{"exception", step->source + ": " + e.what()};
        return false;
    }
    if (result_.failure) return false;
    try {
        const bool fed = simulator_ && simulator_->deliveries() != deliveries;
        result_.failure = checker_.after(*driver_, *step, noted, taken, fed);
    } catch (const std::exception& e) {
        result_.failure = Failure{"exception", "checking after " + step->source + ": " + e.what()};
    }
    return !result_.failure;
}

}  // namespace ventrose::soak
