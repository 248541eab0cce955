// Time from starting the program to the diary drawn, on the default database with a year of
// diary, against an empty Qt window program started the same way.
#include "BenchHomes.h"

#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

void Run(benchmark::State& state, const QString& program, const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VELLAMO_HOME"), home);
    env.insert(QStringLiteral("VELLAMO_NOW"), QStringLiteral("2026-12-09T20:00"));
    env.insert(QStringLiteral("VELLAMO_QUIT_AFTER_START"), QStringLiteral("1"));
    for (auto _ : state) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, {});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            state.SkipWithError("the program did not start and end");
            return;
        }
    }
}

void BM_StartToDiaryDrawn(benchmark::State& state)
{
    FullHome& home = Full();
    // Closed as at the end of a session, so the program opens the store as a user's start would.
    home.store.reset();
    Run(state, QStringLiteral(VELLAMO_BIN), home.dir.path());
    home.store = RecordStore::Open(home.folders.StorePath(), nullptr, nullptr);
}
BENCHMARK(BM_StartToDiaryDrawn)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_EmptyQtWindowBaseline(benchmark::State& state)
{
    FullHome& home = Full();
    Run(state, QStringLiteral(EMPTY_WINDOW_BIN), home.dir.path());
}
BENCHMARK(BM_EmptyQtWindowBaseline)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
