// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/documents.h"

namespace ventrose::bench {

// Documents holding one file, whatever its name, and writing nowhere.
class OneFile : public platform::Documents {
public:
    explicit OneFile(std::string bytes) : bytes_(std::move(bytes)) {}
    std::optional<std::string> AskFileName(const platform::FileDialogRequest&) override {
        return "full.vlog";
    }
    ReadResult ReadFile(const std::string&, std::size_t) override { return {bytes_, ""}; }
    std::optional<std::string> WriteFileAtomic(const std::string&, std::string_view b) override {
        benchmark::DoNotOptimize(b.data());
        return std::nullopt;
    }
    bool FileExists(const std::string&) override { return false; }
    void RemoveFile(const std::string&) override {}
    std::string RecoveryPath(std::string_view name) override { return std::string(name); }
    std::optional<std::string> Print(const common::PrintJob&) override { return std::nullopt; }
    platform::SaveChangesAnswer AskSaveChanges(std::string_view) override {
        return platform::SaveChangesAnswer::Discard;
    }
    bool AskYesNo(std::string_view, std::string_view) override { return false; }

private:
    std::string bytes_;
};

// A clock stopped on 15 June 2026, so that every run imports at the same date.
struct June2026 : platform::Clock {
    platform::ClockReading Now() override { return platform::AtUtc({2026, 6, 15}, 10, 0); }
};

}  // namespace ventrose::bench
