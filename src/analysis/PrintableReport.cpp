#include "PrintableReport.h"

#include "analysis/CChartCtrl.h"
#include "analysis/CChartSeries.h"
#include "analysis/GraphBuilder.h"
#include "analysis/NutrientSources.h"
#include "analysis/WeightTrend.h"
#include "diary/CFoodDBDoc.h"
#include "diary/DiaryScreen.h"
#include "platform/IPages.h"
#include "profile/DateRules.h"
#include "profile/NumberFormat.h"
#include "storage/CDiaryTable.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr IDrawSurface::Color kBlack{0, 0, 0};
constexpr IDrawSurface::Color kGrey{110, 110, 110};
constexpr IDrawSurface::Color kShade{232, 232, 248};
constexpr int kText = 10;
constexpr int kRow = 14;
constexpr int kTitle = 18;
constexpr int kHeading = 13;
constexpr int kChartHeight = 280;

struct Column
{
    QString title;
    int width;
    IDrawSurface::Align align;
};

// Writes down the pages: a running y, a new page when the next block does not fit.
class PageWriter
{
public:
    PageWriter(IPages& pages) : m_pages(pages) {}

    IDrawSurface& S() { return m_pages.Page(); }
    int Y() const { return m_y; }
    int Pages() const { return m_count; }
    void Skip(int h) { m_y += h; }
    void Room(int h)
    {
        if (m_y + h > IPages::kHeight - PrintableReport::kMargin)
            NewPage();
    }
    void NewPage()
    {
        m_pages.NewPage();
        ++m_count;
        m_y = PrintableReport::kMargin;
    }

    void Line(const QString& text, int height, IDrawSurface::Weight weight = IDrawSurface::Weight::Normal)
    {
        Room(height + 6);
        S().Text(PrintableReport::kMargin, m_y, text, height, weight, kBlack);
        m_y += height + 6;
    }

    void Table(const std::vector<Column>& columns, const std::vector<QStringList>& rows)
    {
        Header(columns);
        for (size_t r = 0; r < rows.size(); ++r) {
            if (m_y + kRow > IPages::kHeight - PrintableReport::kMargin) {
                NewPage();
                Header(columns);
            }
            if (r % 2 == 1)
                S().FillRect(PrintableReport::kMargin, m_y - 2, Width(columns), kRow, kShade);
            Cells(columns, rows[r], IDrawSurface::Weight::Normal);
        }
        m_y += 8;
    }

    void Cells(const std::vector<Column>& columns, const QStringList& cells, IDrawSurface::Weight weight)
    {
        int x = PrintableReport::kMargin;
        for (size_t c = 0; c < columns.size(); ++c) {
            const Column& col = columns[c];
            const QString text = Elided(
                c < static_cast<size_t>(cells.size()) ? cells[static_cast<int>(c)].trimmed() : QString(),
                col.width - 6);
            const int w = S().TextWidth(text, kText);
            const int tx = col.align == IDrawSurface::Align::Right ? x + col.width - 3 - w : x + 3;
            S().Text(tx, m_y, text, kText, weight, kBlack);
            x += col.width;
        }
        m_y += kRow;
    }

private:
    void Header(const std::vector<Column>& columns)
    {
        Room(2 * kRow);
        QStringList titles;
        for (const Column& c : columns)
            titles << c.title;
        Cells(columns, titles, IDrawSurface::Weight::Bold);
        S().SetPen(kGrey, 1);
        S().Line(PrintableReport::kMargin, m_y - 2, PrintableReport::kMargin + Width(columns), m_y - 2);
        m_y += 2;
    }

    static int Width(const std::vector<Column>& columns)
    {
        int w = 0;
        for (const Column& c : columns)
            w += c.width;
        return w;
    }

    // The text, or as much of it as fits followed by an ellipsis.
    QString Elided(const QString& text, int width)
    {
        if (S().TextWidth(text, kText) <= width)
            return text;
        QString t = text;
        while (!t.isEmpty() && S().TextWidth(t + QChar(0x2026), kText) > width)
            t.chop(1);
        return t.trimmed() + QChar(0x2026);
    }

    IPages& m_pages;
    int m_y = PrintableReport::kMargin;
    int m_count = 1;
};

constexpr int kInner = IPages::kWidth - 2 * PrintableReport::kMargin; // 499

QString PeriodText(const CFoodDBDoc& doc, const ReportCalculator::Period& period)
{
    const bool dmy = doc.Profile().Has(CProfileTable::kDayMonthYear);
    return DateText(period.from, dmy) + QStringLiteral(" to ") + DateText(period.to, dmy);
}

} // namespace

QString PrintableReport::DefaultFileName(const CFoodDBDoc& doc, const ReportCalculator::Period& period)
{
    return QStringLiteral("Vellamo report ") + PeriodText(doc, period) + QStringLiteral(".pdf");
}

