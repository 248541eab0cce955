#pragma once

#include "platform/FileTime.h"
#include "storage/NutrientValues.h"

#include <array>

namespace Energy {

constexpr double kActivityFactor = 1.55;
constexpr double kKcalPerKgBodyWeight = 7000.0;
constexpr int kIntakeDays = 14;
constexpr double kKcalPerKj = 0.2390057361376673;
// kJ per gram, for the energy shares.
constexpr double kProteinFactor = 17.0;
constexpr double kCarbohydrateFactor = 17.0;
constexpr double kFatFactor = 38.0;
constexpr double kAlcoholFactor = 29.0;

} // namespace Energy

// kcal per day before the activity factor.
double HarrisBenedict(double heightCm, double weightKg, double ageYears, bool isMale);
inline double ActivityFactor()
{
    return Energy::kActivityFactor;
}

// Shares of the macronutrient energy, in EnergyShare order; a nutrient of exactly 0 g has 0 %.
std::array<double, kEnergyShareCount> EnergyPercentages(double protein, double fat, double carbohydrate,
                                                        double alcohol, double saturates,
                                                        double monounsaturates, double polyunsaturates,
                                                        double sugar);
// The percentages of a set of amounts.
std::array<double, kEnergyShareCount> EnergyPercentages(const NutrientValues& v);
double FoodEnergyFromMacros(double protein, double fat, double carbohydrate, double alcohol);

double WeightForBmi(double heightM, double bmi);
// kg per week: a loss is positive, a gain negative; 0 when the dates are the same day.
double WeeklyLossFromTargetDate(double startWeight, double targetWeight, FileTime startDate,
                                FileTime targetDate);
FileTime TargetDateFromWeeklyLoss(FileTime startDate, double startWeight, double targetWeight,
                                  double weeklyLoss);
// kcal per day, without sign.
double DailyDeficit(double weeklyLoss);
