#pragma once

#include <QString>

class CProfileTable;

// The diet plan of the profile in a table's buffer as the wizard's last page words it: dates in
// the profile's date format, weights in the units it shows.
struct PlanSummary
{
    QString startDate;
    QString targetDate;
    QString startWeight;
    QString targetWeight;
    QString changeLabel; // "Weekly weight loss:" or "Weekly weight gain:"
    QString change;      // always without sign
    QString sentence;

    static PlanSummary Of(const CProfileTable& profiles);
};
