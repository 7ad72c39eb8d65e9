// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "wind/exacttriangle.h"
#include "wind/facteurs.h"
#include "wind/sincos.h"
#include "wind/tempsdistance.h"
#include "wind/triangle.h"
#include "wind/typevent.h"

namespace {

using namespace ventrose::wind;

struct Inputs {
    int Vp, Rm, V, Vw;
    ModeVol mode;
    int entered;
};

// A fixed pseudo-random spread over the scroll-bar ranges, the same on every run.
std::vector<Inputs> MakeInputs() {
    std::vector<Inputs> inputs;
    std::uint32_t state = 12345;
    auto next = [&state](int low, int high) {
        state = state * 1664525u + 1013904223u;
        return low + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(high - low + 1));
    };
    for (int i = 0; i < 1024; ++i) {
        const ModeVol mode = next(0, 1) == 0 ? ModeVol::Temps : ModeVol::Distance;
        inputs.push_back({next(60, 800), next(0, 360), next(0, 360), next(0, 360), mode,
                          mode == ModeVol::Temps ? next(0, kDtMax) : next(0, kTsvMax)});
    }
    return inputs;
}

// One recomputation of the main window: every result and every text.
void BM_WindRecomputation(benchmark::State& state) {
    const std::vector<Inputs> inputs = MakeInputs();
    std::size_t i = 0;
    for (auto _ : state) {
        const Inputs& in = inputs[i];
        i = (i + 1) % inputs.size();
        AffichageEntrees entrees = AfficherEntrees(in.Vp, in.Rm, in.V, in.Vw);
        Facteurs f = CalculFacteurs(in.Vp);
        TypeVent tv = CalculTypeVent(in.V, in.Rm);
        SinCos sc = CalculSinCos(tv.Alpha);
        Triangle t =
            CalculTriangle(in.Vp, in.Rm, in.Vw, f.Fb, tv.CasVent, sc.SinAlpha, sc.CosAlpha);
        TempsDistance td = CalculTempsDistance(in.mode, in.entered, f.Fb, f.InvFb);
        TempsAvecVent tav = CalculTempsAvecVent(td.D, t.Vs);
        benchmark::DoNotOptimize(entrees);
        benchmark::DoNotOptimize(f);
        benchmark::DoNotOptimize(tv);
        benchmark::DoNotOptimize(sc);
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(td);
        benchmark::DoNotOptimize(tav);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_WindRecomputation);

// The exact triangle and its texts beside the method's figures, which the main window's pass
// has already computed (so they are computed here beforehand): what the pass adds for it.
void BM_ExactTriangle(benchmark::State& state) {
    struct Pass {
        Inputs in;
        Triangle method;
        TempsDistance leg;
        TempsAvecVent time;
    };
    std::vector<Pass> passes;
    for (const Inputs& in : MakeInputs()) {
        const Facteurs f = CalculFacteurs(in.Vp);
        const TypeVent tv = CalculTypeVent(in.V, in.Rm);
        const SinCos sc = CalculSinCos(tv.Alpha);
        Pass p{in,
               CalculTriangle(in.Vp, in.Rm, in.Vw, f.Fb, tv.CasVent, sc.SinAlpha, sc.CosAlpha),
               CalculTempsDistance(in.mode, in.entered, f.Fb, f.InvFb),
               {}};
        p.time = CalculTempsAvecVent(p.leg.D, p.method.Vs);
        passes.push_back(std::move(p));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const Pass& p = passes[i];
        i = (i + 1) % passes.size();
        ExactTriangle exact = SolveExactTriangle(p.in.Vp, p.in.Rm, p.in.V, p.in.Vw);
        ExactComparison comparison = CompareExact(exact, p.method, p.leg, p.time, p.in.Vp);
        benchmark::DoNotOptimize(exact);
        benchmark::DoNotOptimize(comparison);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_ExactTriangle);

}  // namespace
