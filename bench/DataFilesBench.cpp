// Data file figures on the default nutrient database: its import against sqlite3's own CSV
// import of the same file, and backup and restore of it with a year of diary.
#include "AppEnvironment.h"
#include "BackupRestore.h"
#include "CFoodDBDoc.h"
#include "DateRules.h"
#include "NutrientImport.h"

#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Home
{
    QTemporaryDir dir;
    DataFolders folders = DataFolders::ForHome(dir.path());
    std::unique_ptr<RecordStore> store;

    Home()
    {
        folders.EnsureExists(nullptr);
        AppEnvironment::InstallDefaultDatabase(folders, nullptr);
        store = RecordStore::Open(folders.StorePath(), nullptr, nullptr);
    }
};

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

// The default database and a year of diary: a day record and five entries a day.
struct FullHome : Home
{
    FixedClock clock{LocalDateTime{2026, 12, 9, 20, 0, 0, 0}};

    FullHome()
    {
        NutrientImport(*store, nullptr, nullptr).ImportDefaultDatabase(folders);
        CFoodDBDoc doc(*store, clock);
        RecordStore::Batch batch(*store);
        doc.NewProfile();
        for (int d = 365; d > 0; --d) {
            doc.SetCurrentDate(AddDays(clock.Today(), -d));
            doc.OpenDay();
            for (int m = 0; m < 4; ++m)
                doc.AddMealEntry(static_cast<quint32>(1001 + (d * 7 + m) % 50), 150, 1, QString(),
                                 clock.NowFileTime());
            doc.AddExerciseEntry(static_cast<quint32>(d % 68), 30, clock.NowFileTime());
            doc.ComputeDay(doc.Day().id);
            doc.SaveDay(80 - d * 0.01, {});
        }
    }
};

FullHome& Full()
{
    static FullHome home;
    return home;
}

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
