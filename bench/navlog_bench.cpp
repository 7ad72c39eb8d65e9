// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <variant>

#include "navlog/calcullog.h"
#include "navlog/logfile.h"

namespace {

using namespace ventrose::navlog;

// A full log: 100 legs spread over the bars' ranges the same way on every run, long accented
// waypoint names, and an actual time on every third leg.
LogNav FullLog() {
    LogNav log;
    log.Vp = 135;
    log.departure = 8 * 60 + 15;
    log.fuelUnit = UniteCarbu::Litres;
    log.fuelAtDeparture = 180.5;
    log.fuelPerHour = 32.7;
    log.finalReserve = 25;
    std::uint32_t state = 12345;
    auto next = [&state](int low, int high) {
        state = state * 1664525u + 1013904223u;
        return low + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(high - low + 1));
    };
    for (int i = 0; i < static_cast<int>(kMaxEtapes); ++i) {
        Etape e{"Château-Thierry Étampes n° " + std::to_string(i),
                next(0, 360),
                next(1, 400),
                next(0, 360),
                next(0, 60),
                {}};
        if (i % 3 == 2) e.HR = next(0, 1439);
        log.etapes.push_back(e);
    }
    return log;
}

// Every figure and text of a full log, from nothing: what opening a log costs.
void BM_CalculLog(benchmark::State& state) {
    LogNav log = FullLog();
    int i = 0;
    for (auto _ : state) {
        Etape& e = log.etapes[static_cast<std::size_t>(i % 100)];
        e.Rm = (e.Rm + 1) % 361;
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
        e.Rm = (e.Rm + 1) % 361;
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
