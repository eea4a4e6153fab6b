// How long the work window takes to open, in each mode, beside what the
// formula pictures cost to draw and what a bare window with as many plain
// child widgets costs on the same machine.
//
//   build/bin/bench_workwindow --benchmark_repetitions=20
//       --benchmark_report_aggregates_only=true   (one command line)
//
// Runs offscreen by itself unless a platform is named on the command line.
#include "formulacatalogue.h"
#include "formularenderer.h"
#include "workwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

void loadWorkWindow(benchmark::State &state, bool solving)
{
    const WorkMode mode = solving ? WorkMode::Solving : WorkMode::Editor;
    // The first window draws the formula pictures once for the whole run.
    delete WorkWindow::load(mode, {});
    for (auto _ : state) {
        WorkWindow *form = WorkWindow::load(mode, {});
        benchmark::DoNotOptimize(form);
        state.PauseTiming();
        delete form;
        state.ResumeTiming();
    }
}

void BM_WorkWindowLoad_Editor(benchmark::State &state)
{
    loadWorkWindow(state, false);
}

void BM_WorkWindowLoad_Solving(benchmark::State &state)
{
    loadWorkWindow(state, true);
}

void BM_RenderAllFormulaPictures(benchmark::State &state)
{
    for (auto _ : state) {
        for (const auto &entry : FormulaCatalogue::entries())
            benchmark::DoNotOptimize(FormulaRenderer::render(entry, 1.0));
    }
}

// The baseline: a window holding as many plain widgets as the work window.
void BM_BareWindowSameChildCount(benchmark::State &state)
{
    int children = 0;
    {
        WorkWindow probe({});
        children = probe.findChildren<QWidget *>().size();
    }
    state.counters["children"] = children;
    for (auto _ : state) {
        auto *window = new QWidget;
        for (int i = 0; i < children; ++i) {
            auto *child = new QWidget(window);
            child->setGeometry(i % 50, i / 50, 10, 10);
        }
        benchmark::DoNotOptimize(window);
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_WorkWindowLoad_Editor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorkWindowLoad_Solving)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderAllFormulaPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareWindowSameChildCount)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The very first window of a run draws its first tab's pictures: timed once.
    {
        QElapsedTimer timer;
        timer.start();
        delete WorkWindow::load(WorkMode::Editor, {});
        std::printf("first work window of the run (cold): %.2f ms\n", timer.nsecsElapsed() / 1e6);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
