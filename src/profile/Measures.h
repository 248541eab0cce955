#pragma once

#include <QtGlobal>

// The units the open profile shows: a process-wide copy of its metric flag, refreshed whenever
// a profile is created or opened and after the unit settings change. Stored values are always
// metric; these convert for showing and back on input.
bool IsMetric();
void SetMeasures(quint32 profileFlags);

double KgToDisplay(double kg);
double DisplayToKg(double value);
double CmToDisplay(double cm);
double DisplayToCm(double value);
