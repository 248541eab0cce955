#pragma once

#include "platform/FileTime.h"

#include <QString>

// n days later (earlier when negative), at 00:00.
FileTime AddDays(FileTime date, qint64 n);
// The date `days` (rounded down) after `date`; the empty date, FileTime(), when that lies past
// 31 December 9999 or `days` is no number: a plan too slow to end has no end date.
FileTime AddDaysWithinCalendar(FileTime date, double days);
// Whole days from earlier to later, truncated toward zero; negative when later lies before.
qint64 DaysBetween(FileTime later, FileTime earlier);
// "9-12-2026" (day-month-year) or "12-09-2026" (month-day-year).
QString DateText(FileTime date, bool dayMonthYear);
