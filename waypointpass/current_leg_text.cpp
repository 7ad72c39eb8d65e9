// SPDX-License-Identifier: GPL-3.0-or-later
#include "waypointpass/current_leg_text.h"

#include "common/format.h"
#include "common/tr.h"

namespace ventrose::waypointpass {

std::string CurrentLegText(const CurrentLeg& leg) {
    using common::Arg;
    using common::Tr;
    const std::string number = common::FormatWhole(leg.number);
    const std::string head = leg.repere.empty()
                                 ? Arg(Tr("CurrentLeg", "Étape %1"), {number})
                                 : Arg(Tr("CurrentLeg", "Étape %1 → %2"), {number, leg.repere});
    if (!leg.hasPosition)
        return Arg(Tr("CurrentLeg", "%1 : sans position, Top à la main, HE %2"),
                   {head, leg.HEText});
    if (leg.toGoNm) {
        const std::string toGo = common::FormatFigure(*leg.toGoNm, Tr("CurrentLeg", "0 NM"));
        return Arg(Tr("CurrentLeg", "%1 : %2, HE %3"), {head, toGo, leg.HEText});
    }
    return Arg(Tr("CurrentLeg", "%1 : HE %2"), {head, leg.HEText});
}

std::string EveryLegTopped() { return common::Tr("CurrentLeg", "Toutes les étapes sont topées."); }

}  // namespace ventrose::waypointpass
