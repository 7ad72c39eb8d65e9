// SPDX-License-Identifier: GPL-3.0-or-later
#include "navlog/frmlog.h"

namespace ventrose::navlog {

void FrmLog::cmdTop_Click() {}
void FrmLog::cmdTopDepart_Click() {}
void FrmLog::optHeureLocale_Click() {}
void FrmLog::optHeureUTC_Click() {}
void FrmLog::showClock() {}

}  // namespace ventrose::navlog
