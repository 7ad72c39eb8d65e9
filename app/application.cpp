// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <cstdint>

namespace ventrose::app {

using platform::ShowMode;

namespace {

// Documents that cancel every dialog and find no file: an application built without any.
class NoDocuments : public platform::Documents {
public:
    std::optional<std::string> AskFileName(const platform::FileDialogRequest&) override {
        return std::nullopt;
    }
    ReadResult ReadFile(const std::string&, std::size_t) override {
        return {std::nullopt, "Aucun fichier n'est accessible."};
    }
    std::optional<std::string> WriteFileAtomic(const std::string&, std::string_view) override {
        return "Aucun fichier n'est accessible.";
    }
    bool FileExists(const std::string&) override { return false; }
    void RemoveFile(const std::string&) override {}
    std::string RecoveryPath(std::string_view) override { return {}; }
    std::optional<std::string> Print(const common::PrintJob&) override { return std::nullopt; }
    platform::SaveChangesAnswer AskSaveChanges(std::string_view) override {
        return platform::SaveChangesAnswer::Cancel;
    }
    bool AskYesNo(std::string_view, std::string_view) override { return false; }
};

platform::Documents& NoDocumentsAtAll() {
    static NoDocuments none;
    return none;
}

}  // namespace

Application::Application(platform::Host& host) : Application(host, NoDocumentsAtAll()) {}

Application::Application(platform::Host& host, platform::Documents& documents)
    : documents_(documents),
      runtime_(host),
      frmMainCalc_(runtime_),
      frmVitesse_(runtime_),
      frmDescente_(runtime_),
      frmConversions_(runtime_),
      frmQuit_(runtime_) {
    frmMainCalc_.cmdVitesse.onClick([this] { cmdVitesse_Click(); });
    frmMainCalc_.cmdVz.onClick([this] { cmdVz_Click(); });
    frmMainCalc_.cmdConversions.onClick([this] { cmdConversions_Click(); });
    frmMainCalc_.Command1.onClick([this] { Command1_Click(); });
    frmMainCalc_.cmdQuit.onClick([this] { cmdQuit_Click(); });
    frmMainCalc_.onUnload([this] { frmMainCalc_Unload(); });
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
