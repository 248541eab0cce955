#include "LocalDateTime.h"

#include "platform/FileTime.h"

LocalDateTime LocalDateTime::FromQDateTime(const QDateTime& dt)
{
    const QDate d = dt.date();
    const QTime t = dt.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}

int LocalDateTime::DayOfWeek() const
{
    // 1601-01-01 was a Monday.
    const qint64 days = FileTime::FromLocal(DateOnly()).Ticks() / FileTime::kTicksPerDay;
    return static_cast<int>((days + 1) % 7);
}

bool LocalDateTime::IsValid() const
{
    return year >= 1601 && year <= 30827 && QDate::isValid(year, month, day) && hour >= 0 && hour < 24 &&
           minute >= 0 && minute < 60 && second >= 0 && second < 60 && milliseconds >= 0 &&
           milliseconds < 1000;
}
