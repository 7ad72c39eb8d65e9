// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/soak.h"

#include <exception>
#include <stdexcept>

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
    driver_.reset();
    return std::move(result_);
}

void Soak::start() {
    driver_.reset();
    driver_ = factory_();
    driver_->setModalPump([this](platform::Form& form) { pump(form); });
    result_.life.clear();
    ++result_.starts;
    driver_->application().Start();
    checker_.started(*driver_);
}

void Soak::pump(platform::Form& form) {
    auto& runtime = driver_->application().runtime();
    while (!result_.failure && !runtime.ended() && runtime.isShownModally(form) && play()) {
    }
}

// Plays the next step and checks it; false when there is no step left or an invariant broke.
bool Soak::play() {
    std::optional<scenario::Step> step = source_->next(driver_->application());
    if (!step) return false;
    result_.life.push_back(*step);
    ++result_.steps;
    const BeforeStep noted = checker_.before(*driver_, *step);
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
        result_.failure = checker_.after(*driver_, *step, noted, taken);
    } catch (const std::exception& e) {
        result_.failure = Failure{"exception", "checking after " + step->source + ": " + e.what()};
    }
    return !result_.failure;
}

}  // namespace ventrose::soak
