// The nutrient database browser on the default database: the largest folder's list with the
// filter on, and one search step that runs from Root to the last food.
#include "BenchHomes.h"
#include "fooddb/FoodFinder.h"
#include "fooddb/FoodList.h"
#include "fooddb/FoodSearch.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include <map>

namespace {

struct Browser : Home
{
    FixedClock clock{LocalDateTime{2026, 12, 9, 20, 0, 0, 0}};
    std::unique_ptr<CFoodDBDoc> doc;
    quint32 largestFolder = 0;
    size_t largestCount = 0;
    FoodListRow lastFood;

    Browser()
    {
        NutrientImport(*store, nullptr, nullptr).ImportDefaultDatabase(folders);
        doc = std::make_unique<CFoodDBDoc>(*store, clock);
        doc->NewProfile();

        doc->SetCurrentDate(clock.Today());
        doc->OpenDay();
        doc->ComputeDay(doc->Day().id);

        std::map<quint32, size_t> counts;
        CFoodTable foods(*store);
        for (RecordOid o = foods.First(); o; o = foods.Next())
            if (foods.Load())
                ++counts[foods.Buffer().folderId];
        for (const auto& [folder, count] : counts)
            if (count > largestCount) {
                largestFolder = folder;
                largestCount = count;
            }
        // The last food in the search's order: the last row of the last folder holding foods.
        FoodTree tree(*store);
        FoodList list(*store);
        for (quint32 f : tree.DepthFirst()) {
            const std::vector<FoodListRow> rows = list.Rows(f);
            if (!rows.empty())
                lastFood = rows.back();
        }
    }

    bool Fits(const FoodRecord& food) { return doc->FoodFitsFilters(food); }
};

Browser& TheBrowser()
{
    static Browser browser;
    return browser;
}

// The argument is the profile's filter mask: every check, or the energy check alone.
void BM_FoodListLargestFolderFiltered(benchmark::State& state)
{
    Browser& b = TheBrowser();
    b.doc->Profile().filtersMask = static_cast<quint32>(state.range(0));
    FoodList list(*b.store);
    size_t shown = 0;
    for (auto _ : state) {
        const auto rows = list.Rows(b.largestFolder, [&b](const FoodRecord& f) { return b.Fits(f); });
        shown = rows.size();
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["foods"] = static_cast<double>(b.largestCount);
    state.counters["shown"] = static_cast<double>(shown);
}
BENCHMARK(BM_FoodListLargestFolderFiltered)->Arg(0x1FFFF)->Arg(0x3)->Unit(benchmark::kMillisecond);

void BM_SearchStepRootToLastFood(benchmark::State& state)
{
    Browser& b = TheBrowser();
    FoodList list(*b.store);
    const auto rowsOf = [&list](quint32 folder) { return list.Rows(folder); };
    for (auto _ : state) {
        FoodSearch search(*b.store, {b.lastFood.name, QString(), QString()}, rowsOf);
        const auto match = search.Next();
        if (!match || match->foodId != b.lastFood.id) {
            state.SkipWithError("the step did not end at the last food");
            return;
        }
    }
}
BENCHMARK(BM_SearchStepRootToLastFood)->Unit(benchmark::kMillisecond);

// One keystroke of the type-ahead: the ranked matches of what is typed so far, over the whole
// default database (the index is built once per dialog, outside the loop).
void BM_TypeAheadKeystroke(benchmark::State& state)
{
    Browser& b = TheBrowser();
    static const char* const typed[] = {"a", "ch", "chicken br"};
    const QString text = QString::fromLatin1(typed[state.range(0)]);
    const FoodFinder finder(*b.store);
    size_t found = 0;
    std::chrono::steady_clock::duration worst{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const auto matches = finder.Find(text, {});
        worst = std::max(worst, std::chrono::steady_clock::now() - start);
        found = matches.size();
        benchmark::DoNotOptimize(matches.data());
    }
    state.SetLabel(typed[state.range(0)]);
    state.counters["shown"] = static_cast<double>(found);
    // The slowest single keystroke of the run.
    state.counters["worst_ms"] = std::chrono::duration<double, std::milli>(worst).count();
}
BENCHMARK(BM_TypeAheadKeystroke)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Building the index when the dialog opens.
void BM_TypeAheadIndex(benchmark::State& state)
{
    Browser& b = TheBrowser();
    for (auto _ : state) {
        const FoodFinder finder(*b.store);
        benchmark::DoNotOptimize(&finder);
    }
}
BENCHMARK(BM_TypeAheadIndex)->Unit(benchmark::kMillisecond);

} // namespace
