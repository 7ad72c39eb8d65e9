// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The line under the legs of the log that says which leg the automatic Top waits at, and where
// the aircraft is on it.
namespace ventrose::waypointpass {

struct CurrentLeg {
    int number = 1;           // its row, from 1
    std::string_view repere;  // its waypoint's name, as the log shows it
    std::string_view HEText;  // its estimated time, as the log shows it («10:33», «X»)
    bool hasPosition = true;  // its waypoint's position is known (an imported leg)
    // The aircraft's distance to go along the leg (Place::toGoNm), when the simulator gives its
    // position.
    std::optional<double> toGoNm;
};

// «Étape 3 → Montargis : 12 NM, HE 10:33», the distance to the nearest NM (half a NM away from
// zero; «-2 NM» past the line, which a leg only shows when its pass was not seen). Without the
// aircraft's position the distance is left out («Étape 3 → Montargis : HE 10:33»); a leg without
// a position says the pilot tops it («Étape 3 → Montargis : sans position, Top à la main, HE
// 10:33»); a leg without a name is «Étape 3 : ...». In the current language, with the context
// "CurrentLeg" («Leg 3 → Montargis: 12 NM, ETA 10:33» in English).
std::string CurrentLegText(const CurrentLeg& leg);

// What the line says when every leg has its time, in the current language.
std::string EveryLegTopped();

}  // namespace ventrose::waypointpass
