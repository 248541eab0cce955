#include "diary/ActivityTable.h"
#include "diary/MealsPattern.h"
#include "diary/RequirementChecks.h"
#include "profile/EnergyRules.h"
#include "storage/CProfileTable.h"

#include <gtest/gtest.h>

TEST(ActivityTable, FixedOrderNamesAndFactors)
{
    const auto& t = ActivityTable();
    ASSERT_EQ(t.size(), 68u);
    EXPECT_STREQ(t[0].name, "Running 12 min/mile");
    EXPECT_STREQ(t[31].name, "Hicking (low intensity)");
    EXPECT_STREQ(t[43].name, "Yoga");
    EXPECT_STREQ(t[67].name, "Waterskiing");
    EXPECT_EQ(t[38].factor, 0.293);
    EXPECT_DOUBLE_EQ(ExerciseCalories(0, 30, 70), 294);
    EXPECT_DOUBLE_EQ(ExerciseCalories(5, 45, 80), 108);
    EXPECT_EQ(ExerciseCalories(68, 30, 70), 0);
    EXPECT_EQ(ActivityName(68), QString());
    EXPECT_EQ(TimeSpentChoices().join(','), QStringLiteral("15,30,45,60,75,90"));
    EXPECT_EQ(HourChoices().size(), 24);
    EXPECT_EQ(HourChoices().first(), QStringLiteral("00"));
    EXPECT_EQ(MinuteChoices().join(','), QStringLiteral("00,10,20,30,40,50"));
}

namespace {

ProfileRecord DefaultProfile()
{
    return CProfileTable::Defaults(1, FileTime::FromDate(2026, 12, 9));
}

NutrientValues Amounts(double energy, double protein, double fat, double carbohydrate)
{
    NutrientValues v;
    v[Nutrient::Energy] = energy;
    v[Nutrient::Protein] = protein;
    v[Nutrient::Fat] = fat;
    v[Nutrient::Carbohydrate] = carbohydrate;
    v.percentages = EnergyPercentages(v);
    return v;
}

constexpr quint32 bit(int b)
{
    return 1u << b;
}

} // namespace

