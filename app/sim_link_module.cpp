// SPDX-License-Identifier: GPL-3.0-or-later
// libventrose-sim-link.so: the simulator link over Qt Network, loaded by the program once a link
// is chosen.
#include <QtGlobal>

#include "app/sim_link.h"
#include "app/sim_link_qt.h"

extern "C" Q_DECL_EXPORT ventrose::app::SimLink* ventrose_make_sim_link(
    ventrose::app::SimFeed& feed) {
    return new ventrose::app::SimLinkQt(feed);
}
