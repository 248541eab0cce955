// Record store figures: bulk writes, a full scan, look-ups by id and one day saved alone.
#include "platform/Clock.h"
#include "platform/RecordStore.h"
#include "storage/CDiaryTable.h"
#include "storage/CFoodTable.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kFoods = 10000;

struct BenchStore
{
    QTemporaryDir dir;
    std::unique_ptr<RecordStore> store;

    BenchStore() { store = RecordStore::Open(dir.filePath(QStringLiteral("Vellamo.db")), nullptr, nullptr); }
};

void FillFoods(CFoodTable& foods, RecordStore& store)
{
    RecordStore::Batch batch(store);
    for (int i = 0; i < kFoods; ++i) {
        foods.NewRecord(0);
        auto& r = foods.Buffer();
        r.name = QStringLiteral("Food number %1 with a name of ordinary length").arg(i);
        r.folderId = static_cast<quint32>(i % 40 + 1);
        for (int n = 0; n < kNutrientCount; ++n)
            r.values.amounts[n] = 1.5 * n + i % 17;
        r.referenceWeight = 100;
        foods.Save();
    }
}

void BM_WriteFoodsInOneBatch(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        BenchStore b;
        CFoodTable foods(*b.store);
        state.ResumeTiming();
        FillFoods(foods, *b.store);
    }
    state.counters["foods"] = kFoods;
}
BENCHMARK(BM_WriteFoodsInOneBatch)->Unit(benchmark::kMillisecond)->Iterations(3);

struct FilledStore
{
    BenchStore b;
    std::unique_ptr<CFoodTable> foods;
    FilledStore()
    {
        foods = std::make_unique<CFoodTable>(*b.store);
        FillFoods(*foods, *b.store);
    }
};

FilledStore& Filled()
{
    static FilledStore f;
    return f;
}

void BM_ScanFoods(benchmark::State& state)
{
    CFoodTable& foods = *Filled().foods;
    for (auto _ : state) {
        double energy = 0;
        int n = 0;
        for (RecordOid o = foods.First(); o; o = foods.Next()) {
            foods.Load();
            energy += foods.Buffer().values[Nutrient::Energy];
            ++n;
        }
        if (n != kFoods)
            state.SkipWithError("scan missed records");
        benchmark::DoNotOptimize(energy);
    }
}
BENCHMARK(BM_ScanFoods)->Unit(benchmark::kMillisecond);

void BM_FindIdRandom(benchmark::State& state)
{
    CFoodTable& foods = *Filled().foods;
    std::mt19937 rng(7);
    std::uniform_int_distribution<quint32> pick(1, kFoods);
    for (auto _ : state) {
        if (!foods.FindId(pick(rng)))
            state.SkipWithError("id not found");
    }
}
BENCHMARK(BM_FindIdRandom)->Unit(benchmark::kMicrosecond);

void BM_SaveOneDay(benchmark::State& state)
{
    BenchStore b;
    FixedClock clock(LocalDateTime{2026, 12, 9, 12, 0, 0, 0});
    CDiaryTable diary(*b.store, clock);
    const FileTime day = FileTime::FromDate(2026, 12, 9);
    diary.NewRecord();
    diary.Buffer().date = day;
    diary.Buffer().profileId = 1;
    double intake = 1000;
    for (auto _ : state) {
        diary.Buffer().values[Nutrient::Energy] = intake;
        intake += 1;
        if (!diary.Save())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveOneDay)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
