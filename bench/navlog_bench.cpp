// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <variant>

#include "bench/full_log.h"
#include "navlog/calcullog.h"
#include "navlog/logfile.h"

namespace {

using namespace ventrose::navlog;
using ventrose::bench::FullLog;

// Every figure and text of a full log, from nothing: what opening a log costs.
void BM_CalculLog(benchmark::State& state) {
    LogNav log = FullLog();
    int i = 0;
    for (auto _ : state) {
        Etape& e = log.etapes[static_cast<std::size_t>(i % 100)];
        e.Rm = (e.Rm.value_or(0) + 1) % 361;
        ++i;
        ResultatLog r = CalculLog(log);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CalculLog)->Unit(benchmark::kMicrosecond);

// What the window does after one change: a person moves one leg's course, and the figures are
// brought up to date. The leg changed goes round the log, so that on average half the legs'
// counts follow the change.
void BM_RecalculLog(benchmark::State& state) {
    LogNav log = FullLog();
    ResultatLog r = CalculLog(log);
    int i = 0;
    for (auto _ : state) {
        Etape& e = log.etapes[static_cast<std::size_t>(i % 100)];
        e.Rm = (e.Rm.value_or(0) + 1) % 361;
        ++i;
        RecalculLog(log, r);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_RecalculLog)->Unit(benchmark::kMicrosecond);

void BM_ReadLog(benchmark::State& state) {
    const std::string text = WriteLog(FullLog());
    for (auto _ : state) {
        auto read = ReadLog(text);
        if (!std::holds_alternative<LogNav>(read)) state.SkipWithError("the log was refused");
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadLog)->Unit(benchmark::kMicrosecond);

void BM_WriteLog(benchmark::State& state) {
    const LogNav log = FullLog();
    for (auto _ : state) {
        std::string text = WriteLog(log);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_WriteLog)->Unit(benchmark::kMicrosecond);

}  // namespace
