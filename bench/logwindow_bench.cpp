// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's window after one key, through the forms runtime: the key filter, the
// box's Change handler, RecalculLog, the labels written where their text moved, and the copy
// kept against a crash (written to documents that keep nothing). Also the heap a 100-leg log
// open in the window takes, controls included.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "app/application.h"
#include "bench/full_log.h"
#include "navlog/logfile.h"
#include "platform/control.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"

namespace {

using namespace ventrose;
using bench::FullLog;

// Documents holding one file, a full log, and writing nowhere.
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

std::size_t HeapInUse() { return mallinfo2().uordblks; }

// A person selects a leg's course and types one digit over it; the leg goes round the log. With
// the exact triangle's columns shown (exact:1) or not.
void BM_LogWindowAfterOneKey(benchmark::State& state) {
    OneFile documents(navlog::WriteLog(FullLog()));
    platform::HeadlessHost host;
    app::Application application(host, documents);
    application.Start();
    platform::Click(application.frmMainCalc()["cmdLog"]);
    auto& form = application.frmLog();
    platform::Click(form["cmdOuvrir"]);
    if (form.log().etapes.size() != 100) state.SkipWithError("the log did not open");
    if (state.range(0) != 0) platform::Click(form["chkExact"]);
    int i = 0;
    for (auto _ : state) {
        platform::Control& box = form["txtRm(" + std::to_string(i % 100 + 1) + ")"];
        platform::Select(box, 0, 3);
        platform::KeyPress(box, '1' + i % 9);
        ++i;
    }
    benchmark::DoNotOptimize(form["lblArrivee"].caption());
}
BENCHMARK(BM_LogWindowAfterOneKey)->ArgName("exact")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LogWindowMemory(benchmark::State& state) {
    for (auto _ : state) {
        OneFile documents(navlog::WriteLog(FullLog()));
        platform::HeadlessHost host;
        app::Application application(host, documents);
        application.Start();
        const std::size_t before = HeapInUse();
        platform::Click(application.frmMainCalc()["cmdLog"]);
        platform::Click(application.frmLog()["cmdOuvrir"]);
        state.counters["heap_bytes"] = static_cast<double>(HeapInUse() - before);
    }
}
BENCHMARK(BM_LogWindowMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
