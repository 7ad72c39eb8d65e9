// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/document_files.h"

namespace ventrose::scenario {

// The scenario runner's files where the program's Qt adapter is not built (a build without the
// Qt view): the same bounded read and whole-or-nothing save, with the standard library. A
// "PDF" is then the pages' texts, one per line, so that a scenario still finds its file.
class StdDocumentFiles : public platform::DocumentFiles {
public:
    platform::Documents::ReadResult ReadFile(const std::string& path,
                                             std::size_t maxBytes) override;
    std::optional<std::string> WriteFileAtomic(const std::string& path,
                                               std::string_view bytes) override;
    bool FileExists(const std::string& path) override;
    void RemoveFile(const std::string& path) override;
    std::optional<std::string> PrintToPdf(const common::PrintJob& job,
                                          const std::string& path) override;
};

}  // namespace ventrose::scenario
