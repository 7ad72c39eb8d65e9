// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/runner/std_document_files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace ventrose::scenario {

namespace fs = std::filesystem;

namespace {

// As the program's files say it: whole mebibytes as «1 Mo», else in bytes.
std::string TooLarge(std::size_t maxBytes) {
    constexpr std::size_t kMo = 1024 * 1024;
    const std::string size = maxBytes >= kMo && maxBytes % kMo == 0
                                 ? std::to_string(maxBytes / kMo) + " Mo"
                                 : std::to_string(maxBytes) + " octets";
    return "est trop grand (plus de " + size + ") ; il n'a pas été lu.";
}

}  // namespace

platform::Documents::ReadResult StdDocumentFiles::ReadFile(const std::string& path,
                                                           std::size_t maxBytes) {
    const std::string name = "Le fichier « " + fs::path(path).filename().string() + " » ";
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return {std::nullopt, name + "n'existe pas."};
    if (fs::file_size(path, error) > maxBytes || error)
        return {std::nullopt, name + TooLarge(maxBytes)};
    std::ifstream in(path, std::ios::binary);
    std::string bytes(maxBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return {std::nullopt, name + "ne peut pas être lu."};
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > maxBytes) return {std::nullopt, name + TooLarge(maxBytes)};
    return {bytes, {}};
}

std::optional<std::string> StdDocumentFiles::WriteFileAtomic(const std::string& path,
                                                             std::string_view bytes) {
    const std::string failed =
        "Le fichier « " + fs::path(path).filename().string() + " » n'a pas pu être enregistré.";
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return failed;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) return failed;
    return std::nullopt;
}

bool StdDocumentFiles::FileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

void StdDocumentFiles::RemoveFile(const std::string& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

std::optional<std::string> StdDocumentFiles::PrintToPdf(const common::PrintJob& job,
                                                        const std::string& path) {
    std::string text;
    for (const common::PrintPage& page : job.pages) {
        for (const common::PrintText& t : page.texts) text += t.text + "\n";
        text += "\f";
    }
    return WriteFileAtomic(path, text);
}

}  // namespace ventrose::scenario
