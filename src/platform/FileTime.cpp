#include "FileTime.h"

#include "platform/LocalDateTime.h"

namespace {

// Days since 1601-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil, rebased).
qint64 DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const qint64 daysSince1970 = era * 146097 + doe - 719468;
    return daysSince1970 + static_cast<qint64>(FileTime::kDaysTo1970);
}

void CivilFromDays(qint64 days1601, int& y, int& m, int& d)
{
    const qint64 z = days1601 - static_cast<qint64>(FileTime::kDaysTo1970) + 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

} // namespace

FileTime FileTime::FromLocal(const LocalDateTime& t)
{
    const qint64 days = DaysFromCivil(t.year, t.month, t.day);
    if (days < 0)
        return FileTime();
    const quint64 ms =
        ((static_cast<quint64>(t.hour) * 60 + t.minute) * 60 + t.second) * 1000 + t.milliseconds;
    return FileTime(static_cast<quint64>(days) * kTicksPerDay + ms * 10000);
}

FileTime FileTime::FromDate(int year, int month, int day)
{
    return FromLocal(LocalDateTime::FromDate(year, month, day));
}

LocalDateTime FileTime::ToLocal() const
{
    LocalDateTime t;
    CivilFromDays(static_cast<qint64>(m_ticks / kTicksPerDay), t.year, t.month, t.day);
    quint64 rest = (m_ticks % kTicksPerDay) / 10000; // milliseconds of the day
    t.milliseconds = static_cast<int>(rest % 1000);
    rest /= 1000;
    t.second = static_cast<int>(rest % 60);
    rest /= 60;
    t.minute = static_cast<int>(rest % 60);
    t.hour = static_cast<int>(rest / 60);
    return t;
}

quint32 FileTime::SecondsSince1970() const
{
    const quint64 epoch = kDaysTo1970 * kTicksPerDay;
    if (m_ticks < epoch)
        return 0;
    return static_cast<quint32>((m_ticks - epoch) / kTicksPerSecond);
}
