// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/print_job.h"
#include "platform/documents.h"

namespace ventrose::platform {

// The files and the PDF side of Documents, without any dialog: what the program and a script
// that answers the dialogs itself share. Every message is in French and names the file.
class DocumentFiles {
public:
    virtual ~DocumentFiles() = default;

    virtual Documents::ReadResult ReadFile(const std::string& path, std::size_t maxBytes) = 0;
    virtual std::optional<std::string> WriteFileAtomic(const std::string& path,
                                                       std::string_view bytes) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual void RemoveFile(const std::string& path) = 0;
    // The pages as a PDF file at `path`, written whole or not at all.
    virtual std::optional<std::string> PrintToPdf(const common::PrintJob& job,
                                                  const std::string& path) = 0;
};

}  // namespace ventrose::platform
