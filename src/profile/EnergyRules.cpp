#include "EnergyRules.h"

#include "profile/DateRules.h"

#include <cmath>

double HarrisBenedict(double heightCm, double weightKg, double ageYears, bool isMale)
{
    if (isMale)
        return (13.397 * weightKg + 4.799 * heightCm) + 88.362 - 5.677 * ageYears;
    return (9.247 * weightKg + 3.098 * heightCm) + 447.593 - 4.330 * ageYears;
}

std::array<double, kEnergyShareCount> EnergyPercentages(double protein, double fat, double carbohydrate,
                                                        double alcohol, double saturates,
                                                        double monounsaturates, double polyunsaturates,
                                                        double sugar)
{
    using namespace Energy;
    const double x = kProteinFactor * protein + kFatFactor * fat + kCarbohydrateFactor * carbohydrate +
                     kAlcoholFactor * alcohol;
    auto share = [x](double amount, double factor) {
        return amount == 0.0 ? 0.0 : amount * factor * (100.0 / x);
    };
    std::array<double, kEnergyShareCount> p{};
    p[static_cast<int>(EnergyShare::Protein)] = share(protein, kProteinFactor);
    p[static_cast<int>(EnergyShare::Fat)] = share(fat, kFatFactor);
    p[static_cast<int>(EnergyShare::Saturates)] = share(saturates, kFatFactor);
    p[static_cast<int>(EnergyShare::Monounsaturates)] = share(monounsaturates, kFatFactor);
    p[static_cast<int>(EnergyShare::Polyunsaturates)] = share(polyunsaturates, kFatFactor);
    p[static_cast<int>(EnergyShare::Carbohydrate)] = share(carbohydrate, kCarbohydrateFactor);
    p[static_cast<int>(EnergyShare::Sugar)] = share(sugar, kCarbohydrateFactor);
    p[static_cast<int>(EnergyShare::Alcohol)] = share(alcohol, kAlcoholFactor);
    return p;
}

std::array<double, kEnergyShareCount> EnergyPercentages(const NutrientValues& v)
{
    return EnergyPercentages(v[Nutrient::Protein], v[Nutrient::Fat], v[Nutrient::Carbohydrate],
                             v[Nutrient::Alcohol], v[Nutrient::Saturates], v[Nutrient::Monounsaturates],
                             v[Nutrient::Polyunsaturates], v[Nutrient::Sugar]);
}

double FoodEnergyFromMacros(double protein, double fat, double carbohydrate, double alcohol)
{
    return (29 * alcohol + 17 * protein + 38 * fat + 17 * carbohydrate) * Energy::kKcalPerKj;
}

double WeightForBmi(double heightM, double bmi)
{
    return heightM * heightM * bmi;
}

double WeeklyLossFromTargetDate(double startWeight, double targetWeight, FileTime startDate,
                                FileTime targetDate)
{
    const qint64 days = DaysBetween(targetDate, startDate);
    if (days == 0)
        return 0.0;
    return (targetWeight - startWeight) / static_cast<double>(days) * (-7.0);
}

FileTime TargetDateFromWeeklyLoss(FileTime startDate, double startWeight, double targetWeight,
                                  double weeklyLoss)
{
    const double change = targetWeight - startWeight;
    if (weeklyLoss == 0.0 || change == 0.0)
        return startDate;
    return AddDaysWithinCalendar(startDate, std::fabs(7.0 * change / std::fabs(weeklyLoss)) + 0.5);
}

double DailyDeficit(double weeklyLoss)
{
    return std::fabs(weeklyLoss / 7.0) * Energy::kKcalPerKgBodyWeight;
}
