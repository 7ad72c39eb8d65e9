// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/tr.h"
#include "navlog/frmlog.h"
#include "platform/flag_scope.h"
#include "simlink/link_choice.h"
#include "waypointpass/time_of_day.h"

namespace ventrose::navlog {

namespace {

// The simulator's time of day that a Top reads, in the log's choice of local time or UTC: only
// while its values are coming and it has sent that time (FlightGear's local time waits for its
// offset). Otherwise the computer's clock stands in, and lblHorloge says so.
std::optional<double> SimulatorSeconds(bool recoit, const std::optional<simlink::SimValues>& values,
                                       bool utc) {
    if (!recoit || !values) return std::nullopt;
    return utc ? values->utcSeconds : values->localSeconds;
}

// The computer's time of day, as seconds after midnight, in local time or UTC.
double ComputerSeconds(const platform::ClockReading& reading, bool utc) {
    const std::int64_t seconds = reading.utcSeconds + (utc ? 0 : reading.localOffsetSeconds);
    const std::int64_t day = static_cast<std::int64_t>(waypointpass::kSecondsPerDay);
    return static_cast<double>(((seconds % day) + day) % day);
}

}  // namespace

// The first leg without an actual time is the one flown now: the Top writes the clock's time
// there, to the minute, and the estimates after it follow as after a typed HR.
void FrmLog::cmdTop_Click() {
    const auto untimed =
        std::find_if(log_.etapes.begin(), log_.etapes.end(), [](const Etape& e) { return !e.HR; });
    if (untimed == log_.etapes.end()) return;
    const std::optional<int> minutes = waypointpass::TopMinutes(clockSeconds());
    if (!minutes) return;
    topLeg(static_cast<int>(untimed - log_.etapes.begin()) + 1, *minutes);
}

// The departure time as if typed: the box shows it whatever was on its way in it.
void FrmLog::cmdTopDepart_Click() {
    const std::optional<int> minutes = waypointpass::TopMinutes(clockSeconds());
    if (!minutes) return;
    const bool moved = log_.departure != *minutes;
    log_.departure = *minutes;
    {
        const platform::FlagScope showing(showing_);
        txtDepart->setText(dataText(Champ::Depart));
    }
    if (moved) changed();
}

// Local time or UTC is the log's, saved with it: a change of it is a change of the log.
void FrmLog::optHeureLocale_Click() { chooseUtc(false); }
void FrmLog::optHeureUTC_Click() { chooseUtc(true); }

// The times already in the log are moments: they are told again on the other clock, by the
// local time's offset from UTC (the simulator's while it sends both, else the computer's), so
// that a Top read afterwards stands beside them in the same time.
void FrmLog::chooseUtc(bool utc) {
    if (showing_ || log_.heureUTC == utc) return;
    log_.heureUTC = utc;
    const int offset = localOffsetMinutes();
    const auto moved = [offset, utc](int minutes) {
        const int shifted = minutes + (utc ? -offset : offset);
        return ((shifted % kMinutesParJour) + kMinutesParJour) % kMinutesParJour;
    };
    if (offset != 0) {
        log_.departure = moved(log_.departure);
        for (Etape& etape : log_.etapes)
            if (etape.HR) etape.HR = moved(*etape.HR);
        showData();
        for (int row = 1; row <= static_cast<int>(log_.etapes.size()); ++row) showLeg(row);
    }
    showClock();
    changed();
}

// Local time less UTC, in minutes, within a day either way: only a time of day moves by it.
int FrmLog::localOffsetMinutes() {
    double seconds = clock_.Now().localOffsetSeconds;
    if (recoit_ && simValues_ && simValues_->utcSeconds && simValues_->localSeconds)
        seconds = *simValues_->localSeconds - *simValues_->utcSeconds;
    return static_cast<int>(std::lround(std::fmod(seconds / 60.0, kMinutesParJour)));
}

double FrmLog::clockSeconds() {
    const bool utc = log_.heureUTC;
    if (const std::optional<double> sim = SimulatorSeconds(recoit_, simValues_, utc)) return *sim;
    return ComputerSeconds(clock_.Now(), utc);
}

// Called on every set of values the link delivers (a few a second): the label is written only
// when its text changes. The simulator is named as the link's status line names it. A window
// not loaded has no label: it shows the clock when it loads.
void FrmLog::showClock() {
    if (!loaded()) return;
    const bool utc = log_.heureUTC;
    const bool sim = simulateur_ && SimulatorSeconds(recoit_, simValues_, utc);
    const std::string source = sim ? std::string(simlink::SimulatorName(*simulateur_))
                                   : common::Tr("frmLog", "ordinateur");
    std::string text =
        utc ? common::Arg(common::Tr("frmLog", "Horloge : %1, UTC"), {source})
            : common::Arg(common::Tr("frmLog", "Horloge : %1, heure locale"), {source});
    if (lblHorloge->caption() != text) lblHorloge->setCaption(std::move(text));
}

void FrmLog::topLeg(int row, int minutes) {
    if (row < 1 || row > static_cast<int>(log_.etapes.size())) return;
    std::optional<int>& hr = log_.etapes[static_cast<std::size_t>(row - 1)].HR;
    const bool moved = hr != minutes;
    hr = minutes;
    showLeg(row);
    if (moved) changed();
    scrollTo(row);
}

}  // namespace ventrose::navlog
