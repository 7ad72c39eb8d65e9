// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/documents.h"

namespace ventrose::testing {

// Files in memory, and a person whose answers the test gives in advance.
class FakeDocuments : public platform::Documents {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> fullDisk;                    // writes there fail
    std::deque<std::optional<std::string>> fileNames;  // the next dialogs' answers
    std::vector<platform::FileDialogRequest> dialogs;
    platform::SaveChangesAnswer saveAnswer = platform::SaveChangesAnswer::Cancel;
    bool yes = false;
    int questions = 0;
    int printed = 0;
    common::PrintJob lastPrinted;

    std::optional<std::string> AskFileName(const platform::FileDialogRequest& request) override {
        dialogs.push_back(request);
        if (fileNames.empty()) return std::nullopt;
        auto answer = fileNames.front();
        fileNames.pop_front();
        return answer;
    }
    ReadResult ReadFile(const std::string& path, std::size_t maxBytes) override {
        auto it = files.find(path);
        if (it == files.end()) return {std::nullopt, "Le fichier " + path + " n'existe pas."};
        if (it->second.size() > maxBytes)
            return {std::nullopt, "Le fichier " + path + " est trop grand."};
        return {it->second, ""};
    }
    std::optional<std::string> WriteFileAtomic(const std::string& path,
                                               std::string_view bytes) override {
        if (fullDisk.count(path) != 0)
            return "Le fichier " + path + " n'a pas pu être enregistré : disque plein.";
        files[path] = std::string(bytes);
        return std::nullopt;
    }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    void RemoveFile(const std::string& path) override { files.erase(path); }
    std::string RecoveryPath(std::string_view name) override {
        return "/recovery/" + std::string(name);
    }
    std::optional<std::string> Print(const common::PrintJob& job) override {
        ++printed;
        lastPrinted = job;
        return std::nullopt;
    }
    platform::SaveChangesAnswer AskSaveChanges(std::string_view) override {
        ++questions;
        return saveAnswer;
    }
    bool AskYesNo(std::string_view, std::string_view) override {
        ++questions;
        return yes;
    }
};

}  // namespace ventrose::testing
