#include "analysis/WeightTracker.h"
#include "ReportFixture.h"
#include "analysis/CChartCtrl.h"

namespace {

class WeightTrackerTest : public ReportFixture
{
protected:
    void Plan(double start, double target, double weeklyLoss, FileTime startDate)
    {
        ProfileRecord& p = m_doc->Profile();
        p.startWeight = start;
        p.targetWeight = target;
        p.weeklyLoss = weeklyLoss;
        p.startDate = startDate;
        m_doc->SaveProfile();
    }

    const FileTime m_start = AddDays(kToday, -20);
};

} // namespace

TEST_F(WeightTrackerTest, APlanWithoutARecordOnItsStartDate)
{
    Plan(90, 80, 1, m_start);
    AddDay(AddDays(m_start, 5), 2000, 50, {}, 89); // later weights alone make no actual line
    WeightTracker tracker(*m_doc);
    CChartCtrl chart;
    chart.Create(0, 0, 240, 176);
    tracker.Build(chart);
    EXPECT_EQ(Points(tracker.Planned()), (QStringList{"0:90", "7:89", "14:88", "21:87", "28:86", "35:85",
                                                      "42:84", "49:83", "56:82", "63:81", "70:80"}));
    EXPECT_EQ(tracker.Actual().Count(), 0);
    EXPECT_EQ(Points(tracker.Estimated()).first(), QStringLiteral("0:90"));
    EXPECT_EQ(Points(tracker.Estimated()).last(), QStringLiteral("70:80"));
    EXPECT_EQ(chart.ScrollMax(), 77);
    EXPECT_EQ(chart.ScrollStep(), 7);
    EXPECT_EQ(chart.VisibleDays(), 60);
    EXPECT_EQ(chart.SeriesCount(), 3);
}

TEST_F(WeightTrackerTest, WeightsFromTheStartDateOn)
{
    Plan(90, 80, 1, m_start);
    AddDay(m_start, 2000, 50, {}, 0.1); // 0.2 kg or less is no weight
    {
        WeightTracker tracker(*m_doc);
        CChartCtrl chart;
        tracker.Build(chart);
        EXPECT_EQ(Points(tracker.Actual()), QStringList{QStringLiteral("0:90")});
        EXPECT_EQ(Points(tracker.Estimated()).first(), QStringLiteral("0:90"));
    }
    AddDay(AddDays(m_start, 10), 2000, 50, {}, 88.4);
    WeightTracker tracker(*m_doc);
    CChartCtrl chart;
    chart.Create(0, 0, 240, 176);
    tracker.Build(chart);
    EXPECT_EQ(Points(tracker.Actual()), (QStringList{"0:90", "10:88.4"}));
    // From day 10 at 88.4 kg, 58 more days at 1 kg a week.
    const QStringList estimated = Points(tracker.Estimated());
    EXPECT_EQ(estimated.first(), QStringLiteral("10:88.4"));
    EXPECT_EQ(estimated.size(), 9);
    EXPECT_TRUE(estimated.last().startsWith(QStringLiteral("66:"))) << estimated.last().toStdString();
    // The weight axis from 80 to 91 in steps of 2.
    EXPECT_EQ(chart.ValueToY(80, false), 176 - 40);
    EXPECT_EQ(chart.ValueToY(91, false), 176 - 40 - 112);
}

TEST_F(WeightTrackerTest, AGainPlanRises)
{
    Plan(60, 66, -0.5, m_start);
    AddDay(m_start, 2000, 50, {}, 60);
    WeightTracker tracker(*m_doc);
    CChartCtrl chart;
    tracker.Build(chart);
    EXPECT_EQ(Points(tracker.Planned()).mid(0, 3), (QStringList{"0:60", "7:60.5", "14:61"}));
    EXPECT_EQ(Points(tracker.Planned()).last(), QStringLiteral("84:66"));
    EXPECT_EQ(Points(tracker.Estimated()).mid(1, 1), QStringList{QStringLiteral("7:60.5")});
}

TEST_F(WeightTrackerTest, FieldsAndTheEstimatedEndDate)
{
    Plan(90, 80, 1, m_start);
    AddDay(kToday, 2000, 50, {}, 85);
    WeightTracker tracker(*m_doc);
    WeightTracker::Fields f = tracker.CurrentFields();
    EXPECT_EQ(f.currentWeight, QStringLiteral("85"));
    EXPECT_EQ(f.targetWeight, QStringLiteral("80"));
    EXPECT_EQ(f.unit, QStringLiteral("kg"));
    EXPECT_EQ(f.endDate, DateText(AddDays(kToday, 35), false));
    // Already at the target: today.
    AddDay(kToday, 2000, 50, {}, 80);
    EXPECT_EQ(tracker.CurrentFields().endDate, DateText(kToday, false));
}

TEST_F(WeightTrackerTest, TheTrendOverTheChartFromTheStartDateAndItsEndDate)
{
    Plan(90, 80, 1, m_start);
    // Weights from before the start date: the trend starts with them.
    for (int d = -5; d <= 20; d += 5)
        AddDay(AddDays(m_start, d), 0, 0, {}, 90 - d * 0.1);
    WeightTracker tracker(*m_doc);
    CChartCtrl chart;
    chart.Create(0, 0, 240, 176);
    tracker.Build(chart);
    EXPECT_EQ(chart.SeriesCount(), 3) << "the legend's series stay the plan's three";
    EXPECT_EQ(chart.OverlayCount(), 1);
    const CChartSeries& trend = tracker.Trend();
    EXPECT_EQ(trend.Name(), QStringLiteral("Trend"));
    EXPECT_EQ(trend.PenStyle(), 1) << "dashed";
    ASSERT_EQ(trend.Count(), 21) << "every day from the start date to today";
    EXPECT_EQ(trend.X(0), 0);
    EXPECT_NEAR(trend.Y(0), 90.5 + 0.1 * (90 - 90.5), 1e-9);
    EXPECT_EQ(trend.X(20), 20);
    // Falling towards 80 kg: the trend's own end date; rising away from it: none.
    EXPECT_FALSE(tracker.CurrentFields().trendEndDate.isEmpty());
    AddDay(kToday, 0, 0, {}, 99);
    for (int d = 1; d < 14; ++d)
        AddDay(AddDays(kToday, -d), 0, 0, {}, 99);
    EXPECT_EQ(tracker.CurrentFields().trendEndDate, QString());
}
