#include "analysis/CChartCtrl.h"
#include "analysis/CChartSeries.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

const IDrawSurface::Color kRed{255, 0, 0};
const IDrawSurface::Color kBlue{0, 0, 255};

// A 240 x 200 chart: values 0..100 by 20, days 0..21 by 3, a week visible from day 0.
CChartCtrl Chart()
{
    CChartCtrl c;
    c.Create(0, 0, 240, 200);
    c.SetLeftAxis(QStringLiteral("kg"), 0, 100, 20);
    c.SetDayAxis(QStringLiteral("Day"), 0, 21, 3, 0, 7);
    return c;
}

int IndexOf(const QStringList& calls, const QString& call)
{
    return static_cast<int>(calls.indexOf(call));
}

} // namespace

TEST(Chart, LimitsOfPointsAndSeries)
{
    CChartSeries s;
    s.SetSeries(QStringLiteral("Weight"), 0, 1, kRed, true, CChartSeries::kLine);
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE(s.AddPoint(i, i));
    EXPECT_FALSE(s.AddPoint(256, 256));
    EXPECT_EQ(s.Count(), 256);
    s.SetReference(50);
    s.SetSeries(QStringLiteral("Again"), 0, 1, kRed, true, CChartSeries::kLine);
    EXPECT_EQ(s.Count(), 0);
    EXPECT_FALSE(s.HasReference());

    CChartCtrl c = Chart();
    for (int i = 0; i < 16; ++i)
        ASSERT_TRUE(c.AddSeries(&s));
    EXPECT_FALSE(c.AddSeries(&s));
}

TEST(Chart, GeometryAxesAndClipping)
{
    CChartCtrl c = Chart();
    EXPECT_EQ(c.DayToX(2), 28 + 2 * (204 / 7));
    EXPECT_EQ(c.ValueToY(50, false), 160 - 68);
    CChartSeries s;
    s.SetSeries(QStringLiteral("Weight"), 0, 1, kRed, true, CChartSeries::kLine);
    s.AddPoint(1, 40);
    s.AddPoint(2, 60);
    s.AddPoint(30, 60); // far beyond the window: cut by the clip
    s.SetReference(80);
    c.AddSeries(&s);
    RecordingSurface r;
    c.Draw(r);
    const QStringList& calls = r.Calls();
    EXPECT_EQ(calls[0], QStringLiteral("rect 0,0 240x200"));
    EXPECT_EQ(calls[1], QStringLiteral("rect 28,24 204x136"));
    EXPECT_GE(IndexOf(calls, QStringLiteral("line 28,160 28,24")), 0);   // left axis
    EXPECT_GE(IndexOf(calls, QStringLiteral("line 31,133 232,133")), 0); // grid at 20
    EXPECT_GE(IndexOf(calls, QStringLiteral("textbox 4,152 28,176 h11 left 0")), 0);
    EXPECT_GE(IndexOf(calls, QStringLiteral("line 28,160 232,160")), 0); // day axis
    EXPECT_GE(IndexOf(calls, QStringLiteral("textbox 111,164 143,200 h11 left 3")), 0);
    EXPECT_GE(IndexOf(calls, QStringLiteral("textbox 198,164 230,200 h11 left 6")), 0);
    const int clip = IndexOf(calls, QStringLiteral("clip 31,2 197x158"));
    ASSERT_GE(clip, 0);
    const int segment = IndexOf(calls, QStringLiteral("line 57,106 86,79"));
    EXPECT_GT(segment, clip);
    EXPECT_GE(IndexOf(calls, QStringLiteral("rect 56,105 3x3")), 0); // marker
    EXPECT_GE(IndexOf(calls, QStringLiteral("pen 255,0,0 1 dash")), 0);
    EXPECT_GE(IndexOf(calls, QStringLiteral("line 28,52 228,52")), 0); // reference at 80
    EXPECT_EQ(calls.last(), QStringLiteral("noclip"));
}

TEST(Chart, PairedBarsWithARightAxisAndPaintingOrder)
{
    CChartCtrl c = Chart();
    c.SetRightAxis(QStringLiteral("kcal"), 0, 3000, 500);
    CChartSeries first;
    first.SetSeries(QStringLiteral("Protein"), 0, 1, kRed, false, CChartSeries::kBars);
    first.AddPoint(1, 50);
    CChartSeries second;
    second.SetSeries(QStringLiteral("Energy"), 0, 1, kBlue, false, CChartSeries::kBars);
    second.AddPoint(1, 1500);
    c.AddSeries(&first);
    c.AddSeries(&second);
    RecordingSurface r;
    c.Draw(r);
    // Slot 184 / 14 = 13, half 6; day 1 at x 28 + 26 = 54.
    const int a = IndexOf(r.Calls(), QStringLiteral("rect 47,92 12x68"));
    const int b = IndexOf(r.Calls(), QStringLiteral("rect 60,92 12x68"));
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    EXPECT_LT(b, a); // bars last: the series are painted from the last to the first

    // A line first and bars last: the bars are painted first, the line over them.
    CChartCtrl d = Chart();
    CChartSeries line;
    line.SetSeries(QStringLiteral("Weight"), 0, 1, kRed, false, CChartSeries::kLine);
    line.AddPoint(0, 10);
    line.AddPoint(1, 20);
    CChartSeries bars;
    bars.SetSeries(QStringLiteral("Energy"), 0, 1, kBlue, false, CChartSeries::kBars);
    bars.AddPoint(1, 50);
    d.AddSeries(&line);
    d.AddSeries(&bars);
    RecordingSurface r2;
    d.Draw(r2);
    // Single bars: slot (240 - 36) / 7 = 29, half 14: from x - 12 to x + 13.
    const int bar = IndexOf(r2.Calls(), QStringLiteral("rect 45,92 25x68"));
    const int segment = IndexOf(r2.Calls(), QStringLiteral("line 28,147 57,133"));
    ASSERT_GE(bar, 0);
    ASSERT_GE(segment, 0);
    EXPECT_LT(bar, segment);
}

