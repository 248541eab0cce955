// Data file figures on the default nutrient database: its import against sqlite3's own CSV
// import of the same file, and backup and restore of it with a year of diary.
#include "BenchHomes.h"
#include "app/BackupRestore.h"
#include "fooddb/NutrientImport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariant>

#include <sqlite3.h>

#include <array>

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

// What the import's rows alone cost the store: the records an import of the default database
// wrote (foods, servings, folders), written again by one prepared statement in one transaction
// into an empty store of the same layout, with no reading, parsing or look-ups.
void BM_ImportRowsFloor(benchmark::State& state)
{
    struct Row
    {
        qint64 db;
        std::array<QVariant, 4> keys;
        QByteArray props;
    };
    std::vector<Row> rows;
    {
        Home home;
        NutrientImport(*home.store, nullptr, nullptr).ImportDefaultDatabase(home.folders);
        home.store.reset();
        sqlite3* db = nullptr;
        sqlite3_stmt* st = nullptr;
        sqlite3_open(QFile::encodeName(home.folders.StorePath()).constData(), &db);
        sqlite3_prepare_v2(db, "SELECT db, k1, k2, k3, k4, props FROM records ORDER BY oid", -1, &st,
                           nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            Row r;
            r.db = sqlite3_column_int64(st, 0);
            for (int k = 0; k < 4; ++k) {
                switch (sqlite3_column_type(st, 1 + k)) {
                case SQLITE_INTEGER:
                    r.keys[k] = sqlite3_column_int64(st, 1 + k);
                    break;
                case SQLITE_TEXT:
                    r.keys[k] =
                        QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1 + k)));
                    break;
                default:
                    break;
                }
            }
            r.props =
                QByteArray(static_cast<const char*>(sqlite3_column_blob(st, 5)), sqlite3_column_bytes(st, 5));
            rows.push_back(r);
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
    }
    for (auto _ : state) {
        state.PauseTiming();
        Home home;
        home.store.reset();
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(home.folders.StorePath()).constData(), &db);
        sqlite3_exec(db, "PRAGMA synchronous=FULL; PRAGMA cache_size=-16384", nullptr, nullptr, nullptr);
        state.ResumeTiming();
        sqlite3_stmt* st = nullptr;
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db,
                           "INSERT INTO records(db, k1, k2, k3, k4, props) VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
                           -1, &st, nullptr);
        for (const Row& r : rows) {
            sqlite3_bind_int64(st, 1, r.db);
            for (int k = 0; k < 4; ++k) {
                const QVariant& v = r.keys[k];
                if (v.typeId() == QMetaType::LongLong)
                    sqlite3_bind_int64(st, 2 + k, v.toLongLong());
                else if (v.typeId() == QMetaType::QString)
                    sqlite3_bind_text(st, 2 + k, v.toString().toUtf8().constData(), -1, SQLITE_TRANSIENT);
                else
                    sqlite3_bind_null(st, 2 + k);
            }
            sqlite3_bind_blob(st, 6, r.props.constData(), static_cast<int>(r.props.size()), SQLITE_STATIC);
            if (sqlite3_step(st) != SQLITE_DONE)
                state.SkipWithError("insert failed");
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            state.SkipWithError("commit failed");
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_ImportRowsFloor)->Unit(benchmark::kMillisecond)->Iterations(3);

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
