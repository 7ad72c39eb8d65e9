// SPDX-License-Identifier: GPL-3.0-or-later
// One recomputation of the main window as a person causes it: a bar's new value, its Change
// handler, CalculVent with every label written through the forms runtime, and the nested pass
// that the hidden bar's move starts.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "app/application.h"
#include "common/tr.h"
#include "platform/control.h"
#include "platform/headless_host.h"
#include "platform/user_actions.h"
#include "translations/language.h"

namespace {

using ventrose::platform::ThumbRelease;

void BM_CalculVentFromWindForce(benchmark::State& state) {
    // Arg 1: in English, every text the pass writes looked up in the real translation.
    static int argc = 1;
    static char name[] = "mainwindow_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication qt(argc, argv);
    ventrose::translations::UseLanguage(state.range(1) == 1 ? ventrose::common::Language::English
                                                            : ventrose::common::Language::French);
    ventrose::platform::HeadlessHost host;
    ventrose::app::Application application(host);
    application.Start();
    auto& form = application.frmMainCalc();
    ThumbRelease(form["hscRm"], 90);
    ThumbRelease(form["hscV"], 120);
    ThumbRelease(form["hscDt"], state.range(0));
    int vw = 0;
    for (auto _ : state) {
        vw = vw == 360 ? 0 : vw + 1;
        ThumbRelease(form["hscVw"], vw);
    }
    benchmark::DoNotOptimize(form["lblVs"].caption());
    ventrose::translations::UseLanguage(ventrose::common::Language::French);
}
// With a leg of 0 NM the hidden bar stays put; with 100 NM every new airspeed moves it.
BENCHMARK(BM_CalculVentFromWindForce)->Args({0, 0})->Args({100, 0})->Args({100, 1});

void BM_CalculVentFromAirspeedWithNestedPass(benchmark::State& state) {
    ventrose::platform::HeadlessHost host;
    ventrose::app::Application application(host);
    application.Start();
    auto& form = application.frmMainCalc();
    ThumbRelease(form["hscVw"], 20);
    ThumbRelease(form["hscDt"], 300);
    int vp = 60;
    for (auto _ : state) {
        vp = vp == 800 ? 60 : vp + 1;
        ThumbRelease(form["hscVp"], vp);
    }
    benchmark::DoNotOptimize(form["lblTsv"].caption());
}
BENCHMARK(BM_CalculVentFromAirspeedWithNestedPass);

}  // namespace
