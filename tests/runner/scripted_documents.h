// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/document_files.h"
#include "platform/documents.h"

namespace ventrose::scenario {

// The documents of a scenario: every dialog is answered from the file's answer steps, in
// order, each kind from its own queue (file dialogs, including the print destination; save
// questions; yes/no questions). Files and PDF files go through `files`, as in the program.
// Each scenario gets a fresh temporary folder, removed with this object: relative paths and
// the recovery files live there.
class ScriptedDocuments : public platform::Documents {
public:
    explicit ScriptedDocuments(platform::DocumentFiles& files);
    ~ScriptedDocuments() override;
    ScriptedDocuments(const ScriptedDocuments&) = delete;
    ScriptedDocuments& operator=(const ScriptedDocuments&) = delete;

    const std::string& folder() const { return folder_; }
    // An absolute path as is; a relative one inside the folder.
    std::string Resolve(const std::string& path) const;

    // Writes (or adds to the end of) a file by the scenario's own hand, as another program
    // would have left it; nothing on success, else why not.
    std::optional<std::string> WriteOwnFile(const std::string& path, const std::string& text,
                                            bool append) const;

    // The next file dialog gets `path`, resolved, or is cancelled when `path` is empty.
    void AnswerFile(const std::string& path);
    void AnswerSave(platform::SaveChangesAnswer answer);
    void AnswerYesNo(bool yes);

    // The dialogs that came without an answer since the last call (each was cancelled, or
    // answered Non), described for a report.
    std::vector<std::string> TakeUnanswered();
    // The answers given that no dialog took, described as their steps.
    std::vector<std::string> UnusedAnswers() const;
    // Every text the dialogs put before a person so far (file dialogs' titles and filters,
    // questions, printed pages), for a test that reads them all.
    const std::vector<std::string>& shownTexts() const { return shown_; }

    std::optional<std::string> AskFileName(const platform::FileDialogRequest& request) override;
    ReadResult ReadFile(const std::string& path, std::size_t maxBytes) override;
    std::optional<std::string> WriteFileAtomic(const std::string& path,
                                               std::string_view bytes) override;
    bool FileExists(const std::string& path) override;
    void RemoveFile(const std::string& path) override;
    std::string RecoveryPath(std::string_view name) override;
    std::optional<std::string> Print(const common::PrintJob& job) override;
    platform::SaveChangesAnswer AskSaveChanges(std::string_view documentName) override;
    bool AskYesNo(std::string_view prompt, std::string_view title) override;

private:
    platform::DocumentFiles& files_;
    std::string folder_;
    std::deque<std::string> files_answers_;  // as written
    std::deque<platform::SaveChangesAnswer> save_answers_;
    std::deque<bool> yesno_answers_;
    std::vector<std::string> unanswered_;
    std::vector<std::string> shown_;
};

}  // namespace ventrose::scenario
