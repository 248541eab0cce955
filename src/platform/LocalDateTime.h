#pragma once

#include <QDate>
#include <QDateTime>

// Calendar date and wall-clock time of day, in local time (the fields of a SYSTEMTIME).
struct LocalDateTime
{
    int year = 1601;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..59
    int milliseconds = 0;

    static LocalDateTime FromDate(int year, int month, int day) { return {year, month, day, 0, 0, 0, 0}; }
    static LocalDateTime FromQDateTime(const QDateTime& dt);
    QDate ToQDate() const { return QDate(year, month, day); }

    // 0 = Sunday .. 6 = Saturday.
    int DayOfWeek() const;
    LocalDateTime DateOnly() const { return FromDate(year, month, day); }
    bool IsValid() const;

    bool operator==(const LocalDateTime&) const = default;
};
