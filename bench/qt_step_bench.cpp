// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one step while a person holds an arrow of the wind-force bar down: the scroll
// bar's action reaches the model, the main window recomputes, the view mirrors every changed
// label and Qt repaints what changed; of a change of palette with every window open; and of a
// flight plan of 100 points imported into the log window on the widgets. Runs on the offscreen
// platform unless told otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "app/application.h"
#include "bench/hundred_point_plan.h"
#include "bench/one_file_documents.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/qt_view.h"
#include "platform/runtime.h"
#include "platform/user_actions.h"

namespace {

void BM_QtArrowStepOnWindForce(benchmark::State& state) {
    ventrose::platform::qt::QtHost host;
    ventrose::app::Application application(host);
    ventrose::platform::qt::QtView view(application.runtime());
    application.Start();
    auto& form = application.frmMainCalc();
    auto* bar = qobject_cast<QScrollBar*>(view.widgetOf(form["hscVw"]));
    if (bar == nullptr) {
        state.SkipWithError("no scroll bar for hscVw");
        return;
    }
    // Wind from the right front and a leg, so that every result label changes at each step.
    bar->window()->show();
    form["hscRm"].setValue(90);
    form["hscV"].setValue(120);
    form["hscDt"].setValue(150);
    QApplication::processEvents();
    bool up = true;
    for (auto _ : state) {
        if (form["hscVw"].value() >= 360) up = false;
        if (form["hscVw"].value() <= 0) up = true;
        bar->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd
                              : QAbstractSlider::SliderSingleStepSub);
        QApplication::processEvents();  // the repaint of the changed labels
    }
    benchmark::DoNotOptimize(form["lblVs"].caption());
}
BENCHMARK(BM_QtArrowStepOnWindForce)->Unit(benchmark::kMicrosecond);

// A pilot switching palettes with every window open at once (the main window, a calculator and
// the About window over it, and the others): the recolouring of every widget and the repaint of
// every window, done before the call returns. Each iteration moves on to the next palette.
void BM_SwitchPalette(benchmark::State& state) {
    ventrose::platform::qt::QtHost host;
    ventrose::app::Application application(host);
    ventrose::platform::qt::QtView view(application.runtime());
    application.Start();
    // Shown without waiting, each over the main window: every window is open at once.
    std::vector<QWidget*> windows;
    for (ventrose::platform::Form* form :
         {static_cast<ventrose::platform::Form*>(&application.frmMainCalc()),
          static_cast<ventrose::platform::Form*>(&application.frmVitesse()),
          static_cast<ventrose::platform::Form*>(&application.frmDescente()),
          static_cast<ventrose::platform::Form*>(&application.frmConversions()),
          static_cast<ventrose::platform::Form*>(&application.frmQuit())}) {
        application.runtime().Show(*form, ventrose::platform::ShowMode::Modeless);
        windows.push_back(view.windowOf(*form));
    }
    QApplication::processEvents();
    std::size_t next = 1;
    for (auto _ : state) {
        view.setPalette(ventrose::preferences::kPalettes[next]);
        next = (next + 1) % std::size(ventrose::preferences::kPalettes);
        for (QWidget* window : windows) window->repaint();
    }
    state.counters["windows"] = static_cast<double>(windows.size());
}
BENCHMARK(BM_SwitchPalette)->Unit(benchmark::kMillisecond);

// Importer... on the widgets: the plan read and made into legs, the model's boxes and figures
// written, the view mirroring the rows in view and Qt repainting the window.
void BM_QtImportIntoLogWindow(benchmark::State& state) {
    ventrose::platform::qt::QtHost host;
    ventrose::bench::OneFile documents(ventrose::bench::Plan(ventrose::bench::Kind::Msfs));
    ventrose::bench::June2026 clock;
    ventrose::app::Application application(host, documents, clock);
    ventrose::platform::qt::QtView view(application.runtime());
    application.Start();
    auto& form = application.frmLog();
    application.runtime().Load(form);
    application.runtime().Show(form, ventrose::platform::ShowMode::Modeless);
    QWidget* window = view.windowOf(form);
    QApplication::processEvents();
    for (auto _ : state) {
        ventrose::platform::Click(form["cmdImporter"]);
        window->repaint();
    }
    if (form.log().etapes.size() != 99) state.SkipWithError("the plan was not imported");
}
BENCHMARK(BM_QtImportIntoLogWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
