// SPDX-License-Identifier: GPL-3.0-or-later
// A 100-leg log through the documents adapter, as the window saves, opens and prints it: the
// text and the file together, the PDF from the log's figures.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <variant>

#include "bench/full_log.h"
#include "documents/qt_document_files.h"
#include "navlog/calcullog.h"
#include "navlog/kneeboard.h"
#include "navlog/logfile.h"

namespace {

using namespace ventrose::navlog;
using ventrose::bench::FullLog;
using ventrose::documents::QtDocumentFiles;

std::string In(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
}

// WriteLog, then the atomic save over the previous file (QSaveFile: a new file, flushed to the
// disk, renamed over the old one).
void BM_SaveLogFile(benchmark::State& state) {
    QTemporaryDir dir;
    QtDocumentFiles files;
    const std::string path = In(dir, "route.vlog");
    const LogNav log = FullLog();
    for (auto _ : state) {
        if (files.WriteFileAtomic(path, WriteLog(log))) state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_SaveLogFile)->Unit(benchmark::kMillisecond);

void BM_OpenLogFile(benchmark::State& state) {
    QTemporaryDir dir;
    QtDocumentFiles files;
    const std::string path = In(dir, "route.vlog");
    if (files.WriteFileAtomic(path, WriteLog(FullLog()))) state.SkipWithError("the save failed");
    for (auto _ : state) {
        const auto read = files.ReadFile(path, kMaxFichier);
        if (!read.bytes) state.SkipWithError("the file was refused");
        auto log = ReadLog(*read.bytes);
        if (!std::holds_alternative<LogNav>(log)) state.SkipWithError("the log was refused");
        benchmark::DoNotOptimize(log);
    }
}
BENCHMARK(BM_OpenLogFile)->Unit(benchmark::kMillisecond);

// The five kneeboard pages laid out and written as a PDF file.
void BM_PdfLog(benchmark::State& state) {
    QTemporaryDir dir;
    QtDocumentFiles files;
    const std::string path = In(dir, "route.pdf");
    const LogNav log = FullLog();
    const ResultatLog r = CalculLog(log);
    for (auto _ : state) {
        if (files.PrintToPdf(PagesKneeboard(log, r, "route.vlog"), path))
            state.SkipWithError("the PDF failed");
    }
}
BENCHMARK(BM_PdfLog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
