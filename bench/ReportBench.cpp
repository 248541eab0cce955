// Reports and the export over a year with 20 entries a day.
#include "BenchHomes.h"
#include "analysis/NutrientSources.h"
#include "analysis/PrintableReport.h"
#include "analysis/ReportCalculator.h"
#include "analysis/ReportExport.h"
#include "analysis/WeightTrend.h"
#include "platform/ui/PdfPages.h"

#include <QFileInfo>
#include <QGuiApplication>

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

void BM_SourcesOfEnergy365Days(benchmark::State& state)
{
    YearOfDiary& y = Year();
    const FileTime from = AddDays(y.clock.Today(), -365);
    size_t rows = 0;
    for (auto _ : state) {
        const auto r =
            NutrientSources(*y.store, y.clock).Compute(y.doc->Profile().id, from, 365, Nutrient::Energy);
        rows = r.rows.size();
        benchmark::DoNotOptimize(r.total);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_SourcesOfEnergy365Days)->Unit(benchmark::kMillisecond);

void BM_WeightTrend365Days(benchmark::State& state)
{
    YearOfDiary& y = Year();
    size_t days = 0;
    for (auto _ : state) {
        const auto trend = WeightTrend(*y.store, y.clock).Compute(y.doc->Profile().id, y.clock.Today());
        days = trend.size();
        benchmark::DoNotOptimize(trend.data());
    }
    state.counters["days"] = static_cast<double>(days);
}
BENCHMARK(BM_WeightTrend365Days)->Unit(benchmark::kMicrosecond);

// The PDF of the last 31 days, written to a file: the first page and a page a day.
void BM_ReportPdf31Days(benchmark::State& state)
{
    // Text needs a font database: a GUI application on no screen.
    static int argc = 1;
    static char name[] = "vellamo_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    YearOfDiary& y = Year();
    const auto period = ReportCalculator::MakePeriod(AddDays(y.clock.Today(), -31),
                                                     AddDays(y.clock.Today(), -1), y.clock.Today());
    const QString path = y.dir.filePath(QStringLiteral("report.pdf"));
    int pages = 0;
    for (auto _ : state) {
        PdfPages pdf(path, QStringLiteral("bench"));
        pages = PrintableReport(*y.doc).Draw(period, pdf);
        if (!pdf.Finish())
            state.SkipWithError("the PDF was not written");
    }
    state.counters["pages"] = pages;
    state.counters["KiB"] = static_cast<double>(QFileInfo(path).size()) / 1024;
}
BENCHMARK(BM_ReportPdf31Days)->Unit(benchmark::kMillisecond);

} // namespace
