// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/scripted_documents.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "tests/runner/scenario.h"

namespace ventrose::scenario {

namespace {

std::string MakeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "ventrose-scenario-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder for the scenario's files");
    return pattern;
}

const char* Word(platform::SaveChangesAnswer answer) {
    switch (answer) {
        case platform::SaveChangesAnswer::Save: return "save";
        case platform::SaveChangesAnswer::Discard: return "discard";
        case platform::SaveChangesAnswer::Cancel: break;
    }
    return "cancel";
}

}  // namespace

ScriptedDocuments::ScriptedDocuments(platform::DocumentFiles& files)
    : files_(files), folder_(MakeFolder()) {}

ScriptedDocuments::~ScriptedDocuments() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string ScriptedDocuments::Resolve(const std::string& path) const {
    const std::filesystem::path p(path);
    return p.is_absolute() ? path : (std::filesystem::path(folder_) / p).string();
}

std::optional<std::string> ScriptedDocuments::WriteOwnFile(const std::string& path,
                                                           const std::string& text,
                                                           bool append) const {
    const std::string where = Resolve(path);
    std::ofstream out(where, std::ios::binary | (append ? std::ios::app : std::ios::trunc));
    out << text;
    out.close();
    if (!out) return "cannot write " + where;
    return std::nullopt;
}

void ScriptedDocuments::AnswerFile(const std::string& path) { files_answers_.push_back(path); }

void ScriptedDocuments::AnswerSave(platform::SaveChangesAnswer answer) {
    save_answers_.push_back(answer);
}

void ScriptedDocuments::AnswerYesNo(bool yes) { yesno_answers_.push_back(yes); }

std::vector<std::string> ScriptedDocuments::TakeUnanswered() {
    return std::exchange(unanswered_, {});
}

std::vector<std::string> ScriptedDocuments::UnusedAnswers() const {
    std::vector<std::string> unused;
    for (const std::string& path : files_answers_) unused.push_back("answer-file " + Quote(path));
    for (const auto answer : save_answers_)
        unused.push_back(std::string("answer-save ") + Word(answer));
    for (const bool yes : yesno_answers_)
        unused.push_back(yes ? "answer-yesno yes" : "answer-yesno no");
    return unused;
}

std::optional<std::string> ScriptedDocuments::AskFileName(
    const platform::FileDialogRequest& request) {
    shown_.insert(shown_.end(), {request.title, request.filter});
    if (files_answers_.empty()) {
        unanswered_.push_back("file dialog " + Quote(request.title) + " with no answer-file");
        return std::nullopt;
    }
    const std::string path = std::move(files_answers_.front());
    files_answers_.pop_front();
    if (path.empty()) return std::nullopt;
    return Resolve(path);
}

platform::Documents::ReadResult ScriptedDocuments::ReadFile(const std::string& path,
                                                            std::size_t maxBytes) {
    return files_.ReadFile(path, maxBytes);
}

std::optional<std::string> ScriptedDocuments::WriteFileAtomic(const std::string& path,
                                                              std::string_view bytes) {
    return files_.WriteFileAtomic(path, bytes);
}

bool ScriptedDocuments::FileExists(const std::string& path) { return files_.FileExists(path); }

void ScriptedDocuments::RemoveFile(const std::string& path) { files_.RemoveFile(path); }

std::string ScriptedDocuments::RecoveryPath(std::string_view name) {
    const std::filesystem::path recovery = std::filesystem::path(folder_) / "recovery";
    std::error_code ignored;
    std::filesystem::create_directories(recovery, ignored);
    return (recovery / std::string(name)).string();
}

// The print dialog of a script is its destination: a PDF file, from the next answer-file.
std::optional<std::string> ScriptedDocuments::Print(const common::PrintJob& job) {
    for (const common::PrintPage& page : job.pages)
        for (const common::PrintText& text : page.texts) shown_.push_back(text.text);
    if (files_answers_.empty()) {
        unanswered_.push_back("print dialog for " + Quote(job.title) + " with no answer-file");
        return std::nullopt;
    }
    const std::string path = std::move(files_answers_.front());
    files_answers_.pop_front();
    if (path.empty()) return std::nullopt;
    return files_.PrintToPdf(job, Resolve(path));
}

platform::SaveChangesAnswer ScriptedDocuments::AskSaveChanges(std::string_view documentName) {
    if (save_answers_.empty()) {
        unanswered_.push_back("question whether to save " + Quote(std::string(documentName)) +
                              " with no answer-save");
        return platform::SaveChangesAnswer::Cancel;
    }
    const auto answer = save_answers_.front();
    save_answers_.pop_front();
    return answer;
}

bool ScriptedDocuments::AskYesNo(std::string_view prompt, std::string_view title) {
    shown_.emplace_back(prompt);
    shown_.emplace_back(title);
    if (yesno_answers_.empty()) {
        unanswered_.push_back("question " + Quote(std::string(prompt)) + " with no answer-yesno");
        return false;
    }
    const bool yes = yesno_answers_.front();
    yesno_answers_.pop_front();
    return yes;
}

}  // namespace ventrose::scenario
