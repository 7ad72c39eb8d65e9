#include "airspeed/frmvitesse.h"

namespace ventrose::airspeed {

FrmVitesse::FrmVitesse(platform::Runtime& runtime) : Form(runtime, Design()) {
    onClick("cmdQuit", [this] { cmdQuit_Click(); });
}

void FrmVitesse::cmdQuit_Click() { runtime().Unload(*this); }

}  // namespace ventrose::airspeed
