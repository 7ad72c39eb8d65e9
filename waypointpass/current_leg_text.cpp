// SPDX-License-Identifier: GPL-3.0-or-later
#include "waypointpass/current_leg_text.h"

#include "common/format.h"

namespace ventrose::waypointpass {

std::string CurrentLegText(const CurrentLeg& leg) {
    std::string text = "Étape " + common::FormatWhole(leg.number);
    if (!leg.repere.empty()) {
        text += " → ";
        text += leg.repere;
    }
    text += " : ";
    if (!leg.hasPosition) {
        text += "sans position, Top à la main, ";
    } else if (leg.toGoNm) {
        text += common::FormatNumber(*leg.toGoNm, "0 NM") + ", ";
    }
    text += "HE ";
    text += leg.HEText;
    return text;
}

}  // namespace ventrose::waypointpass
