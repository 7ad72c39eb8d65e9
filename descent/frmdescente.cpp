#include "descent/frmdescente.h"

namespace ventrose::descent {

FrmDescente::FrmDescente(platform::Runtime& runtime) : Form(runtime, Design()) {
    onClick("cmdQuit", [this] { cmdQuit_Click(); });
}

void FrmDescente::cmdQuit_Click() { runtime().Unload(*this); }

}  // namespace ventrose::descent
