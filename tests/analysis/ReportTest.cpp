#include "ReportFixture.h"

namespace {

using ReportTest = ReportFixture;

QString Fixed(double v)
{
    return QString::asprintf("%6.1f", v);
}

} // namespace

TEST_F(ReportTest, AveragesCountEveryDayOfThePeriod)
{
    AddDay(AddDays(kToday, -5), 1400, 70);
    AddDay(AddDays(kToday, -2), 2100, 35);
    const auto rows = Report(AddDays(kToday, -7), AddDays(kToday, -1), ReportCalculator::Type::DailyAverage);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0].text, QStringLiteral("Calories (kcal)"));
    EXPECT_EQ(rows[0].cells, (QStringList{" 500.0", Fixed(m_doc->CalorieFigure()), "-", "-"}));
    // Protein is the only source of energy among the macronutrients here: all of it.
    EXPECT_EQ(rows[2].cells, (QStringList{"  15.0", "  50.0", " 100.0", "  10.0"}));
    EXPECT_EQ(rows[4].text, QStringLiteral("    Saturates  (g)"));
    EXPECT_EQ(rows[11].text, QStringLiteral("Fiber (g)"));
}

TEST_F(ReportTest, PeriodRules)
{
    // To before From: one day, From.
    const auto p = ReportCalculator::MakePeriod(kToday, AddDays(kToday, -3), kToday);
    EXPECT_EQ(p.to, kToday);
    EXPECT_EQ(p.days, 1);
    EXPECT_TRUE(p.todayOnly);
    EXPECT_FALSE(ReportCalculator::MakePeriod(AddDays(kToday, -1), AddDays(kToday, -1), kToday).todayOnly);
    EXPECT_EQ(ReportCalculator::MakePeriod(AddDays(kToday, -30), AddDays(kToday, -1), kToday).days, 30);
    EXPECT_EQ(ReportCalculator::ColumnWidths(ReportCalculator::Type::DailyAverage, 236),
              (std::vector<int>{94, 59, 59, 59, 59}));
    EXPECT_EQ(ReportCalculator::Columns(ReportCalculator::Type::ParameterAverage).size(), 3);
}

TEST_F(ReportTest, TodayOnlyScalesByTheShareDueAndTotalsByTheDays)
{
    // Real time at 14:30: breakfast, snack and lunch (50 %) are due.
    ProfileRecord& p = m_doc->Profile();
    p.Set(CProfileTable::kPlanning, false);
    p.mealOn = {1, 1, 1, 1, 1, 1};
    p.mealHour = {8, 10, 12, 18, 20, 22};
    p.mealShare = {20, 10, 20, 30, 10, 10};
    m_doc->SaveProfile();
    m_doc->SetCurrentDate(kToday);
    m_doc->OpenDay();
    m_doc->ComputeDay(m_doc->Day().id);
    ASSERT_EQ(m_doc->Fraction(), 0.5);
    AddDay(kToday, 1000, 40);
    AddDay(AddDays(kToday, -1), 1000, 40);

    auto rows = Report(kToday, kToday, ReportCalculator::Type::DailyAverage);
    EXPECT_EQ(rows[0].cells[1], Fixed(m_doc->CalorieFigure() * 0.5));
    EXPECT_EQ(rows[2].cells[1], QStringLiteral("  25.0"));
    EXPECT_EQ(rows[2].cells[3], QStringLiteral("  10.0")); // the share goal is never scaled
    rows = Report(AddDays(kToday, -1), AddDays(kToday, -1), ReportCalculator::Type::DailyAverage);
    EXPECT_EQ(rows[2].cells[1], QStringLiteral("  50.0"));

    rows = Report(AddDays(kToday, -30), AddDays(kToday, -1), ReportCalculator::Type::Totals);
    EXPECT_EQ(rows[0].cells[0], QStringLiteral("1000.0"));
    EXPECT_EQ(rows[0].cells[1], Fixed(m_doc->CalorieFigure() * 30));
    EXPECT_EQ(rows[2].cells[1], QStringLiteral("1500.0"));
    EXPECT_EQ(rows[10].cells[1], QStringLiteral("9000.0"));
    EXPECT_EQ(rows[2].cells[3], QStringLiteral("  10.0"));
}

TEST_F(ReportTest, NoEnergyMeansNoShares)
{
    AddDay(AddDays(kToday, -1), 0, 30);
    const auto rows = Report(AddDays(kToday, -1), AddDays(kToday, -1), ReportCalculator::Type::DailyAverage);
    EXPECT_EQ(rows[2].cells[0], QStringLiteral("  30.0"));
    for (int r = 2; r <= 8; ++r)
        EXPECT_EQ(rows[r].cells[2], QStringLiteral("   0.0")) << r;
}

TEST_F(ReportTest, ParametersAverageOverTheDaysTheyWereEntered)
{
    m_doc->Profile().paramNames[2] = QStringLiteral("Pulse");
    m_doc->Profile().paramUnits[2] = QStringLiteral("b/min");
    m_doc->Profile().paramGoals[2] = 60;
    m_doc->SaveProfile();
    for (int d = 1; d <= 10; ++d)
        AddDay(AddDays(kToday, -d), 2000, 50, {0, 5, d <= 3 ? 60.0 + d : 0.0, 0});
    const auto rows =
        Report(AddDays(kToday, -10), AddDays(kToday, -1), ReportCalculator::Type::ParameterAverage);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text, QStringLiteral("Pulse (b/min)"));
    EXPECT_EQ(rows[0].cells, (QStringList{" 62.0", " 60.0"}));
}
