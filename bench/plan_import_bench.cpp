// SPDX-License-Identifier: GPL-3.0-or-later
// A flight plan of 100 points, from the file's bytes to the log's legs (read, recognise, measure
// the geodesics, the magnetic variation at each leg's middle), in each format; and one magnetic
// variation alone.
#include <benchmark/benchmark.h>

#include <string>
#include <variant>

#include "bench/hundred_point_plan.h"
#include "flightplan/plan.h"
#include "magnetic/declination.h"
#include "planimport/route.h"

namespace {

using namespace ventrose;
using bench::Kind;
using bench::Plan;

void BM_ImportPlan(benchmark::State& state, Kind kind) {
    const std::string bytes = Plan(kind);
    for (auto _ : state) {
        auto read = flightplan::ReadPlan(bytes);
        const auto& plan = std::get<flightplan::Plan>(read);
        auto route = planimport::BuildRoute(plan.points, {2026, 6, 15});
        if (std::get<planimport::Route>(route).legs.size() != 99) state.SkipWithError("legs");
        benchmark::DoNotOptimize(route);
    }
}
BENCHMARK_CAPTURE(BM_ImportPlan, fms, Kind::Fms)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportPlan, flightgear, Kind::FlightGear)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportPlan, lnmpln, Kind::LittleNavmap)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportPlan, pln, Kind::Msfs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportPlan, gpx, Kind::Gpx)->Unit(benchmark::kMillisecond);

// One variation at a new place and date each time, over the globe.
void BM_Variation(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const double latitude = -89 + (i * 37) % 179;
        const double longitude = -180 + (i * 53) % 360;
        const auto d =
            magnetic::Wmm2025Declination({latitude, longitude}, 0, 2025 + (i % 50) / 10.0);
        benchmark::DoNotOptimize(d);
        ++i;
    }
}
BENCHMARK(BM_Variation)->Unit(benchmark::kMicrosecond);

}  // namespace
