#pragma once

#include <QtGlobal>

#include <compare>

struct LocalDateTime;

// 64-bit count of 100 ns intervals since 1601-01-01 00:00 of the local wall-clock fields,
// converted as if they were UTC: every calendar day is exactly kTicksPerDay long, so day
// arithmetic never drifts across a daylight-saving change.
class FileTime
{
public:
    static constexpr quint64 kTicksPerSecond = 10000000ULL;
    static constexpr quint64 kTicksPerDay = 864000000000ULL;
    // Days from 1601-01-01 to 1970-01-01.
    static constexpr quint64 kDaysTo1970 = 134774ULL;

    constexpr FileTime() = default;
    constexpr explicit FileTime(quint64 ticks) : m_ticks(ticks) {}

    static FileTime FromLocal(const LocalDateTime& t);
    static FileTime FromDate(int year, int month, int day);
    LocalDateTime ToLocal() const;

    constexpr quint64 Ticks() const { return m_ticks; }
    constexpr quint32 Low() const { return static_cast<quint32>(m_ticks); }
    constexpr quint32 High() const { return static_cast<quint32>(m_ticks >> 32); }
    static constexpr FileTime FromHalves(quint32 low, quint32 high)
    {
        return FileTime((static_cast<quint64>(high) << 32) | low);
    }

    // The same day at 00:00.
    constexpr FileTime Date() const { return FileTime(m_ticks - m_ticks % kTicksPerDay); }
    constexpr FileTime AddDays(qint64 days) const
    {
        return FileTime(
            static_cast<quint64>(static_cast<qint64>(m_ticks) + days * static_cast<qint64>(kTicksPerDay)));
    }
    // Whole days from this to other (other later: positive), counted between their dates.
    constexpr qint64 DaysUntil(FileTime other) const
    {
        return static_cast<qint64>(other.Date().m_ticks / kTicksPerDay) -
               static_cast<qint64>(Date().m_ticks / kTicksPerDay);
    }
    // Local wall-clock seconds since 1970-01-01 00:00 (0 before 1970).
    quint32 SecondsSince1970() const;

    constexpr auto operator<=>(const FileTime&) const = default;

private:
    quint64 m_ticks = 0;
};
