#include "conversions/frmconversions.h"

namespace ventrose::conversions {

FrmConversions::FrmConversions(platform::Runtime& runtime) : Form(runtime, Design()) {
    onClick("cmdQuit", [this] { cmdQuit_Click(); });
}

void FrmConversions::cmdQuit_Click() { runtime().Unload(*this); }

}  // namespace ventrose::conversions
