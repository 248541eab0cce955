#include "DateRules.h"

#include "LocalDateTime.h"

FileTime AddDays(FileTime date, qint64 n)
{
    return date.AddDays(n).Date();
}

qint64 DaysBetween(FileTime later, FileTime earlier)
{
    const qint64 diff = static_cast<qint64>(later.Ticks() - earlier.Ticks());
    return diff / static_cast<qint64>(FileTime::kTicksPerDay);
}

QString DateText(FileTime date, bool dayMonthYear)
{
    const LocalDateTime t = date.ToLocal();
    if (dayMonthYear)
        return QStringLiteral("%1-%2-%3")
            .arg(t.day)
            .arg(t.month, 2, 10, QLatin1Char('0'))
            .arg(t.year, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1-%2-%3")
        .arg(t.month, 2, 10, QLatin1Char('0'))
        .arg(t.day, 2, 10, QLatin1Char('0'))
        .arg(t.year, 2, 10, QLatin1Char('0'));
}
