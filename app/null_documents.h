// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/documents.h"

namespace ventrose::app {

// Documents for an application run without files (tests, tools): every dialog is cancelled,
// unsaved work is let go, every question answered Non, and a file reads and writes as «non
// disponible». There is no place to keep unsaved work between runs.
class NullDocuments : public platform::Documents {
public:
    std::optional<std::string> AskFileName(const platform::FileDialogRequest&) override {
        return std::nullopt;
    }
    ReadResult ReadFile(const std::string&, std::size_t) override {
        return {std::nullopt, "non disponible"};
    }
    std::optional<std::string> WriteFileAtomic(const std::string&, std::string_view) override {
        return "non disponible";
    }
    bool FileExists(const std::string&) override { return false; }
    void RemoveFile(const std::string&) override {}
    std::string RecoveryPath(std::string_view) override { return {}; }
    std::optional<std::string> Print(const common::PrintJob&) override { return "non disponible"; }
    platform::SaveChangesAnswer AskSaveChanges(std::string_view) override {
        return platform::SaveChangesAnswer::Discard;
    }
    bool AskYesNo(std::string_view, std::string_view) override { return false; }
};

}  // namespace ventrose::app
