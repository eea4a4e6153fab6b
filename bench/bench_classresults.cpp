// How long a results folder of 10,000 attempt records (a school year of a
// large class: 25 pupils, 40 problems, 10 attempts each) takes to read into
// the class table, beside reading the same files' bytes with a bare loop.
//
//   build/bin/bench_classresults --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true   (one command line)
//
//   build/bin/bench_classresults --write-class FOLDER
//       writes a small class (6 pupils, 3 problems, some slips, a foreign
//       file) into FOLDER and ends, to look at the window with.
#include "attemptfile.h"
#include "classtable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {

AttemptRecord attempt(const QString &pupil, const QString &problem, const QDateTime &start,
                      QRandomGenerator &random)
{
    AttemptRecord record;
    record.pupil = pupil;
    record.problem = problem;
    record.problemSha256 = QString(64, QLatin1Char('c'));
    record.started = start;
    record.data = 3;
    record.steps = 4;
    QDateTime at = start;
    auto act = [&](AttemptAct::Kind kind, int index, bool correct) {
        at = at.addSecs(5 + random.bounded(40));
        record.acts.append({at, kind, index,
                            correct ? QStringLiteral("12 cm") : QStringLiteral("12"),
                            correct ? QStringLiteral("Bravo") : QStringLiteral("Errato"), correct,
                            correct ? Slip::None : Slip::Unit});
    };
    for (int i = 0; i < record.data; ++i) {
        if (random.bounded(5) == 0)
            act(AttemptAct::Kind::Datum, i, false);
        act(AttemptAct::Kind::Datum, i, true);
    }
    const int reached = random.bounded(6) == 0 ? 2 : record.steps;
    for (int i = 0; i < reached; ++i) {
        if (random.bounded(4 + i) == 0)
            act(AttemptAct::Kind::Formula, i, false);
        act(AttemptAct::Kind::Formula, i, true);
        if (random.bounded(6) == 0)
            act(AttemptAct::Kind::Result, i, false);
        act(AttemptAct::Kind::Result, i, true);
    }
    record.finished = reached == record.steps;
    record.ended = at.addSecs(3);
    return record;
}

void writeClass(const QString &folder, int pupils, int problems, int attempts)
{
    const QStringList names = {"Anna", "Bruno", "Carla", "Davide", "Elisa", "Federico"};
    const QStringList shapes = {"Rettangolo", "Rombo", "Trapezio", "Triangolo", "Cerchio"};
    QRandomGenerator random(19);
    const QDateTime first = QDateTime(QDate(2026, 9, 15), QTime(9, 0));
    for (int p = 0; p < pupils; ++p) {
        for (int q = 0; q < problems; ++q) {
            for (int a = 0; a < attempts; ++a) {
                const QString pupil =
                    p < names.size() ? names.at(p) : QStringLiteral("Alunno %1").arg(p + 1);
                const QString problem =
                    (q < shapes.size() ? shapes.at(q) : QStringLiteral("Problema %1").arg(q + 1)) +
                    QStringLiteral(".znv");
                const QDateTime start = first.addDays(q * 3 + a).addSecs(p * 300);
                AttemptFile::write(folder, attempt(pupil, problem, start, random));
            }
        }
    }
}

QTemporaryDir &yearFolder()
{
    static QTemporaryDir dir;
    static const bool written = (writeClass(dir.path(), 25, 40, 10), true);
    (void)written;
    return dir;
}

void BM_ReadIntoClassTable(benchmark::State &state)
{
    const QString folder = yearFolder().path();
    for (auto _ : state) {
        ClassTable table;
        table.setRecords(readFolder(folder));
        benchmark::DoNotOptimize(table.rowCount());
    }
}

void BM_ReadBytesBareLoop(benchmark::State &state)
{
    const QString folder = yearFolder().path();
    for (auto _ : state) {
        const QDir dir(folder);
        qint64 total = 0;
        for (const QString &name :
             dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                total += file.readAll().size();
        }
        benchmark::DoNotOptimize(total);
    }
}

} // namespace

BENCHMARK(BM_ReadBytesBareLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadIntoClassTable)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--write-class") == 0) {
        const QString folder = QString::fromLocal8Bit(argv[2]);
        writeClass(folder, 6, 3, 1);
        writeClass(folder, 2, 1, 1); // Anna and Bruno try "Rettangolo" again
        QFile foreign(QDir(folder).filePath(QStringLiteral("appunti.json")));
        if (foreign.open(QIODevice::WriteOnly))
            foreign.write("{\"lista\": [1, 2");
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
