// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "airspeed/frmvitesse.h"
#include "app/sim_feed.h"
#include "descent/frmdescente.h"
#include "navlog/frmlog.h"
#include "wind/frmmaincalc.h"

namespace ventrose::app {

// The simulator feed of the calculators: it remembers the link chosen, its state and the latest
// values, and passes each on to the three windows the link feeds, and to the navigation log,
// which takes its clock, its wind, its airspeed and its automatic Top from them. A window that is
// not loaded remembers them too, and shows them when it loads. Until a link is chosen, nothing
// reaches a window at all.
class WindowsFeed final : public SimFeed {
public:
    WindowsFeed(wind::FrmMainCalc& main, airspeed::FrmVitesse& vitesse,
                descent::FrmDescente& descente, navlog::FrmLog& log)
        : main_(main), vitesse_(vitesse), descente_(descente), log_(log) {}

    void SetLink(std::optional<simlink::Simulator> simulator) override;
    void SetStatus(std::string_view status, bool receiving) override;
    void Deliver(const simlink::SimValues& values) override;

    const std::optional<simlink::Simulator>& link() const { return link_; }
    const std::string& status() const { return status_; }
    const std::optional<simlink::SimValues>& latest() const { return latest_; }

private:
    wind::FrmMainCalc& main_;
    airspeed::FrmVitesse& vitesse_;
    descent::FrmDescente& descente_;
    navlog::FrmLog& log_;
    std::optional<simlink::Simulator> link_;
    std::string status_;
    bool receiving_ = false;
    std::optional<simlink::SimValues> latest_;
};

}  // namespace ventrose::app
