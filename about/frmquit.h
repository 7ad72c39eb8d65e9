// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control_ref.h"
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
    void close();

    platform::ImageRef Image1{*this, "Image1"};
    platform::LabelRef lblProductName{*this, "lblProductName"};
    platform::LabelRef Label1{*this, "Label1"};
    platform::LabelRef Label2{*this, "Label2"};
    platform::LabelRef Label3{*this, "Label3"};
    platform::LabelRef Label4{*this, "Label4"};
    platform::LabelRef Label5{*this, "Label5"};
    platform::LabelRef Label6{*this, "Label6"};
    platform::LabelRef Label7{*this, "Label7"};
};

}  // namespace ventrose::about
