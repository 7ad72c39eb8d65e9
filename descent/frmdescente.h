#pragma once

#include "platform/form.h"
#include "platform/runtime.h"

namespace ventrose::descent {

class FrmDescente : public platform::Form {
public:
    explicit FrmDescente(platform::Runtime& runtime);

    static const platform::FormDesign& Design();

    void cmdQuit_Click();
};

}  // namespace ventrose::descent
