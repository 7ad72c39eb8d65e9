// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cstdint>

#include "airspeed/vpexacte.h"

namespace {

using ventrose::airspeed::CalculVpExacte;

// One exact true airspeed and Mach number. Above Mach 1 the Newton steps on Rayleigh's formula
// add to the cost; just above it they start furthest from the root.
void BM_VpExacte(benchmark::State& state, double Vi, double Altitude) {
    for (auto _ : state) {
        double vi = Vi, altitude = Altitude;
        benchmark::DoNotOptimize(vi);
        benchmark::DoNotOptimize(altitude);
        auto r = CalculVpExacte(vi, altitude);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK_CAPTURE(BM_VpExacte, subsonic_250kt_25000ft, 250.0, 25000.0);
BENCHMARK_CAPTURE(BM_VpExacte, just_supersonic_700kt_0ft, 700.0, 0.0);
BENCHMARK_CAPTURE(BM_VpExacte, supersonic_1800kt_45000ft, 1800.0, 45000.0);

}  // namespace
