// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/frmquit.h"
#include "airspeed/frmvitesse.h"
#include "app/computer_clock.h"
#include "app/null_documents.h"
#include "app/sim_feed.h"
#include "app/windows_feed.h"
#include "conversions/frmconversions.h"
#include "descent/frmdescente.h"
#include "navlog/frmlog.h"
#include "platform/clock.h"
#include "platform/documents.h"
#include "platform/host.h"
#include "platform/runtime.h"
#include "wind/frmmaincalc.h"

namespace ventrose::app {

// The whole application: its one runtime and one instance of each window, for as long as the
// process runs. The host decides where windows really appear (a display, or a script).
class Application {
public:
    // `documents` is where the windows' files, dialogs and printing go; without it the log
    // window's files are «non disponible» and its dialogs cancelled. `clock` is where they read
    // the date and the time; without it, the computer's clock.
    explicit Application(platform::Host& host);
    Application(platform::Host& host, platform::Documents& documents);
    Application(platform::Host& host, platform::Documents& documents, platform::Clock& clock);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Loads the main window and shows it, not modally: the start a person sees.
    void Start();

    platform::Runtime& runtime() { return runtime_; }
    platform::Documents& documents() { return documents_; }
    wind::FrmMainCalc& frmMainCalc() { return frmMainCalc_; }
    about::FrmQuit& frmQuit() { return frmQuit_; }
    airspeed::FrmVitesse& frmVitesse() { return frmVitesse_; }
    descent::FrmDescente& frmDescente() { return frmDescente_; }
    conversions::FrmConversions& frmConversions() { return frmConversions_; }
    navlog::FrmLog& frmLog() { return frmLog_; }
    // What a simulator link tells the calculators.
    SimFeed& simFeed() { return simFeed_; }

private:
    void cmdVitesse_Click();
    void cmdVz_Click();
    void cmdConversions_Click();
    void cmdLog_Click();
    void Command1_Click();
    void cmdQuit_Click();
    void frmMainCalc_Unload();

    NullDocuments noDocuments_;
    ComputerClock computerClock_;
    platform::Documents& documents_;
    platform::Runtime runtime_;
    wind::FrmMainCalc frmMainCalc_;
    airspeed::FrmVitesse frmVitesse_;
    descent::FrmDescente frmDescente_;
    conversions::FrmConversions frmConversions_;
    navlog::FrmLog frmLog_;
    about::FrmQuit frmQuit_;
    WindowsFeed simFeed_{frmMainCalc_, frmVitesse_, frmDescente_, frmLog_};
};

}  // namespace ventrose::app
