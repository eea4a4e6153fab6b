// How long the key check of a problem takes, and 30 variants of the rhombus
// with their files, figure and two PDFs (zenuvio --varianti 30), against
// writing one worksheet PDF (with and without the figure) in the same run.
//
//   build/bin/bench_formulas --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true   (one command line)
//
// Runs offscreen by itself unless a platform is named on the command line.
#include "formulaexpression.h"
#include "keycheck.h"
#include "problemfigure.h"
#include "problemfile.h"
#include "variantfiles.h"
#include "worksheet.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Eight steps on the scalene triangle with three data: the last step's
// formula is fed from ten quantities.
Problem eightSteps()
{
    Problem p;
    p.text = QStringLiteral("Un triangolo scaleno ABC ha AC lungo 15 cm, BC lungo 13 cm e "
                            "l'altezza CH lunga 12 cm.");
    const char *data[] = {"15 cm", "13 cm", "12 cm"};
    for (int i = 0; i < 3; ++i)
        p.data[i] = QString::fromUtf8(data[i]);
    const int formulas[] = {83, 79, 133, 105, 91, 92, 93, 84};
    const char *results[] = {"9 cm", "5 cm", "14 cm", "42 cm", "84 cm²", "14 cm", "12 cm", "15 cm"};
    for (int i = 0; i < 8; ++i) {
        p.formulas[i] = formulas[i];
        p.results[i] = QString::fromUtf8(results[i]);
    }
    return p;
}

void BM_KeyCheckEightSteps(benchmark::State &state)
{
    const Problem problem = eightSteps();
    if (!KeyCheck::check(problem).flaws.isEmpty()) // also parses the catalogue once
        state.SkipWithError("the eight-step key does not follow");
    for (auto _ : state)
        benchmark::DoNotOptimize(KeyCheck::check(problem));
}

void BM_ParseAllFormulas(benchmark::State &state)
{
    const QString text = QStringLiteral("B = [A × 2] / h − b");
    for (auto _ : state) {
        for (int i = 0; i < 139; ++i)
            benchmark::DoNotOptimize(FormulaExpression::parse(text));
    }
}

void BM_WorksheetPdf(benchmark::State &state)
{
    const Problem problem = eightSteps();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scheda.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(Worksheet::writePdf(path, problem, QImage(), false));
}

const QString Rombo = QStringLiteral(ZENUVIO_SOURCE_DIR "/examples/Rombo.znv");

void BM_WorksheetPdfWithFigure(benchmark::State &state)
{
    const Problem problem = ProblemFile::read(Rombo).problem.value();
    const QImage figure =
        ProblemFigure::load(problem.figureName, Rombo, ProblemFigure::Use::Sheet).image;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scheda.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(Worksheet::writePdf(path, problem, figure, false));
}

void BM_ThirtyVariantsWithPdfs(benchmark::State &state)
{
    QTemporaryDir dir;
    QString errorText;
    QTextStream errors(&errorText);
    QRandomGenerator random(30);
    for (auto _ : state)
        if (VariantFiles::write(30, Rombo, dir.path(), errors, random) != 0)
            state.SkipWithError(qPrintable(errorText));
}

} // namespace

BENCHMARK(BM_KeyCheckEightSteps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseAllFormulas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorksheetPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorksheetPdfWithFigure)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThirtyVariantsWithPdfs)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
