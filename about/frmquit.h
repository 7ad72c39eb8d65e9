#pragma once

#include "platform/form.h"
#include "platform/runtime.h"

namespace ventrose::about {

// The About window: the title, a picture, the version and the authors. A click anywhere on it
// closes it; it keeps no state.
class FrmQuit : public platform::Form {
public:
    explicit FrmQuit(platform::Runtime& runtime);

    static const platform::FormDesign& Design();

private:
    void fermer();
};

}  // namespace ventrose::about