TEST(RequirementChecks, LimitsScaleWithTheFractionAndSharesDoNot)
{
    ProfileRecord p = DefaultProfile();
    p.amountGoals[static_cast<int>(EnergyShare::Protein)] = 60;
    const quint32 all = 0x1FFFE;
    struct Case
    {
        const char* name;
        NutrientValues amounts;
        double figure, fraction;
        quint32 mask, expected;
    };
    const Case cases[] = {
        {"energy at the figure", Amounts(2000, 0, 0, 0), 2000, 1.0, bit(1), 0},
        {"energy above the figure", Amounts(2000.5, 0, 0, 0), 2000, 1.0, bit(1), bit(1)},
        {"protein grams at 11:30", Amounts(0, 36, 0, 0), 0, 0.6, bit(2), 0},
        {"protein grams above 36", Amounts(0, 36.1, 0, 0), 0, 0.6, bit(2), bit(2)},
        // 35 % fat at 07:00: shares ignore the fraction.
        {"fat share", Amounts(0, 0, 35 * 100.0 / 38, 65 * 100.0 / 17), 0, 0.0, bit(6), bit(6)},
        // 0 % is below every positive share goal: protein, mono- and polyunsaturates, carbohydrate.
        {"empty day", NutrientValues(), 2000, 1.0, all, bit(4) | bit(8) | bit(9) | bit(12)},
        {"bit 0 is not a check", Amounts(5000, 0, 0, 0), 2000, 1.0, 0x1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Requirements::Check(c.mask, c.amounts, {p, c.figure, c.fraction}), c.expected) << c.name;

    EXPECT_EQ(
        Requirements::Messages(bit(1) | bit(6) | bit(15)),
        (QStringList{QStringLiteral("Energy intake exceeded"), QStringLiteral("Fat/energy-pct exceeded"),
                     QStringLiteral("Amount of sodium exceeded")}));
    EXPECT_EQ(Requirements::Message(12), QStringLiteral("Cabohydrate/energy-pct to small"));
}

TEST(RequirementChecks, EachCheckOnItsOwn)
{
    ProfileRecord p = DefaultProfile();
    p.amountGoals.fill(10);
    p.sodiumGoal = 100;
    p.cholesterolGoal = 100;
    p.shareGoals = {20, 30, 10, 13, 7, 50, 10, 5};
    // Shares given directly: the checks read them as they are.
    auto with = [](Nutrient n, double amount) {
        NutrientValues v;
        v[n] = amount;
        return v;
    };
    auto share = [](std::array<double, 8> shares) {
        NutrientValues v;
        v.percentages = shares;
        return v;
    };
    const std::array<double, 8> onGoal = {20, 30, 10, 13, 7, 50, 10, 5};
    auto off = [&](EnergyShare s, double d) {
        std::array<double, 8> a = onGoal;
        a[static_cast<int>(s)] += d;
        return share(a);
    };
    // For each check: amounts that break it at fraction 0.5 (and no other check in its own mask).
    const NutrientValues breaking[17] = {
        NutrientValues(),
        with(Nutrient::Energy, 1000.5),
        with(Nutrient::Protein, 5.1),
        off(EnergyShare::Protein, 0.1),
        off(EnergyShare::Protein, -0.1),
        with(Nutrient::Fat, 5.1),
        off(EnergyShare::Fat, 0.1),
        off(EnergyShare::Saturates, 0.1),
        off(EnergyShare::Monounsaturates, -0.1),
        off(EnergyShare::Polyunsaturates, -0.1),
        with(Nutrient::Carbohydrate, 5.1),
        off(EnergyShare::Carbohydrate, 0.1),
        off(EnergyShare::Carbohydrate, -0.1),
        with(Nutrient::Alcohol, 5.1),
        off(EnergyShare::Alcohol, 0.1),
        with(Nutrient::Sodium, 50.1),
        with(Nutrient::Cholesterol, 50.1),
    };
    const Requirements::Limits limits{p, 2000, 0.5};
    for (int b = 1; b <= 16; ++b) {
        EXPECT_EQ(Requirements::Check(bit(b), breaking[b], limits), bit(b)) << b;
        EXPECT_EQ(Requirements::Check(0x1FFFE & ~bit(b), breaking[b], limits) & bit(b), 0u) << b;
        EXPECT_FALSE(Requirements::Message(b).isEmpty());
    }
    // Exactly on every limit breaks nothing.
    NutrientValues exact = share(onGoal);
    exact[Nutrient::Energy] = 1000;
    exact[Nutrient::Sodium] = 50;
    EXPECT_EQ(Requirements::Check(0x1FFFE, exact, limits), 0u);
}

TEST(MealsPattern, FractionAndSum)
{
    ProfileRecord p = DefaultProfile();
    EXPECT_EQ(MealsPattern::Fraction(p, 0), 1.0); // planning mode
    p.Set(CProfileTable::kPlanning, false);
    const std::pair<int, double> byHour[] = {{0, 0.0}, {7, 0.25}, {11, 0.6}, {16, 0.65}, {23, 1.0}};
    for (const auto& [hour, f] : byHour)
        EXPECT_DOUBLE_EQ(MealsPattern::Fraction(p, hour), f) << hour;

    EXPECT_TRUE(MealsPattern::IsValid(p.mealOn, p.mealShare));
    std::array<qint16, 6> on = {1, 0, 1, 0, 1, 0};
    EXPECT_EQ(MealsPattern::EnabledSum(on, p.mealShare), 85);
    EXPECT_TRUE(MealsPattern::IsValid(on, {30, 50, 35, 5, 35, 5}));
    EXPECT_FALSE(MealsPattern::IsValid({0, 0, 0, 0, 0, 0}, p.mealShare));

    // One meal of 100 % at 12: due from 11:00 on.
    p.mealOn = {0, 0, 1, 0, 0, 0};
    p.mealShare = {0, 0, 100, 0, 0, 0};
    EXPECT_EQ(MealsPattern::Fraction(p, 10), 0.0);
    EXPECT_EQ(MealsPattern::Fraction(p, 11), 1.0);
}
