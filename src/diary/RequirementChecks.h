#pragma once

#include "storage/CProfileTable.h"
#include "storage/NutrientValues.h"

#include <QStringList>

// The sixteen requirement checks behind warnings and filters. Bit 0 of a mask switches the
// feature on; bits 1..16 select checks, and the result has the violated ones.
namespace Requirements {

constexpr quint32 kEnabled = 0x1;
constexpr int kFirstCheck = 1;
constexpr int kLastCheck = 16;

// What the checks judge against: the profile's goals, the day's calorie figure and the share of
// the day's requirement due by now (1.0 in planning mode). The share scales every absolute
// limit, never a percentage.
struct Limits
{
    const ProfileRecord& profile;
    double calorieFigure;
    double fraction;
};

quint32 Check(quint32 mask, const NutrientValues& amounts, const Limits& limits);
// The message of one check bit (1..16).
QString Message(int bit);
// The messages of every violated bit, in bit order.
QStringList Messages(quint32 violated);

} // namespace Requirements
