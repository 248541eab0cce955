#include "MealsPattern.h"

namespace MealsPattern {

double Fraction(const ProfileRecord& profile, int hour)
{
    if (profile.Has(CProfileTable::kPlanning))
        return 1.0;
    int sum = 0;
    for (int i = 0; i < ProfileRecord::kMeals; ++i) {
        if (profile.mealOn[i] && profile.mealHour[i] < hour + 2)
            sum += profile.mealShare[i];
    }
    return sum * 0.01;
}

int EnabledSum(const std::array<qint16, ProfileRecord::kMeals>& on,
               const std::array<qint16, ProfileRecord::kMeals>& shares)
{
    int sum = 0;
    for (int i = 0; i < ProfileRecord::kMeals; ++i)
        sum += (on[i] ? 1 : 0) * shares[i];
    return sum;
}

} // namespace MealsPattern