int PrintableReport::Draw(const ReportCalculator::Period& period, IPages& pages)
{
    const ProfileRecord& profile = m_doc.Profile();
    const bool dmy = profile.Has(CProfileTable::kDayMonthYear);
    PageWriter w(pages);
    const auto right = IDrawSurface::Align::Right;
    const auto left = IDrawSurface::Align::Left;

    w.Line(QStringLiteral("Vellamo report"), kTitle, IDrawSurface::Weight::Bold);
    w.Line(QCoreApplication::translate("PrintableReport", "Profile: ") + profile.name, kHeading);
    w.Line(QCoreApplication::translate("PrintableReport", "Period: ") + PeriodText(m_doc, period) +
               QStringLiteral(" (%1 %2)").arg(period.days).arg(period.days == 1 ? "day" : "days"),
           kHeading);
    w.Skip(8);

    // The daily averages beside the requirements, as the Reports screen shows them.
    w.Line(ReportCalculator::TypeNames().at(0), kHeading, IDrawSurface::Weight::Bold);
    {
        const auto type = ReportCalculator::Type::DailyAverage;
        const QStringList titles = ReportCalculator::Columns(type);
        std::vector<Column> columns{{titles[0], 179, left}};
        for (int c = 1; c < titles.size(); ++c)
            columns.push_back({titles[c], 80, right});
        std::vector<QStringList> rows;
        for (const ReportCalculator::Row& row : ReportCalculator(m_doc).Rows(period, type))
            rows.push_back(QStringList{row.text.trimmed()} + row.cells);
        w.Table(columns, rows);
    }

    // Where the energy came from.
    w.Line(NutrientSources::ReportName(Nutrient::Energy), kHeading, IDrawSurface::Weight::Bold);
    {
        const QStringList titles = NutrientSources::Columns(Nutrient::Energy);
        const std::vector<Column> columns{
            {titles[0], 319, left}, {titles[1], 60, right}, {titles[2], 60, right}, {titles[3], 60, right}};
        std::vector<QStringList> rows;
        for (const NutrientSources::Source& s :
             NutrientSources(m_doc.Diary().Store(), m_doc.TheClock())
                 .Compute(profile.id, period.from, period.days, Nutrient::Energy)
                 .rows)
            rows.push_back(NutrientSources::Cells(s));
        w.Table(columns, rows);
    }

    // The weight of the period and its trend on one axis, every day in view.
    w.Room(kHeading + 6 + kChartHeight);
    w.Line(QCoreApplication::translate("PrintableReport", "Weight"), kHeading, IDrawSurface::Weight::Bold);
    {
        CChartCtrl chart;
        chart.Create(kMargin, w.Y(), kInner, kChartHeight);
        chart.SetColours({255, 255, 255}, {236, 236, 250}, kBlack);
        GraphBuilder graph(m_doc);
        graph.Build(chart, period.from, period.to, {1, 0}, {GraphBuilder::kLine, GraphBuilder::kLine});
        CChartSeries trend;
        trend.SetSeries(QCoreApplication::translate("PrintableReport", "Trend"), 1, 2, {0, 110, 0}, false,
                        CChartSeries::kLine);
        for (const auto& [day, kg] : WeightTrend::InPeriod(
                 WeightTrend(m_doc.Diary().Store(), m_doc.TheClock()).Compute(profile.id, period.to),
                 period.from, period.days))
            trend.AddPoint(day, m_doc.Profiles().WeightForDisplay(kg));
        if (graph.Series(0).Count() == 0 && trend.Count() == 0) {
            w.Line(QCoreApplication::translate("PrintableReport",
                                               "No weight was entered up to the end of the period."),
                   kText);
        } else {
            chart.AddOverlay(&trend);
            const int n = period.days;
            chart.SetDayAxis(QCoreApplication::translate("PrintableReport", "Days"), 0, n,
                             std::max(1, (n + 14) / 15), 0, n + 1);
            chart.Draw(w.S());
            w.Skip(kChartHeight + 8);
        }
    }

    // A page for each day with entries.
    CDiaryTable days(m_doc.Diary().Store(), m_doc.TheClock());
    const std::vector<Column> columns{
        {QCoreApplication::translate("PrintableReport", "Time"), 40, left},
        {QCoreApplication::translate("PrintableReport", "Meal/Exercise"), 175, left},
        {QCoreApplication::translate("PrintableReport", "Amount"), 104, left},
        {QCoreApplication::translate("PrintableReport", "kcal"), 45, right},
        {QCoreApplication::translate("PrintableReport", "Protein"), 45, right},
        {QStringLiteral("Fat"), 45, right},
        {QCoreApplication::translate("PrintableReport", "Carb"), 45, right}};
    FileTime date = period.from;
    for (int i = 0; i < period.days; ++i, date = AddDays(date, 1)) {
        if (!days.FindDay(date, profile.id))
            continue;
        const DayRecord day = days.Buffer();
        std::vector<DiaryScreen::Row> entries = DiaryScreen::Rows(m_doc, day.id);
        // The companion's row tells the displayed day's figure: here the day's own is in its totals.
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [](const DiaryScreen::Row& r) { return r.entryId == 0; }),
                      entries.end());
        if (entries.empty())
            continue;
        std::stable_sort(
            entries.begin(), entries.end(),
            [](const DiaryScreen::Row& a, const DiaryScreen::Row& b) { return a.cells[0] < b.cells[0]; });
        w.NewPage();
        w.Line(DateText(date, dmy), kHeading, IDrawSurface::Weight::Bold);
        std::vector<QStringList> rows;
        for (const DiaryScreen::Row& r : entries)
            rows.push_back(
                {r.cells[0], r.cells[1], r.cells[3], r.cells[2], r.cells[5], r.cells[6], r.cells[10]});
        w.Table(columns, rows);
        const NutrientValues& v = day.values;
        const auto figure = [](double x) { return FormatFixed(x, 0, 1); };
        w.Cells(columns,
                {QString(), QCoreApplication::translate("PrintableReport", "Total of the day"), QString(),
                 figure(v[Nutrient::Energy]), figure(v[Nutrient::Protein]), figure(v[Nutrient::Fat]),
                 figure(v[Nutrient::Carbohydrate])},
                IDrawSurface::Weight::Bold);
        if (day.exercise > 0)
            w.Cells(columns,
                    {QString(), QCoreApplication::translate("PrintableReport", "Expenditure"), QString(),
                     figure(-day.exercise)},
                    IDrawSurface::Weight::Normal);
    }
    return w.Pages();
}
