// Data file figures on the default nutrient database: its import against sqlite3's own CSV
// import of the same file, and backup and restore of it with a year of diary.
#include "BackupRestore.h"
#include "BenchHomes.h"
#include "NutrientImport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

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

namespace {

// A backup set of about 100 MB (a profile, the default database and a long diary of meals),
// restored by vellamo-cli in a process of its own; the peak resident memory of that process is
// the figure.
void BM_RestoreLargeSetPeakMemory(benchmark::State& state)
{
    Home home;
    FixedClock clock{LocalDateTime{2026, 12, 9, 20, 0, 0, 0}};
    NutrientImport(*home.store, nullptr, nullptr).ImportDefaultDatabase(home.folders);
    {
        CFoodDBDoc doc(*home.store, clock);
        doc.NewProfile();
        doc.OpenDay();
        doc.AddMealEntry(1001, 150, 1, QStringLiteral("slice"), clock.NowFileTime());
    }
    const QString docs = home.folders.DocumentsDir();
    BackupRestore(*home.store, clock, docs, nullptr, nullptr).BackupAll();
    home.store.reset();
    // The one meal line as the pattern of a long diary: its id counts up.
    const QString mealPath = docs + QStringLiteral("/ZELMeal.bck");
    QFile meal(mealPath);
    meal.open(QIODevice::ReadOnly);
    const QByteArray line = meal.readAll();
    meal.close();
    const qsizetype idEnd = line.indexOf(',', QByteArrayLiteral("3,101,").size());
    const QByteArray rest = line.mid(idEnd);
    qint64 setBytes = 0;
    for (const char* f : {"ZELDiary.bck", "ZELFood.bck", "ZELMeasures.bck", "ZELProfile.bck",
                          "ZELSubfood.bck", "ZELTree.bck"})
        setBytes += QFileInfo(docs + QLatin1Char('/') + QLatin1String(f)).size();
    meal.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QByteArray block;
    for (quint32 id = 1; setBytes + meal.size() + block.size() < 100LL * 1000 * 1000; ++id) {
        block += "3,101," + QByteArray::number(id) + rest;
        if (block.size() > (1 << 20)) {
            meal.write(block);
            block.clear();
        }
    }
    meal.write(block);
    setBytes += meal.size();
    meal.close();

    long peakKb = 0;
    for (auto _ : state) {
        QByteArray homeVar = "VELLAMO_HOME=" + QFile::encodeName(home.dir.path());
        char* const envp[] = {homeVar.data(), nullptr};
        // VELLAMO_BENCH_CLI measures another build's vellamo-cli on the same set.
        QByteArray cli = qEnvironmentVariableIsSet("VELLAMO_BENCH_CLI") ? qgetenv("VELLAMO_BENCH_CLI")
                                                                        : QByteArray(VELLAMO_CLI_BIN);
        char verb[] = "restore";
        char* const argv[] = {cli.data(), verb, nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, cli.constData(), nullptr, nullptr, argv, envp) != 0) {
            state.SkipWithError("vellamo-cli could not start");
            break;
        }
        int status = 0;
        struct rusage usage = {};
        wait4(pid, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("restore failed");
        peakKb = std::max(peakKb, usage.ru_maxrss);
    }
    state.counters["set_MB"] = static_cast<double>(setBytes) / 1e6;
    state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024.0;
}
BENCHMARK(BM_RestoreLargeSetPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
