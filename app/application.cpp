// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <cstdint>

namespace ventrose::app {

using platform::ShowMode;

Application::Application(platform::Host& host) : Application(host, noDocuments_) {}

Application::Application(platform::Host& host, platform::Documents& documents)
    : Application(host, documents, computerClock_) {}

Application::Application(platform::Host& host, platform::Documents& documents,
                         platform::Clock& clock)
    : documents_(documents),
      runtime_(host),
      frmMainCalc_(runtime_),
      frmVitesse_(runtime_),
      frmDescente_(runtime_),
      frmConversions_(runtime_),
      frmLog_(runtime_, documents, clock),
      frmQuit_(runtime_) {
    frmMainCalc_.cmdVitesse.onClick([this] { cmdVitesse_Click(); });
    frmMainCalc_.cmdVz.onClick([this] { cmdVz_Click(); });
    frmMainCalc_.cmdConversions.onClick([this] { cmdConversions_Click(); });
    frmMainCalc_.cmdLog.onClick([this] { cmdLog_Click(); });
    frmMainCalc_.Command1.onClick([this] { Command1_Click(); });
    frmMainCalc_.cmdQuit.onClick([this] { cmdQuit_Click(); });
    frmMainCalc_.onUnload([this] { frmMainCalc_Unload(); });
    // A new log starts from what the main window shows, which the pilot set for this flight.
    frmLog_.startFrom([this] {
        if (!frmMainCalc_.loaded()) return navlog::FrmLog::StartingValues{};
        return navlog::FrmLog::StartingValues{frmMainCalc_.barVp(), frmMainCalc_.barV(),
                                              frmMainCalc_.barVw()};
    });
}

void Application::Start() {
    runtime_.Load(frmMainCalc_);
    runtime_.Show(frmMainCalc_, ShowMode::Modeless);
}

void Application::cmdVitesse_Click() {
    runtime_.Load(frmVitesse_);
    runtime_.Show(frmVitesse_, ShowMode::Modal);
}

void Application::cmdVz_Click() {
    runtime_.Load(frmDescente_);
    runtime_.Show(frmDescente_, ShowMode::Modal);
}

void Application::cmdConversions_Click() {
    runtime_.Load(frmConversions_);
    runtime_.Show(frmConversions_, ShowMode::Modal);
}

void Application::cmdLog_Click() {
    runtime_.Load(frmLog_);
    runtime_.Show(frmLog_, ShowMode::Modal);
}

void Application::Command1_Click() {
    runtime_.Load(frmQuit_);
    runtime_.Show(frmQuit_, ShowMode::Modal);
}

// "Quitter": the About window once, then the end at once, without any Form_Unload.
void Application::cmdQuit_Click() {
    runtime_.Load(frmQuit_);
    runtime_.Show(frmQuit_, ShowMode::Modal);
    runtime_.End();
}

// Closing the main window: the About window, then every loaded window from the newest to the
// oldest; the main window is among them and its unloading, already under way, goes on.
void Application::frmMainCalc_Unload() {
    runtime_.Load(frmQuit_);
    runtime_.Show(frmQuit_, ShowMode::Modal);
    const auto& forms = runtime_.Forms();
    for (std::int16_t i = static_cast<std::int16_t>(forms.size() - 1); i >= 0; --i) {
        if (static_cast<std::size_t>(i) < forms.size())
            runtime_.Unload(*forms[static_cast<std::size_t>(i)]);
    }
}

}  // namespace ventrose::app
