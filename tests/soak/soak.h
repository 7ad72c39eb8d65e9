// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "tests/runner/driver.h"
#include "tests/runner/scenario.h"
#include "tests/soak/checker.h"
#include "tests/soak/failure.h"

namespace ventrose::soak {

// Where the steps come from: a random person, or a list being replayed.
class StepSource {
public:
    virtual ~StepSource() = default;
    // The next step for the application as it is now; nothing when there is none left.
    virtual std::optional<scenario::Step> next(app::Application& application) = 0;
};

using DriverFactory = std::function<std::unique_ptr<scenario::Driver>()>;

struct SoakResult {
    std::uint64_t steps = 0;
    std::uint64_t starts = 0;
    std::optional<Failure> failure;
    // The steps since the application last started, up to the failure: the reproduction.
    std::vector<scenario::Step> life;
};

// Plays steps against the application through a driver, checking every invariant after each
// step. A step that shows a window modally returns only when that window is closed: the steps
// in between are played from inside the modal show, through the driver's modal pump, as the
// scenario runner does. With `restart`, an application that the person ended is replaced by a
// fresh one and the steps go on; without, the run stops there.
class Soak {
public:
    Soak(DriverFactory factory, bool restart) : factory_(std::move(factory)), restart_(restart) {}

    SoakResult run(StepSource& source);

private:
    void start();
    bool play();
    void pump(platform::Form& form);

    DriverFactory factory_;
    bool restart_;
    std::unique_ptr<scenario::Driver> driver_;
    StepSource* source_ = nullptr;
    Checker checker_;
    SoakResult result_;
};

}  // namespace ventrose::soak
