// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/print_job.h"

namespace ventrose::platform {

// A file dialog as a window asks for it.
struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    std::string title;          // "Ouvrir un log de navigation"
    std::string filter;         // "Log de navigation (*.vlog)"
    std::string suggestedName;  // a Save dialog's proposed file name; may be empty
};

// What a person answers when a window would lose unsaved work.
enum class SaveChangesAnswer { Save, Discard, Cancel };

// Where a window's documents meet the world: file dialogs, files, printing. The windows hold
// no file handle and know no toolkit; the program gives them its Qt adapter, a script its
// scripted one, a unit test an in-memory fake.
class Documents {
public:
    virtual ~Documents() = default;

    // The path a person chose, or nothing when they cancelled.
    virtual std::optional<std::string> AskFileName(const FileDialogRequest& request) = 0;

    struct ReadResult {
        std::optional<std::string> bytes;  // the whole file when it was read
        std::string error;  // otherwise why not: a French sentence that names the file
    };
    // Reads the whole file; refuses one larger than maxBytes without reading it.
    virtual ReadResult ReadFile(const std::string& path, std::size_t maxBytes) = 0;

    // Writes the file as a whole or not at all: the previous file stays intact until the new
    // one is complete on disk. Nothing on success, else why not: a French sentence that names
    // the file, which a window shows as it stands.
    virtual std::optional<std::string> WriteFileAtomic(const std::string& path,
                                                       std::string_view bytes) = 0;

    virtual bool FileExists(const std::string& path) = 0;
    virtual void RemoveFile(const std::string& path) = 0;

    // Where unsaved work named `name` is kept between a crash and the next start: a file in
    // the user's own data folder, the same at every start.
    virtual std::string RecoveryPath(std::string_view name) = 0;

    // Prints the pages to a printer or a PDF file, as the person chooses. Nothing when printed
    // or cancelled, else why it failed, in French.
    virtual std::optional<std::string> Print(const common::PrintJob& job) = 0;

    // Asks whether to save `documentName` before it is closed.
    virtual SaveChangesAnswer AskSaveChanges(std::string_view documentName) = 0;

    // A question answered Oui (true) or Non, such as whether to take back unsaved work.
    virtual bool AskYesNo(std::string_view prompt, std::string_view title) = 0;
};

}  // namespace ventrose::platform
