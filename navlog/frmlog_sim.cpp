// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/frmlog.h"

namespace ventrose::navlog {

void FrmLog::LierSimulateur(std::optional<simlink::Simulator> simulateur) {
    simulateur_ = simulateur;
    recoit_ = false;
    simValues_.reset();
    showClock();
    showSimCommands();
}

void FrmLog::EtatSimulateur(std::string_view /*etat*/, bool recoit) {
    recoit_ = recoit;
    if (!recoit_) simValues_.reset();
    showClock();
    showSimCommands();
}

void FrmLog::SuivreSimulateur(const simlink::SimValues& values) {
    simValues_ = values;
    showClock();
    followAircraft();
}

void FrmLog::cmdVentSim_Click() {}
void FrmLog::cmdVentSuivants_Click() {}
void FrmLog::cmdVpSim_Click() {}
void FrmLog::chkTopAuto_Click() {}
void FrmLog::showSimCommands() {}
void FrmLog::followAircraft() {}

}  // namespace ventrose::navlog
