// Diary figures: one day's computation on a full food database, and the weight and
// requirement rules on three years of diary.
#include "diary/CFoodDBDoc.h"
#include "fooddb/FoodRecords.h"
#include "profile/DateRules.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFoods = 8000;
constexpr int kDiaryDays = 3 * 365;

struct DiaryFixture
{
    QTemporaryDir dir;
    std::unique_ptr<RecordStore> store;
    FixedClock clock{LocalDateTime{2026, 12, 9, 19, 30, 0, 0}};
    std::unique_ptr<CFoodDBDoc> doc;
    quint32 todayId = 0;

    DiaryFixture()
    {
        store = RecordStore::Open(dir.filePath(QStringLiteral("Vellamo.db")), nullptr, nullptr);
        doc = std::make_unique<CFoodDBDoc>(*store, clock);
        RecordStore::Batch batch(*store);
        doc->NewProfile();
        ProfileRecord& p = doc->Profile();
        p.startWeight = 90;
        p.height = 180;
        p.age = 35;
        p.gender = 1;
        p.startDate = AddDays(clock.Today(), -kDiaryDays);
        p.Set(CProfileTable::kCaloriesFromIntake, true);
        doc->SaveProfile();

        CFoodTable& foods = doc->Foods();
        for (int i = 1; i <= kFoods; ++i) {
            foods.NewRecord(static_cast<quint32>(i));
            foods.Buffer().name = QStringLiteral("Food %1").arg(i);
            foods.Buffer().folderId = static_cast<quint32>(i % 50 + 1);
            for (int n = 0; n < kNutrientCount; ++n)
                foods.Buffer().values.amounts[n] = (i % 13) + n;
            foods.Buffer().referenceWeight = 100;
            foods.Save();
        }
        // Ten recipes of ten components each.
        CSubFoodTable parts(*store);
        FoodRecords records(foods, parts);
        for (int r = 0; r < 10; ++r) {
            FoodData recipe;
            recipe.id = static_cast<quint32>(kFoods + 1 + r);
            recipe.name = QStringLiteral("Recipe %1").arg(r);
            for (int c = 0; c < 10; ++c)
                recipe.components.push_back(
                    {static_cast<quint32>(1 + r * 37 + c * 101), 50.0, 1.0, QString()});
            recipe.referenceWeight = 500;
            records.SaveFood(recipe);
        }

        // Three years of days: intake every day, a weight every fifth day.
        for (int d = kDiaryDays; d >= 0; --d) {
            doc->SetCurrentDate(AddDays(clock.Today(), -d));
            doc->OpenDay();
            DayRecord& day = const_cast<DayRecord&>(doc->Day());
            day.values[Nutrient::Energy] = 2200 + d % 300;
            day.weight = d % 5 == 1 ? 90 - (kDiaryDays - d) * 0.01 : 0;
            doc->Diary().Save();
        }
        // Today: 20 meals of plain foods, 10 of recipes.
        doc->SetCurrentDate(clock.Today());
        doc->OpenDay();
        todayId = doc->Day().id;
        for (int m = 0; m < 30; ++m) {
            const quint32 food =
                m < 10 ? static_cast<quint32>(kFoods + 1 + m) : static_cast<quint32>(m * 211);
            doc->AddMealEntry(food, 120, 1, QString(), clock.NowFileTime());
        }
    }
};

DiaryFixture& Fixture()
{
    static DiaryFixture f;
    return f;
}

void BM_ComputeDay(benchmark::State& state)
{
    DiaryFixture& f = Fixture();
    for (auto _ : state) {
        f.doc->ComputeDay(f.todayId);
        benchmark::DoNotOptimize(f.doc->DayTotals());
    }
    if (f.doc->DayTotals()[Nutrient::Energy] <= 0)
        state.SkipWithError("nothing summed");
}
BENCHMARK(BM_ComputeDay)->Unit(benchmark::kMicrosecond);

// The same right after a change to the data file, when every food is read again.
void BM_ComputeDayAfterAChange(benchmark::State& state)
{
    DiaryFixture& f = Fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.doc->SaveDay();
        state.ResumeTiming();
        f.doc->ComputeDay(f.todayId);
        benchmark::DoNotOptimize(f.doc->DayTotals());
    }
}
BENCHMARK(BM_ComputeDayAfterAChange)->Unit(benchmark::kMicrosecond);

void BM_RequiredCaloriesFromIntake(benchmark::State& state)
{
    DiaryFixture& f = Fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(f.doc->RequiredCaloriesOn(f.clock.Today()));
}
BENCHMARK(BM_RequiredCaloriesFromIntake)->Unit(benchmark::kMicrosecond);

void BM_WeightOnDay(benchmark::State& state)
{
    DiaryFixture& f = Fixture();
    // A day without its own weight: found from the neighbours.
    const FileTime day = AddDays(f.clock.Today(), -500);
    for (auto _ : state)
        benchmark::DoNotOptimize(f.doc->WeightOnDay(day));
}
BENCHMARK(BM_WeightOnDay)->Unit(benchmark::kMicrosecond);

} // namespace
