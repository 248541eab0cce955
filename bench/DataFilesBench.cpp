// Data file figures on the default nutrient database: its import against sqlite3's own CSV
// import of the same file, and backup and restore of it with a year of diary.
#include "BackupRestore.h"
#include "BenchHomes.h"
#include "NutrientImport.h"

#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_ImportDefaultDatabase(benchmark::State& state)
{
    int foods = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Home home;
        NutrientImport import(*home.store, nullptr, nullptr);
        state.ResumeTiming();
        foods = import.ImportDefaultDatabase(home.folders).foods;
    }
    state.counters["foods"] = foods;
}
BENCHMARK(BM_ImportDefaultDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same file into a plain table by the sqlite3 shell, as the baseline of the import.
void BM_Sqlite3ShellImportBaseline(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Home home;
        const QString db = home.dir.filePath(QStringLiteral("plain.db"));
        state.ResumeTiming();
        QProcess p;
        p.start(
            QStringLiteral("sqlite3"),
            {db, QStringLiteral(".import --csv %1 foods").arg(home.folders.DefaultNutrientDatabasePath())});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            state.SkipWithError("sqlite3 failed");
    }
}
BENCHMARK(BM_Sqlite3ShellImportBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_BackupAll(benchmark::State& state)
{
    FullHome& home = Full();
    BackupRestore backup(*home.store, home.clock, home.folders.DocumentsDir(), nullptr, nullptr);
    for (auto _ : state) {
        if (!backup.BackupAll())
            state.SkipWithError("backup failed");
    }
}
BENCHMARK(BM_BackupAll)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RestoreAll(benchmark::State& state)
{
    FullHome& home = Full();
    BackupRestore backup(*home.store, home.clock, home.folders.DocumentsDir(), nullptr, nullptr);
    backup.BackupAll();
    for (auto _ : state) {
        if (!backup.RestoreAll())
            state.SkipWithError("restore failed");
    }
}
BENCHMARK(BM_RestoreAll)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
