#include "storage/CProfileTable.h"
#include "support/TestStore.h"

namespace {

using ProfileTableTest = TestStore;

} // namespace

TEST_F(ProfileTableTest, NewProfileHasTheDefaults)
{
    CProfileTable profiles(Store(), m_clock);
    ASSERT_EQ(profiles.NewRecord(), 1u);
    profiles.Buffer() = CProfileTable::Record();
    ASSERT_NE(profiles.FindId(1), 0u);
    ASSERT_TRUE(profiles.Load());
    const CProfileTable::Record& r = profiles.Buffer();
    EXPECT_EQ(r.name, QStringLiteral("New profile"));
    EXPECT_EQ(r.flags, 4u);
    EXPECT_EQ(r.warningsMask, 66u);
    EXPECT_EQ(r.filtersMask, 2u);
    EXPECT_EQ(r.mealHour, (std::array<qint16, 6>{8, 10, 12, 15, 18, 20}));
    EXPECT_EQ(r.mealOn, (std::array<qint16, 6>{1, 1, 1, 1, 1, 1}));
    int shares = 0;
    for (qint16 s : r.mealShare)
        shares += s;
    EXPECT_EQ(shares, 100);
    EXPECT_EQ(r.shareGoals, (std::array<double, 8>{10, 30, 10, 13, 7, 60, 10, 0}));
    EXPECT_EQ(r.startDate, FileTime::FromDate(2026, 12, 9));
    EXPECT_EQ(r.summaryLines, (std::array<int, 5>{4, 5, 6, 10, 11}));
    EXPECT_EQ(r.columnOrder, QStringLiteral("000102030405060708091011121314"));
    EXPECT_EQ(profiles.NewRecord(), 2u);
}

TEST_F(ProfileTableTest, RecordsHaveSeventyEightPropertiesAndNo418)
{
    CProfileTable profiles(Store(), m_clock);
    profiles.NewRecord();
    auto& r = profiles.Buffer();
    r.name = QStringLiteral("Anna");
    r.shareGoals[static_cast<int>(EnergyShare::Alcohol)] = 5;
    r.shareGoals[static_cast<int>(EnergyShare::Sugar)] = 12;
    r.fiberGoal = 30;
    r.sodiumGoal = 2400;
    r.cholesterolGoal = 300;
    r.amountGoals[static_cast<int>(EnergyShare::Alcohol)] = 20;
    r.paramNames[1] = QStringLiteral("Steps");
    r.paramUnits[1] = QStringLiteral("k");
    r.paramGoals[1] = 10;
    r.graphQuantity = {3, 7};
    r.userCalories = 1800;
    r.reserved405 = 1.5;
    r.Set(CProfileTable::kCompanionExercises, true);
    ASSERT_TRUE(profiles.Save());

    const std::vector<PropVal> p = CurrentProps(profiles);
    ASSERT_EQ(p.size(), 78u);
    EXPECT_EQ(p[17], PropVal());
    for (const PropVal& v : p)
        EXPECT_NE(v.Id(), 418);
    // Spot checks of the written order.
    EXPECT_EQ(p[18], PropVal::R8(419, 5));
    EXPECT_EQ(p[19], PropVal::R8(421, 30));
    EXPECT_EQ(p[20], PropVal::R8(420, 2400));
    EXPECT_EQ(p[42], PropVal::UI4(443, 4 | 0x400));
    EXPECT_EQ(p[63], PropVal::I2(474, 3));
    EXPECT_EQ(p[74], PropVal::R8(473, 1800));
    EXPECT_EQ(p[77], PropVal::Text(478, QString()));

    const CProfileTable::Record saved = r;
    r = CProfileTable::Record();
    profiles.FindId(saved.id);
    ASSERT_TRUE(profiles.Load());
    EXPECT_EQ(r.shareGoals, saved.shareGoals);
    EXPECT_EQ(r.amountGoals, saved.amountGoals);
    EXPECT_EQ(r.paramNames, saved.paramNames);
    EXPECT_EQ(r.paramGoals, saved.paramGoals);
    EXPECT_EQ(r.graphQuantity, saved.graphQuantity);
    EXPECT_EQ(r.reserved405, 1.5);
    EXPECT_EQ(r.flags, saved.flags);
    EXPECT_EQ(r.sodiumGoal, 2400);
}

TEST_F(ProfileTableTest, SummaryLinesAreTwoCharactersEach)
{
    CProfileTable profiles(Store(), m_clock);
    profiles.NewRecord();
    ASSERT_TRUE(profiles.Save());
    EXPECT_EQ(CurrentProps(profiles)[75], PropVal::Text(476, QStringLiteral(" 4 5 61011")));
    profiles.Buffer().summaryLines = {0, 5, 6, 10, 11};
    profiles.Load();
    EXPECT_EQ(profiles.Buffer().summaryLines, (std::array<int, 5>{4, 5, 6, 10, 11}));

    const std::pair<const char*, std::array<int, 5>> decoded[] = {
        {"0405061011", {4, 5, 6, 10, 11}},
        {" 4 5 61011", {4, 5, 6, 10, 11}},
        {"", {4, 5, 6, 10, 11}},
        {"1201000203", {12, 1, 0, 2, 3}},
    };
    for (const auto& [text, codes] : decoded)
        EXPECT_EQ(CProfileTable::DecodeSummaryLines(QString::fromLatin1(text)), codes) << text;
}

TEST_F(ProfileTableTest, UnitAccessorsFollowTheMetricFlag)
{
    CProfileTable profiles(Store(), m_clock);
    profiles.NewRecord();
    auto& r = profiles.Buffer();
    ASSERT_FALSE(r.Has(CProfileTable::kMetric));
    profiles.SetStartWeightFromDisplay(150);
    EXPECT_NEAR(r.startWeight, 68.04, 1e-9);
    EXPECT_NEAR(profiles.StartWeightForDisplay(), 150.0, 0.01);
    profiles.SetHeightFromDisplay(70);
    EXPECT_NEAR(r.height, 177.8, 1e-9);
    EXPECT_NEAR(profiles.HeightForDisplay(), 70.0, 1e-9);
    profiles.SetWeeklyLossFromDisplay(-1);
    EXPECT_NEAR(r.weeklyLoss, -0.4536, 1e-12);
    profiles.SetTargetWeightFromDisplay(140);
    EXPECT_NEAR(profiles.TargetWeightForDisplay(), 140.0, 0.01);

    r.Set(CProfileTable::kMetric, true);
    profiles.SetStartWeightFromDisplay(80);
    profiles.SetHeightFromDisplay(180);
    EXPECT_EQ(r.startWeight, 80);
    EXPECT_EQ(profiles.StartWeightForDisplay(), 80);
    EXPECT_EQ(profiles.HeightForDisplay(), 180);
    EXPECT_EQ(profiles.WeeklyLossForDisplay(), r.weeklyLoss);
}
