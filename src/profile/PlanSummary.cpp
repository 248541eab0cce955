#include "PlanSummary.h"

#include "profile/DateRules.h"
#include "profile/EnergyRules.h"
#include "profile/NumberFormat.h"
#include "storage/CProfileTable.h"

#include <cmath>

PlanSummary PlanSummary::Of(const CProfileTable& profiles)
{
    const ProfileRecord& p = profiles.Buffer();
    const bool dayMonth = p.Has(CProfileTable::kDayMonthYear);
    const QString unit = p.Has(CProfileTable::kMetric) ? QStringLiteral(" kg") : QStringLiteral(" lbs");
    const bool gain = p.weeklyLoss < 0;
    PlanSummary s;
    s.startDate = DateText(p.startDate, dayMonth);
    s.targetDate = DateText(
        TargetDateFromWeeklyLoss(p.startDate, p.startWeight, p.targetWeight, p.weeklyLoss), dayMonth);
    s.startWeight = FormatFixed(profiles.StartWeightForDisplay(), 3, 0) + unit;
    s.targetWeight = FormatFixed(profiles.TargetWeightForDisplay(), 3, 0) + unit;
    s.changeLabel = gain ? QStringLiteral("Weekly weight gain:") : QStringLiteral("Weekly weight loss:");
    s.change = FormatFixed(std::fabs(profiles.WeeklyLossForDisplay()), 2, 1) + unit;
    s.sentence = QStringLiteral("To accomplish your diet goal, you will need to eat ") +
                 FormatFixed(DailyDeficit(p.weeklyLoss), 3, 0) +
                 (gain ? QStringLiteral(" more calories per day than your body burns.")
                       : QStringLiteral(" fewer calories per day than your body burns."));
    return s;
}
