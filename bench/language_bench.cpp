// SPDX-License-Identifier: GPL-3.0-or-later
// A person switching the language from any window's menu with every window open on the Qt
// widgets: the main window, the airspeed, descent and conversions calculators, the About window
// and the navigation log holding 99 legs. One switch is what Runtime::retranslate does (every
// design caption, every window writing its own texts again, the view describing the windows for
// screen readers in the new language) and the repaint of every window, done before the call
// returns. Runs on the offscreen platform unless told otherwise, with the English compiled in.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "app/application.h"
#include "bench/hundred_point_plan.h"
#include "bench/one_file_documents.h"
#include "platform/form.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/qt_view.h"
#include "platform/runtime.h"
#include "platform/user_actions.h"
#include "translations/language.h"

namespace {

using ventrose::common::Language;

// Each iteration is one switch towards the benchmark's language, timed; the switch back is not.
// The spread of the single switches goes into the counters (median, fastest, slowest), as one
// slow switch is what a person would notice.
void BM_SwitchLanguage(benchmark::State& state) {
    const Language to = state.range(0) == 0 ? Language::English : Language::French;
    const Language from = to == Language::English ? Language::French : Language::English;
    if (!ventrose::translations::UseLanguage(from)) {
        state.SkipWithError("the English translation could not be read");
        return;
    }
    ventrose::platform::qt::QtHost host;
    ventrose::bench::OneFile documents(ventrose::bench::Plan(ventrose::bench::Kind::Msfs));
    ventrose::bench::June2026 clock;
    ventrose::app::Application application(host, documents, clock);
    ventrose::platform::qt::QtView view(application.runtime());
    application.Start();
    std::vector<QWidget*> windows;
    for (ventrose::platform::Form* form :
         {static_cast<ventrose::platform::Form*>(&application.frmMainCalc()),
          static_cast<ventrose::platform::Form*>(&application.frmVitesse()),
          static_cast<ventrose::platform::Form*>(&application.frmDescente()),
          static_cast<ventrose::platform::Form*>(&application.frmConversions()),
          static_cast<ventrose::platform::Form*>(&application.frmQuit()),
          static_cast<ventrose::platform::Form*>(&application.frmLog())}) {
        application.runtime().Show(*form, ventrose::platform::ShowMode::Modeless);
        windows.push_back(view.windowOf(*form));
    }
    ventrose::platform::Click(application.frmLog()["cmdImporter"]);
    if (application.frmLog().log().etapes.size() != 99) {
        state.SkipWithError("the plan was not imported");
        return;
    }
    QApplication::processEvents();
    const char* title = to == Language::English ? "Ventrose for FS" : "Ventrose pour FS";
    bool followed = true;
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ventrose::translations::ChangeLanguage(application.runtime(), to);
        for (QWidget* window : windows) window->repaint();
        const auto end = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(end - start).count();
        state.SetIterationTime(seconds);
        samples.push_back(seconds * 1e3);
        followed = followed && application.frmMainCalc().caption() == title;
        ventrose::translations::ChangeLanguage(application.runtime(), from);
        for (QWidget* window : windows) window->repaint();
    }
    if (!followed) state.SkipWithError("the main window's title did not follow");
    std::sort(samples.begin(), samples.end());
    if (!samples.empty()) {
        state.counters["median_ms"] = samples[samples.size() / 2];
        state.counters["fastest_ms"] = samples.front();
        state.counters["slowest_ms"] = samples.back();
    }
    state.counters["windows"] = static_cast<double>(windows.size());
    ventrose::translations::UseLanguage(Language::French);
}
BENCHMARK(BM_SwitchLanguage)
    ->ArgName("to_fr")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
