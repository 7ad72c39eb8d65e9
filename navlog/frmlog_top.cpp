// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/frmlog.h"

namespace ventrose::navlog {

void FrmLog::cmdTop_Click() {}
void FrmLog::cmdTopDepart_Click() {}
void FrmLog::optHeureLocale_Click() {}
void FrmLog::optHeureUTC_Click() {}
void FrmLog::showClock() {}

void FrmLog::topLeg(int row, int minutes) {
    if (row < 1 || row > static_cast<int>(log_.etapes.size())) return;
    log_.etapes[static_cast<std::size_t>(row - 1)].HR = minutes;
    showLeg(row);
    changed();
    scrollTo(row);
}

}  // namespace ventrose::navlog
