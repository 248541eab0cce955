// Reports and the export over a year with 20 entries a day.
#include "BenchHomes.h"
#include "ReportCalculator.h"
#include "ReportExport.h"

#include <benchmark/benchmark.h>

namespace {

struct YearOfDiary : Home
{
    FixedClock clock{LocalDateTime{2026, 12, 9, 20, 0, 0, 0}};
    std::unique_ptr<CFoodDBDoc> doc;

    YearOfDiary()
    {
        NutrientImport(*store, nullptr, nullptr).ImportDefaultDatabase(folders);
        doc = std::make_unique<CFoodDBDoc>(*store, clock);
        RecordStore::Batch batch(*store);
        doc->NewProfile();
        for (int d = 365; d > 0; --d) {
            doc->SetCurrentDate(AddDays(clock.Today(), -d));
            doc->OpenDay();
            for (int m = 0; m < 18; ++m)
                doc->AddMealEntry(static_cast<quint32>(1001 + (d * 7 + m) % 400), 120, 1, QString(),
                                  clock.NowFileTime());
            doc->AddExerciseEntry(static_cast<quint32>(d % 68), 30, clock.NowFileTime());
            doc->AddExerciseEntry(static_cast<quint32>((d + 1) % 68), 20, clock.NowFileTime());
            doc->ComputeDay(doc->Day().id);
            doc->SaveDay(80 - d * 0.01, {});
        }
        doc->SetCurrentDate(clock.Today());
        doc->OpenDay();
        doc->ComputeDay(doc->Day().id);
    }
};

YearOfDiary& Year()
{
    static YearOfDiary year;
    return year;
}

void BM_Report365Days(benchmark::State& state)
{
    YearOfDiary& y = Year();
    const auto period = ReportCalculator::MakePeriod(AddDays(y.clock.Today(), -365),
                                                     AddDays(y.clock.Today(), -1), y.clock.Today());
    for (auto _ : state)
        benchmark::DoNotOptimize(ReportCalculator(*y.doc).Rows(period, ReportCalculator::Type::DailyAverage));
}
BENCHMARK(BM_Report365Days)->Unit(benchmark::kMillisecond);

void BM_Export365Days(benchmark::State& state)
{
    YearOfDiary& y = Year();
    const QString path = y.dir.filePath(QStringLiteral("report.csv"));
    for (auto _ : state) {
        if (!ReportExport::ExportReport(*y.doc, AddDays(y.clock.Today(), -365), AddDays(y.clock.Today(), -1),
                                        path, nullptr))
            state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_Export365Days)->Unit(benchmark::kMillisecond);

} // namespace
