#include "PlanSummary.h"

#include "profile/DateRules.h"
#include "profile/EnergyRules.h"
#include "profile/NumberFormat.h"
#include "storage/CProfileTable.h"

#include <QCoreApplication>
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
    s.changeLabel = gain ? QCoreApplication::translate("PlanSummary", "Weekly weight gain:")
                         : QCoreApplication::translate("PlanSummary", "Weekly weight loss:");
    s.change = FormatFixed(std::fabs(profiles.WeeklyLossForDisplay()), 2, 1) + unit;
    s.sentence =
        QCoreApplication::translate("PlanSummary", "To accomplish your diet goal, you will need to eat ") +
        FormatFixed(DailyDeficit(p.weeklyLoss), 3, 0) +
        (gain ? QCoreApplication::translate("PlanSummary", " more calories per day than your body burns.")
              : QCoreApplication::translate("PlanSummary", " fewer calories per day than your body burns."));
    return s;
}
