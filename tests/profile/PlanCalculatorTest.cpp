#include "profile/PlanCalculator.h"
#include "profile/DateRules.h"
#include "profile/EnergyRules.h"
#include "storage/CDiaryTable.h"
#include "support/TestStore.h"

namespace {

const FileTime kToday = FileTime::FromDate(2026, 12, 9);

class PlanCalculatorTest : public TestStore
{
protected:
    void SetUp() override
    {
        TestStore::SetUp();
        m_profile = CProfileTable::Defaults(1, FileTime::FromDate(2026, 10, 1));
        m_profile.startWeight = 90;
        m_profile.height = 180;
        m_profile.age = 30;
        m_profile.gender = 1;
    }

    // A day record of the profile, n days from today.
    void Day(int n, double weight, double intake = 0, quint32 profile = 1)
    {
        CDiaryTable diary(Store(), m_clock);
        diary.NewRecord();
        diary.Buffer().date = AddDays(kToday, n);
        diary.Buffer().profileId = profile;
        diary.Buffer().weight = weight;
        diary.Buffer().values[Nutrient::Energy] = intake;
        ASSERT_TRUE(diary.Save());
    }

    double WeightOn(int n)
    {
        PlanCalculator plan(Store(), m_clock);
        return plan.WeightOnDay(m_profile, AddDays(kToday, n));
    }

    ProfileRecord m_profile;
};

} // namespace

TEST_F(PlanCalculatorTest, WeightOnADay)
{
    // No record on the day: the start weight, whatever lies around it.
    Day(-1, 80);
    Day(1, 78);
    EXPECT_EQ(WeightOn(0), 90);
    // The day's own weight; 0.6 kg counts as none.
    Day(0, 0.6);
    EXPECT_DOUBLE_EQ(WeightOn(-1), 80);
    EXPECT_DOUBLE_EQ(WeightOn(0), 79); // between -1 (80) and +1 (78)
    // After the last weight, with no point two weeks before it: the line from the plan's start.
    Day(4, 0);
    const double fromStart = double(DaysBetween(kToday, m_profile.startDate));
    const double expected = 90 + (78 - 90) * (fromStart + 4) / (fromStart + 1);
    EXPECT_DOUBLE_EQ(WeightOn(4), expected);
    Day(6, 70, 0, 2); // another profile's record changes nothing
    EXPECT_DOUBLE_EQ(WeightOn(4), expected);
}

TEST_F(PlanCalculatorTest, WeightLinesThroughTheStartOrTheTrend)
{
    const qint64 fromStart = DaysBetween(kToday, m_profile.startDate);
    // Only a later weight: the line from the plan's start.
    Day(0, 0);
    Day(10, 80);
    EXPECT_NEAR(WeightOn(0), 90 + (80 - 90) * double(fromStart) / double(fromStart + 10), 1e-9);
    // Only an earlier weight and nothing 13 days before it: from the start to that weight.
    Day(20, 0);
    EXPECT_DOUBLE_EQ(WeightOn(20), 90 + (80 - 90) * double(fromStart + 20) / double(fromStart + 10));
}

TEST_F(PlanCalculatorTest, WeightExtrapolatesFromPointsTwoWeeksApart)
{
    Day(-30, 84); // P0: the first weight at or before 13 days ahead of P1's seek day
    Day(-16, 0);  // P1 - 13 days: seek lands here and walks back from it
    Day(-10, 83); // would be nearer, but lies after the seek day
    Day(-3, 82);  // P1
    Day(0, 0);
    // Line through (-30, 84) and (-3, 82), evaluated at 0.
    EXPECT_NEAR(WeightOn(0), 84 + (82 - 84) * 30.0 / 27.0, 1e-9);

    PlanCalculator plan(Store(), m_clock);
    const PlanCalculator::Neighbours nb = plan.NeighbourWeights(m_profile, kToday);
    ASSERT_TRUE(nb.p0 && nb.p1);
    EXPECT_FALSE(nb.n);
    EXPECT_GE(DaysBetween(nb.p1->date, nb.p0->date), 14);
    EXPECT_EQ(nb.p1->date, AddDays(kToday, -3));
    EXPECT_EQ(nb.p0->date, AddDays(kToday, -30));
}

TEST_F(PlanCalculatorTest, RequiredCaloriesByTheFirstMethodThatApplies)
{
    PlanCalculator plan(Store(), m_clock);
    const double hb = HarrisBenedict(180, 90, 30, true) * 1.55;
    EXPECT_DOUBLE_EQ(plan.RequiredCalories(m_profile, kToday), hb);

    // Actual intake: 14 complete days of 2000 kcal, weight 80 -> 79.
    m_profile.Set(CProfileTable::kCaloriesFromIntake, true);
    for (int i = 1; i <= 14; ++i)
        Day(-i, i == 14 ? 80 : 0, 2000);
    Day(0, 79);
    EXPECT_DOUBLE_EQ(plan.RequiredCalories(m_profile, kToday), (28000 - 7000 * (79.0 - 80.0)) / 14);

    // A user value wins over everything.
    m_profile.userCalories = 1800;
    EXPECT_EQ(plan.RequiredCalories(m_profile, kToday), 1800);
}

TEST_F(PlanCalculatorTest, IntakeMethodNeedsFourteenFullDays)
{
    m_profile.Set(CProfileTable::kCaloriesFromIntake, true);
    Day(0, 85);
    const double hb = HarrisBenedict(180, 85, 30, true) * 1.55;
    PlanCalculator plan(Store(), m_clock);
    // Thirteen days, with one day missing: too few.
    for (int i = 1; i <= 15; ++i)
        if (i != 5 && i != 15)
            Day(-i, 0, 2100);
    EXPECT_DOUBLE_EQ(plan.RequiredCalories(m_profile, kToday), hb);
    // A day of 0 kcal stops the walk even though older days would complete it.
    Day(-5, 0, 0);
    Day(-15, 0, 2100);
    Day(-16, 0, 2100);
    EXPECT_DOUBLE_EQ(plan.RequiredCalories(m_profile, kToday), hb);
}
