// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "platform/document_files.h"

namespace ventrose::documents {

// Files with Qt's I/O. A read checks the file's size before reading, and reads at most one byte
// more than the bound whatever the size said (a device, a file that grows); a save goes through
// QSaveFile, so that a failed write, a full disk or a crash leaves the previous file as it was.
// PrintToPdf needs a QGuiApplication (fonts); it writes through QSaveFile as well.
class QtDocumentFiles : public platform::DocumentFiles {
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

// A file named `name` in the user's data folder (QStandardPaths::AppDataLocation, under the
// organisation and application names the program sets), the folder made if needed. Characters
// other than letters, digits, '.', '-' and '_' in `name` become '_'.
std::string UserRecoveryPath(std::string_view name);

}  // namespace ventrose::documents
