// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/soak/sources.h"

#include "app/application.h"
#include "platform/form.h"
#include "platform/runtime.h"
#include "tests/soak/step_play.h"

namespace ventrose::soak {

std::optional<scenario::Step> RandomSource::next(app::Application& application) {
    if (given_ < budget_) {
        ++given_;
        return person_.next(application);
    }
    auto& runtime = application.runtime();
    const platform::Form* top = runtime.activeForm();
    // A window that will not close would keep the run going for ever.
    if (top == nullptr || !runtime.isShownModally(*top) || ++closes_ > 100) return std::nullopt;
    return MakeStep("close", {top->name()});
}

}  // namespace ventrose::soak
