#include "Measures.h"

#include "profile/Units.h"

namespace {

bool g_metric = false;

} // namespace

bool IsMetric()
{
    return g_metric;
}

void SetMeasures(quint32 profileFlags)
{
    g_metric = (profileFlags & 1) != 0;
}

double KgToDisplay(double kg)
{
    return g_metric ? kg : kg * Units::kKgToLbs;
}

double DisplayToKg(double value)
{
    return g_metric ? value : value * Units::kLbsToKg;
}

double CmToDisplay(double cm)
{
    return g_metric ? cm : cm * Units::kCmToIn;
}

double DisplayToCm(double value)
{
    return g_metric ? value : value * Units::kInToCm;
}
