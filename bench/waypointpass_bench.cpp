// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic Top's share of a position datagram's way to the log window (200 µs in all): one
// fix judged against the current leg, and the line that says where the aircraft is. The fixes
// fly the leg, a quarter of a second apart, through its waypoint.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "geodesy/geodesic.h"
#include "waypointpass/current_leg_text.h"
#include "waypointpass/leg_line.h"
#include "waypointpass/passage.h"

namespace {

using namespace ventrose;
using namespace ventrose::waypointpass;

constexpr common::LatLon kStart{48.72, 2.38};
constexpr common::LatLon kBeyond{47.5, 3.0};

std::vector<Fix> Fixes() {
    std::vector<Fix> fixes;
    double seconds = 36000;
    for (const geodesy::Part& part : geodesy::Split(kStart, kBeyond, 1000)) {
        fixes.push_back({part.end, seconds});
        seconds += 0.25;
    }
    return fixes;
}

void BM_JudgeOneFix(benchmark::State& state) {
    const std::vector<Fix> fixes = Fixes();
    const auto leg = LegLine::Between(kStart, fixes[fixes.size() / 2].position);
    std::size_t i = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Judge(*leg, fixes[i - 1], fixes[i]));
        i = i + 1 < fixes.size() ? i + 1 : 1;
    }
}
BENCHMARK(BM_JudgeOneFix);

void BM_CurrentLegText(benchmark::State& state) {
    double toGo = 12.4;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CurrentLegText({3, "Montargis", "10:33", true, toGo}));
        toGo = toGo > 0 ? toGo - 0.01 : 12.4;
    }
}
BENCHMARK(BM_CurrentLegText);

// Once a leg, when it becomes current.
void BM_LegLineBetween(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LegLine::Between(kStart, kBeyond));
}
BENCHMARK(BM_LegLineBetween);

}  // namespace
