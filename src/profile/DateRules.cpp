#include "DateRules.h"

#include "platform/LocalDateTime.h"

FileTime AddDays(FileTime date, qint64 n)
{
    return date.AddDays(n).Date();
}

FileTime AddDaysWithinCalendar(FileTime date, double days)
{
    const qint64 room = DaysBetween(FileTime::FromDate(9999, 12, 31), date);
    if (!(days >= 0) || days > static_cast<double>(room))
        return FileTime();
    return AddDays(date, static_cast<qint64>(days));
}

qint64 DaysBetween(FileTime later, FileTime earlier)
{
    const qint64 diff = static_cast<qint64>(later.Ticks() - earlier.Ticks());
    return diff / static_cast<qint64>(FileTime::kTicksPerDay);
}

QString DateText(FileTime date, bool dayMonthYear)
{
    if (date.Ticks() == 0)
        return QString(); // no date
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
