// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's window after one key, through the forms runtime: the key filter, the
// box's Change handler, RecalculLog, the labels written where their text moved, and the copy
// kept against a crash (written to documents that keep nothing). A flight plan of 100 points
// imported, from its bytes to every box and figure of the window. Also the heap a 100-leg log
// open in the window takes, controls included.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "app/application.h"
#include "bench/full_log.h"
#include "bench/hundred_point_plan.h"
#include "bench/one_file_documents.h"
#include "navlog/logfile.h"
#include "platform/control.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"

namespace {

using namespace ventrose;
using bench::FullLog;
using bench::OneFile;

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

// Importer... with a plan of 100 points: the plan read, its legs made, the log's boxes and
// figures written, the copy kept against a crash. Each import replaces the one before, after
// the question about unsaved changes (answered Ne pas enregistrer).
void BM_ImportIntoWindow(benchmark::State& state, bench::Kind kind) {
    OneFile documents(bench::Plan(kind));
    platform::HeadlessHost host;
    bench::June2026 clock;
    app::Application application(host, documents, clock);
    application.Start();
    platform::Click(application.frmMainCalc()["cmdLog"]);
    auto& form = application.frmLog();
    for (auto _ : state) platform::Click(form["cmdImporter"]);
    if (form.log().etapes.size() != 99 || !host.messageBoxes.empty())
        state.SkipWithError("the plan was not imported");
    benchmark::DoNotOptimize(form["lblArrivee"].caption());
}
BENCHMARK_CAPTURE(BM_ImportIntoWindow, fms, bench::Kind::Fms)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportIntoWindow, flightgear, bench::Kind::FlightGear)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportIntoWindow, lnmpln, bench::Kind::LittleNavmap)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportIntoWindow, pln, bench::Kind::Msfs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportIntoWindow, gpx, bench::Kind::Gpx)->Unit(benchmark::kMillisecond);

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
