#pragma once

#include "storage/CProfileTable.h"

#include <array>

namespace MealsPattern {

// Share (0..1) of the day's requirement due by this hour: 1.0 in planning mode; otherwise the
// percentages of the enabled meals whose hour is below hour + 2.
double Fraction(const ProfileRecord& profile, int hour);
// Sum of the percentages of the enabled meals; a pattern is confirmed only when it is 100.
int EnabledSum(const std::array<qint16, ProfileRecord::kMeals>& on,
               const std::array<qint16, ProfileRecord::kMeals>& shares);
inline bool IsValid(const std::array<qint16, ProfileRecord::kMeals>& on,
                    const std::array<qint16, ProfileRecord::kMeals>& shares)
{
    return EnabledSum(on, shares) == 100;
}

} // namespace MealsPattern
