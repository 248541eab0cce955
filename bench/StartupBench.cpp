// Time from starting the program to the diary drawn, on the default database with a year of
// diary, against an empty Qt window program started the same way.
#include "BenchHomes.h"

#include <QProcess>

#include <algorithm>

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

// The memory of the program with the default database and a year of diary, once the diary is
// drawn: the resident set then and its peak so far, as the program reads them from /proc.
void BM_MemoryOnTheDiary(benchmark::State& state)
{
    FullHome& home = Full();
    home.store.reset();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VELLAMO_HOME"), home.dir.path());
    env.insert(QStringLiteral("VELLAMO_NOW"), QStringLiteral("2026-12-09T20:00"));
    env.insert(QStringLiteral("VELLAMO_QUIT_AFTER_START"), QStringLiteral("1"));
    double rss = 0;
    double peak = 0;
    for (auto _ : state) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VELLAMO_BIN), {});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            state.SkipWithError("the program did not start and end");
            break;
        }
        // "VmRSS: 41234 kB"
        for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.simplified().split(' ');
            if (words.size() >= 2 && words[0] == "VmRSS:")
                rss = std::max(rss, words[1].toDouble() / 1024);
            else if (words.size() >= 2 && words[0] == "VmHWM:")
                peak = std::max(peak, words[1].toDouble() / 1024);
        }
    }
    home.store = RecordStore::Open(home.folders.StorePath(), nullptr, nullptr);
    state.counters["resident_MB"] = rss;
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_MemoryOnTheDiary)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
