#include "profile/EnergyRules.h"

#include "platform/LocalDateTime.h"
#include "profile/DateRules.h"
#include "profile/Measures.h"
#include "profile/NumberFormat.h"

#include <gtest/gtest.h>

TEST(EnergyRules, HarrisBenedictWithTheActivityFactor)
{
    EXPECT_NEAR(HarrisBenedict(180, 80, 30, true), 1853.632, 1e-9);
    EXPECT_NEAR(HarrisBenedict(180, 80, 30, true) * ActivityFactor(), 2873.1296, 1e-9);
    EXPECT_NEAR(HarrisBenedict(165, 60, 40, false), 9.247 * 60 + 3.098 * 165 + 447.593 - 4.330 * 40, 1e-9);
}

TEST(EnergyRules, EnergySharesOfTheMacronutrients)
{
    auto p = EnergyPercentages(10, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(p[static_cast<int>(EnergyShare::Protein)], 100);
    for (int i = 1; i < kEnergyShareCount; ++i)
        EXPECT_EQ(p[i], 0) << i;
    EXPECT_EQ(EnergyPercentages(0, 0, 0, 0, 0, 0, 0, 0), (std::array<double, 8>{}));
    // 17*10 + 38*10 + 17*20 + 29*0 = 890 kJ
    p = EnergyPercentages(10, 10, 20, 0, 4, 3, 2, 5);
    EXPECT_NEAR(p[static_cast<int>(EnergyShare::Fat)], 380 * 100.0 / 890, 1e-12);
    EXPECT_NEAR(p[static_cast<int>(EnergyShare::Saturates)], 4 * 38 * 100.0 / 890, 1e-12);
    EXPECT_NEAR(p[static_cast<int>(EnergyShare::Sugar)], 5 * 17 * 100.0 / 890, 1e-12);
    EXPECT_NEAR(FoodEnergyFromMacros(10, 10, 20, 0), 890 / 4.184, 1e-9);
}

TEST(EnergyRules, PlanArithmetic)
{
    const FileTime start = FileTime::FromDate(2026, 1, 1);
    const FileTime target = AddDays(start, 70);
    EXPECT_DOUBLE_EQ(WeeklyLossFromTargetDate(80, 70, start, target), 1.0);
    EXPECT_EQ(TargetDateFromWeeklyLoss(start, 80, 70, 1.0), target);
    EXPECT_DOUBLE_EQ(DailyDeficit(1.0), 1000);
    EXPECT_DOUBLE_EQ(DailyDeficit(-0.5), 500);
    EXPECT_DOUBLE_EQ(WeeklyLossFromTargetDate(70, 75, start, AddDays(start, 35)), -1.0); // a gain
    EXPECT_EQ(WeeklyLossFromTargetDate(80, 70, start, start), 0.0);
    EXPECT_EQ(TargetDateFromWeeklyLoss(start, 80, 70, 0.0), start);
    EXPECT_EQ(TargetDateFromWeeklyLoss(start, 80, 80, 1.0), start);
    EXPECT_EQ(TargetDateFromWeeklyLoss(start, 88, 65, 1.0), AddDays(start, 161));
    EXPECT_DOUBLE_EQ(WeightForBmi(1.8, 25), 81.0);
}

TEST(EnergyRules, FixedFormatsAndRounding)
{
    const struct
    {
        double v;
        int width, decimals;
        const char* text;
    } cases[] = {
        {294, 6, 1, " 294.0"}, {-294, 6, 1, "-294.0"}, {1.5, 6, 2, "  1.50"},      {2000.4, 5, 0, " 2000"},
        {0.125, 0, 2, "0.12"}, {2.5, 3, 0, "  2"},     {1234567, 3, 0, "1234567"}, {-0.04, 5, 1, " -0.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.v, c.width, c.decimals), QLatin1String(c.text)) << c.text;
    EXPECT_EQ(RoundTo(2.675, 2), 2.67); // as printf rounds the binary value
    EXPECT_EQ(RoundTo(154.3209876, 2), 154.32);
    EXPECT_EQ(FormatGeneral(68.04), QStringLiteral("68.04"));
    EXPECT_EQ(FormatGeneral(1.0 / 3), QStringLiteral("0.333333333333333"));
}

TEST(EnergyRules, UnitsFollowTheOpenProfile)
{
    SetMeasures(0x4);
    EXPECT_FALSE(IsMetric());
    EXPECT_EQ(RoundTo(KgToDisplay(70), 2), 154.32);
    EXPECT_NEAR(DisplayToKg(154.0), 69.8544, 1e-12);
    EXPECT_NEAR(DisplayToKg(KgToDisplay(70)), 70, 1e-12);
    EXPECT_NEAR(CmToDisplay(DisplayToCm(70)), 70, 1e-12);
    SetMeasures(0x5);
    EXPECT_TRUE(IsMetric());
    EXPECT_EQ(KgToDisplay(70), 70);
    EXPECT_EQ(DisplayToCm(180), 180);
}

TEST(DateRules, DaysAndTexts)
{
    const FileTime d = FileTime::FromLocal({2026, 3, 5, 17, 30, 0, 0});
    EXPECT_EQ(AddDays(d, 1), FileTime::FromDate(2026, 3, 6));
    EXPECT_EQ(AddDays(d, -5), FileTime::FromDate(2026, 2, 28));
    EXPECT_EQ(DaysBetween(FileTime::FromDate(2026, 3, 6), d), 0); // 6.5 hours short of a day
    EXPECT_EQ(DaysBetween(FileTime::FromDate(2026, 3, 1), FileTime::FromDate(2026, 3, 6)), -5);
    EXPECT_EQ(DateText(FileTime::FromDate(2026, 3, 5), true), QStringLiteral("5-03-2026"));
    EXPECT_EQ(DateText(FileTime::FromDate(2026, 3, 5), false), QStringLiteral("03-05-2026"));
}

TEST(PlanDates, APlanTooSlowToEndHasNoEndDate)
{
    const FileTime start = FileTime::FromDate(2026, 1, 1);
    // 88 to 65 kg at 0.000001 lbs a week would end tens of millions of years on.
    EXPECT_EQ(TargetDateFromWeeklyLoss(start, 88, 65, 0.000001 * 0.45359237), FileTime());
    EXPECT_EQ(DateText(TargetDateFromWeeklyLoss(start, 88, 65, 0.000001 * 0.45359237), true), QString());
    EXPECT_EQ(TargetDateFromWeeklyLoss(start, 88, 65, 1.0), AddDays(start, 161));
    EXPECT_EQ(AddDaysWithinCalendar(FileTime::FromDate(9999, 12, 30), 1), FileTime::FromDate(9999, 12, 31));
    EXPECT_EQ(AddDaysWithinCalendar(FileTime::FromDate(9999, 12, 30), 2), FileTime());
}
