// SPDX-License-Identifier: GPL-3.0-or-later
// The log flown beside the simulator: its wind and airspeed taken into the log with one key, the
// leg flown now marked and said under the legs, and the automatic Top, which writes a leg's time
// when the aircraft passes its waypoint.
#include <cmath>

#include "common/tr.h"
#include "navlog/frmlog.h"
#include "platform/palette.h"
#include "simlink/inputs.h"
#include "simlink/link_choice.h"
#include "waypointpass/current_leg_text.h"
#include "waypointpass/time_of_day.h"

namespace ventrose::navlog {

namespace {

using waypointpass::Fix;
using waypointpass::LegLine;

constexpr platform::Colour kCurrentLegColour = platform::palette::kBlue;

// Why a command that takes a value from the simulator cannot act now, in the words of the link's
// own status («X-Plane : pas de données»); empty when it can. `missing` is already in the
// current language.
std::string SimulatorReason(const std::optional<simlink::Simulator>& simulator, bool receiving,
                            bool hasValue, const std::string& missing) {
    if (!simulator) return common::Tr("frmLog", "Aucun simulateur relié");
    const std::string name(simlink::SimulatorName(*simulator));
    if (!receiving) return common::Arg(common::Tr("frmLog", "%1 : pas de données"), {name});
    if (!hasValue) return common::Arg(common::Tr("frmLog", "%1 : %2"), {name, missing});
    return {};
}

// A command greyed with its reason as its note, or offered without one.
void Offer(const platform::ButtonRef& button, const std::string& reason) {
    button->setEnabled(reason.empty());
    button->setToolTipText(reason);
}

}  // namespace

void FrmLog::LierSimulateur(std::optional<simlink::Simulator> simulateur) {
    simulateur_ = simulateur;
    recoit_ = false;
    simValues_.reset();
    clocks_.reset();
    forgetAircraft();
    showClock();
    showSimCommands();
    showCurrentLeg();
}

void FrmLog::EtatSimulateur(std::string_view /*etat*/, bool recoit) {
    recoit_ = recoit;
    if (!recoit_) {
        simValues_.reset();
        // The fixes before a silence and after it are no one pass.
        previousFix_.reset();
    }
    showClock();
    showSimCommands();
    showCurrentLeg();
}

void FrmLog::SuivreSimulateur(const simlink::SimValues& values) {
    simValues_ = values;
    showClock();
    followAircraft();
}

// The current leg's wind becomes the simulator's at the aircraft, made magnetic and whole as the
// main window makes it (within the log's ranges, which are its bars').
void FrmLog::cmdVentSim_Click() {
    const int row = currentLeg();
    if (row == 0 || !recoit_ || !simValues_) return;
    const simlink::MainInputs wind = simlink::MainFromSim(*simValues_);
    if (!wind.V || !wind.Vw) return;
    Etape& etape = log_.etapes[static_cast<std::size_t>(row - 1)];
    scrollTo(row);
    if (etape.V == *wind.V && etape.Vw == *wind.Vw) return;
    etape.V = *wind.V;
    etape.Vw = *wind.Vw;
    showLeg(row);
    changed();
}

// One forecast wind for the rest of the route: no simulator needed.
void FrmLog::cmdVentSuivants_Click() {
    const int row = currentLeg();
    if (row == 0) return;
    const Etape& current = log_.etapes[static_cast<std::size_t>(row - 1)];
    bool any = false;
    for (int next = row + 1; next <= static_cast<int>(log_.etapes.size()); ++next) {
        Etape& etape = log_.etapes[static_cast<std::size_t>(next - 1)];
        if (etape.V == current.V && etape.Vw == current.Vw) continue;
        etape.V = current.V;
        etape.Vw = current.Vw;
        showLeg(next);
        any = true;
    }
    if (any) changed();
}

// The simulator's true airspeed, brought into the log's range as the main window's bar brings it
// (a taxiing aircraft's reads 60 kt).
void FrmLog::cmdVpSim_Click() {
    if (!recoit_ || !simValues_) return;
    const std::optional<int> vp = simlink::MainFromSim(*simValues_).Vp;
    if (!vp || *vp == log_.Vp) return;
    log_.Vp = *vp;
    showData();
    changed();
}

// Switched on or off, the automatic Top starts again from the first untimed leg.
void FrmLog::chkTopAuto_Click() {
    const bool on = chkTopAuto->value() == 1;
    if (showing_ || log_.topAuto == on) return;
    log_.topAuto = on;
    passedAbeam_ = 0;
    changed();
}

void FrmLog::showSimCommands() {
    if (!loaded()) return;
    chkTopAuto->setVisible(simulateur_.has_value());
    const int count = static_cast<int>(log_.etapes.size());
    const int row = currentLeg();
    const std::string leg = count == 0 ? common::Tr("frmLog", "Aucune étape")
                            : row == 0 ? waypointpass::EveryLegTopped()
                                       : std::string();
    const simlink::MainInputs inputs =
        simValues_ ? simlink::MainFromSim(*simValues_) : simlink::MainInputs{};
    std::string wind = SimulatorReason(simulateur_, recoit_, inputs.V && inputs.Vw,
                                       common::Tr("frmLog", "pas de vent reçu"));
    Offer(cmdVentSim, wind.empty() ? leg : wind);
    Offer(cmdVpSim, SimulatorReason(simulateur_, recoit_, inputs.Vp.has_value(),
                                    common::Tr("frmLog", "pas de Vp reçue")));
    Offer(cmdVentSuivants, !leg.empty() ? leg
                           : row == count
                               ? common::Tr("frmLog", "Aucune étape après l'étape en cours")
                               : std::string());
}

void FrmLog::followAircraft() {
    const simlink::SimValues& values = *simValues_;
    if (values.utcSeconds && values.localSeconds)
        clocks_ = Clocks{*values.utcSeconds, *values.localSeconds};
    // A log that is not open has no legs to top: each opening starts a log afresh.
    if (!loaded()) return;
    const std::optional<Fix> fix = aircraftFix();
    const bool utc = values.utcSeconds.has_value();
    if (fix && log_.topAuto && previousFix_ && previousFixUtc_ == utc) judgePass(*fix);
    previousFix_ = fix;
    previousFixUtc_ = utc;
    showCurrentLeg();
    showSimCommands();
}

int FrmLog::currentLeg() const {
    const int count = static_cast<int>(log_.etapes.size());
    for (int row = passedAbeam_ + 1; row <= count; ++row)
        if (!log_.etapes[static_cast<std::size_t>(row - 1)].HR) return row;
    // Every leg after those passed abeam has its time: the first untimed one before them, whose
    // pass was not seen, waits for the pilot's hand.
    for (int row = 1; row <= std::min(passedAbeam_, count); ++row)
        if (!log_.etapes[static_cast<std::size_t>(row - 1)].HR) return row;
    return 0;
}

const LegLine* FrmLog::legLine(int row) {
    const auto index = static_cast<std::size_t>(row - 1);
    const std::optional<common::LatLon>& start =
        row == 1 ? log_.originPosition : log_.etapes[index - 1].position;
    const std::optional<common::LatLon>& waypoint = log_.etapes[index].position;
    if (!start || !waypoint || !IsPosition(*start) || !IsPosition(*waypoint)) return nullptr;
    if (!line_ || line_->row != row || line_->start != start || !(line_->waypoint == *waypoint))
        line_ = CachedLine{row, start, *waypoint, LegLine::Between(*start, *waypoint)};
    return line_->line ? &*line_->line : nullptr;
}

std::optional<Fix> FrmLog::aircraftFix() const {
    if (!simValues_) return std::nullopt;
    const simlink::SimValues& values = *simValues_;
    const std::optional<double>& seconds =
        values.utcSeconds ? values.utcSeconds : values.localSeconds;
    if (!values.latitudeDeg || !values.longitudeDeg || !seconds || !std::isfinite(*seconds))
        return std::nullopt;
    const common::LatLon position{*values.latitudeDeg, *values.longitudeDeg};
    if (!IsPosition(position)) return std::nullopt;
    return Fix{position, *seconds};
}

// A pass within the radius tops the leg on the log's clock; one further abeam, or one whose time
// cannot be told on that clock, is the pilot's to top, and the automatic Top goes on to the next
// leg. A jump (a new flight, a teleport, a replay) forgets the legs passed abeam.
void FrmLog::judgePass(const Fix& fix) {
    const int row = currentLeg();
    if (row == 0) return;
    const LegLine* line = legLine(row);
    if (line == nullptr) return;
    const waypointpass::Verdict verdict = waypointpass::Judge(*line, *previousFix_, fix);
    switch (verdict.outcome) {
        case waypointpass::Outcome::None: return;
        case waypointpass::Outcome::Jump: passedAbeam_ = 0; return;
        case waypointpass::Outcome::PassedAbeam: passedAbeam_ = row; return;
        case waypointpass::Outcome::Top: {
            const std::optional<double> seconds = onLogClock(verdict.topSeconds);
            const std::optional<int> minutes =
                seconds ? waypointpass::TopMinutes(*seconds) : std::nullopt;
            if (minutes) {
                topLeg(row, *minutes);
            } else {
                passedAbeam_ = row;
            }
            return;
        }
    }
}

std::optional<double> FrmLog::onLogClock(double seconds) const {
    if (log_.heureUTC == previousFixUtc_) return seconds;
    if (!clocks_) return std::nullopt;
    return previousFixUtc_ ? waypointpass::ShiftedClock(seconds, clocks_->utc, clocks_->local)
                           : waypointpass::ShiftedClock(seconds, clocks_->local, clocks_->utc);
}

// Only with a link: without one the log is the paper one it always was. The mark is the
// waypoint's colour for the eye, and its note for a screen reader, which says it after the box's
// name.
void FrmLog::showCurrentLeg() {
    if (!loaded()) return;
    const int row = simulateur_ ? currentLeg() : 0;
    if (markedRow_ != row && markedRow_ >= 1 && markedRow_ <= txtRepere.rows()) {
        txtRepere[markedRow_]->setForeColour(platform::kDefaultColour);
        txtRepere[markedRow_]->setToolTipText("");
    }
    markedRow_ = row;
    if (row != 0) {
        txtRepere[row]->setForeColour(kCurrentLegColour);
        txtRepere[row]->setToolTipText(common::Tr("frmLog", "Étape en cours"));
    }
    if (!simulateur_ || log_.etapes.empty()) {
        lblEnCours->setCaption("");
        return;
    }
    if (row == 0) {
        lblEnCours->setCaption(waypointpass::EveryLegTopped());
        return;
    }
    const auto index = static_cast<std::size_t>(row - 1);
    const Etape& etape = log_.etapes[index];
    const LegLine* line = legLine(row);
    waypointpass::CurrentLeg leg;
    leg.number = row;
    leg.repere = etape.repere;
    leg.HEText = etape.Rm && etape.D ? std::string_view(resultat_.etapes[index].HEText) : "--:--";
    leg.hasPosition = line != nullptr;
    const std::optional<Fix> fix = line != nullptr ? aircraftFix() : std::nullopt;
    if (fix) leg.toGoNm = line->Locate(fix->position).toGoNm;
    lblEnCours->setCaption(waypointpass::CurrentLegText(leg));
}

void FrmLog::forgetAircraft() {
    previousFix_.reset();
    passedAbeam_ = 0;
    line_.reset();
}

}  // namespace ventrose::navlog