TEST(Chart, ATwoPointSmoothedSeriesIsAStraightSegment)
{
    CChartCtrl c = Chart();
    CChartSeries s;
    s.SetSeries(QString(), 0, 1, kRed, false, CChartSeries::kSmoothed);
    s.AddPoint(0, 0);   // (28, 160)
    s.AddPoint(6, 100); // (202, 24)
    c.AddSeries(&s);
    RecordingSurface r;
    c.Draw(r);
    // The curve is what is drawn inside the clip.
    const QStringList& calls = r.Calls();
    const int from = IndexOf(calls, QStringLiteral("clip 31,2 197x158"));
    ASSERT_GE(from, 0);
    int segments = 0;
    QString last;
    for (int i = from + 1; i < calls.size() && calls[i].startsWith(QStringLiteral("line ")) |
                                                   calls[i].startsWith(QStringLiteral("pen"));
         ++i) {
        if (!calls[i].startsWith(QStringLiteral("line ")))
            continue;
        const QString end = calls[i].section(QLatin1Char(' '), 2, 2);
        const int x = end.section(QLatin1Char(','), 0, 0).toInt();
        const int y = end.section(QLatin1Char(','), 1, 1).toInt();
        // Every evaluated point lies on the segment from (28, 160) to (202, 24), but for truncating
        // both of its coordinates.
        EXPECT_NEAR(y, 160 - (x - 28) * 136.0 / 174.0, 2.0) << calls[i].toStdString();
        ++segments;
        last = end;
    }
    EXPECT_EQ(segments, 65);
    EXPECT_EQ(last, QStringLiteral("202,24"));
}

TEST(Chart, ScrollCodes)
{
    CChartCtrl c = Chart();
    c.SetDayAxis(QStringLiteral("Day"), 0, 21, 3, 6, 7);
    EXPECT_EQ(c.ScrollPosition(), 6);
    const std::tuple<int, int, int> steps[] = {
        {CChartCtrl::kLineLeft, 0, 3},    {CChartCtrl::kLineLeft, 0, 0},     {CChartCtrl::kLineLeft, 0, 0},
        {CChartCtrl::kThumbTrack, 10, 0}, {CChartCtrl::kThumbTrack, 9, 9},   {CChartCtrl::kPageRight, 0, 9},
        {CChartCtrl::kLineRight, 0, 12},  {CChartCtrl::kThumbTrack, 21, 21}, {CChartCtrl::kLineRight, 0, 21},
    };
    for (const auto& [code, position, first] : steps) {
        c.Scroll(code, position);
        EXPECT_EQ(c.FirstVisibleDay(), first) << code << " " << position;
        EXPECT_EQ(c.ScrollPosition(), first);
    }
}

TEST(Chart, DegenerateChartsDrawWithoutFailing)
{
    CChartCtrl c;
    c.Create(0, 0, 240, 200);
    c.SetLeftAxis(QString(), 0, 0, 0);
    c.SetDayAxis(QString(), 0, 0, 0, 0, 0);
    CChartSeries one;
    one.SetSeries(QStringLiteral("One"), 0, 1, kRed, true, CChartSeries::kSmoothed);
    one.AddPoint(0, 0);
    c.AddSeries(&one);
    RecordingSurface r;
    c.Draw(r);
    EXPECT_EQ(r.Calls().last(), QStringLiteral("noclip"));
}

TEST(Chart, AnOverlayIsDrawnLastWithItsNameAtTheTopRight)
{
    CChartSeries line;
    line.SetSeries(QStringLiteral("Weight"), 0, 1, kRed, false, CChartSeries::kLine);
    line.AddPoint(0, 20);
    line.AddPoint(3, 40);
    CChartSeries trend;
    trend.SetSeries(QStringLiteral("Trend"), 1, 2, kBlue, false, CChartSeries::kLine);
    trend.AddPoint(0, 30);
    trend.AddPoint(3, 35);
    CChartCtrl c = Chart();
    c.AddSeries(&line);
    c.AddOverlay(&trend);
    RecordingSurface s;
    c.Draw(s);
    const QStringList calls = s.Calls();
    // The legend's slots are the series' own: one slot, the whole width.
    EXPECT_GE(IndexOf(calls, QStringLiteral("textbox 22,180 200,200 h11 left Weight")), 0);
    // The trend's name: right-aligned at the top, its sample in its dashed pen.
    EXPECT_GE(IndexOf(calls, QStringLiteral("textbox 202,4 236,20 h11 left Trend")), 0);
    const int dashed = IndexOf(calls, QStringLiteral("pen 0,0,255 2 dash"));
    ASSERT_GE(dashed, 0);
    EXPECT_GT(dashed, IndexOf(calls, QStringLiteral("pen 255,0,0 1"))) << "drawn after the series";
    // With a right axis the top right is its title's: no overlay name.
    c.SetRightAxis(QStringLiteral("kcal"), 0, 10, 2);
    RecordingSurface r;
    c.Draw(r);
    EXPECT_TRUE(r.Matching(QStringLiteral("textbox")).filter(QStringLiteral("Trend")).isEmpty());
}
