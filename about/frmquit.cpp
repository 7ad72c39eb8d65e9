// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmquit.h"

namespace ventrose::about {

FrmQuit::FrmQuit(platform::Runtime& runtime) : Form(runtime, Design()) {
    // Form_Click, Image1_Click, lblProductName_Click and Label1_Click to Label7_Click all close
    // the window; the drawn border passes its clicks to the window.
    onClick([this] { close(); });
    Image1.onClick([this] { close(); });
    for (const platform::LabelRef* label :
         {&lblProductName, &Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7})
        label->onClick([this] { close(); });
}

void FrmQuit::close() { runtime().Unload(*this); }

}  // namespace ventrose::about
