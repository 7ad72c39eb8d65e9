#pragma once

#include "platform/form.h"
#include "platform/runtime.h"

namespace ventrose::conversions {

class FrmConversions : public platform::Form {
public:
    explicit FrmConversions(platform::Runtime& runtime);

    static const platform::FormDesign& Design();

    void cmdQuit_Click();
};

}  // namespace ventrose::conversions
