#pragma once

#include "platform/form.h"
#include "platform/runtime.h"

namespace ventrose::airspeed {

class FrmVitesse : public platform::Form {
public:
    explicit FrmVitesse(platform::Runtime& runtime);

    static const platform::FormDesign& Design();

    void cmdQuit_Click();
};

}  // namespace ventrose::airspeed
