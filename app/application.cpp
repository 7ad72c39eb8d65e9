#include "app/application.h"

#include <cstdint>

namespace ventrose::app {

using platform::ShowMode;

Application::Application(platform::Host& host)
    : runtime_(host), frmMainCalc_(runtime_), frmQuit_(runtime_) {
    frmMainCalc_.onClick("cmdVitesse", [this] { cmdVitesse_Click(); });
    frmMainCalc_.onClick("cmdVz", [this] { cmdVz_Click(); });
    frmMainCalc_.onClick("cmdConversions", [this] { cmdConversions_Click(); });
    frmMainCalc_.onClick("Command1", [this] { Command1_Click(); });
    frmMainCalc_.onClick("cmdQuit", [this] { cmdQuit_Click(); });
    frmMainCalc_.onUnload([this] { frmMainCalc_Unload(); });
}

void Application::Start() {
    runtime_.Load(frmMainCalc_);
    runtime_.Show(frmMainCalc_, ShowMode::Modeless);
}

// The airspeed, descent and conversions calculators open here once their windows exist.
void Application::cmdVitesse_Click() {}
void Application::cmdVz_Click() {}
void Application::cmdConversions_Click() {}

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
        if (static_cast<std::size_t>(i) < forms.size()) runtime_.Unload(*forms[static_cast<std::size_t>(i)]);
    }
}

}  // namespace ventrose::app
