#include "platform/FileTime.h"
#include "platform/Clock.h"
#include "platform/LocalDateTime.h"

#include <gtest/gtest.h>

TEST(FileTime, CalendarFieldsConvertExactly)
{
    struct Case
    {
        LocalDateTime t;
        quint64 ticks;
    };
    const Case cases[] = {
        {{1601, 1, 1, 0, 0, 0, 0}, 0ULL},
        {{1601, 1, 2, 0, 0, 0, 0}, 864000000000ULL},
        {{1970, 1, 1, 0, 0, 0, 0}, 116444736000000000ULL},
        {{2000, 2, 29, 0, 0, 0, 0}, 125962560000000000ULL},
        {{2026, 12, 9, 14, 30, 15, 250}, 134413002152500000ULL},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileTime::FromLocal(c.t).Ticks(), c.ticks)
            << c.t.year << '-' << c.t.month << '-' << c.t.day;
        EXPECT_EQ(FileTime(c.ticks).ToLocal(), c.t);
    }
}

TEST(FileTime, DaysNeverDriftAcrossClockChanges)
{
    // The last Sunday of March and of October: wall-clock days are still exactly one day long.
    const FileTime march = FileTime::FromDate(2026, 3, 28);
    EXPECT_EQ(march.AddDays(2).ToLocal(), LocalDateTime::FromDate(2026, 3, 30));
    const FileTime afternoon = FileTime::FromLocal({2026, 10, 24, 15, 45, 0, 0});
    EXPECT_EQ(afternoon.Date(), FileTime::FromDate(2026, 10, 24));
    EXPECT_EQ(afternoon.DaysUntil(FileTime::FromDate(2026, 10, 26)), 2);
    EXPECT_EQ(FileTime::FromDate(2027, 1, 1).DaysUntil(FileTime::FromDate(2026, 12, 31)), -1);
    EXPECT_EQ(FileTime::FromDate(2024, 1, 1).AddDays(366), FileTime::FromDate(2025, 1, 1));
}

TEST(FileTime, SecondsSince1970AndWeekday)
{
    EXPECT_EQ(FileTime::FromDate(1970, 1, 2).SecondsSince1970(), 86400u);
    EXPECT_EQ(FileTime::FromDate(1969, 12, 31).SecondsSince1970(), 0u);
    EXPECT_EQ(LocalDateTime::FromDate(2026, 12, 9).DayOfWeek(), 3); // a Wednesday
    EXPECT_EQ(LocalDateTime::FromDate(1601, 1, 1).DayOfWeek(), 1);
}

TEST(Clock, NowFromTheEnvironmentText)
{
    LocalDateTime t;
    ASSERT_TRUE(Clock::ParseNow(QStringLiteral("2026-12-09T07:05"), &t));
    EXPECT_EQ(t, (LocalDateTime{2026, 12, 9, 7, 5, 0, 0}));
    ASSERT_TRUE(Clock::ParseNow(QStringLiteral("2024-02-29"), &t));
    EXPECT_EQ(t, LocalDateTime::FromDate(2024, 2, 29));
    for (const char* bad :
         {"2025-02-29", "2026-13-01", "2026-12-09T24:00", "9.12.2026", "", "2026-12-09T7:05",
          "2026-12-09 07:05", "+026-12-09", "2026-12-09T07:05:00", "2026-1a-09"})
        EXPECT_FALSE(Clock::ParseNow(QString::fromLatin1(bad), &t)) << bad;

    FixedClock clock(LocalDateTime{2026, 12, 31, 23, 59, 0, 0});
    EXPECT_EQ(clock.Today(), FileTime::FromDate(2026, 12, 31));
    clock.AdvanceDays(1);
    EXPECT_EQ(clock.Now(), (LocalDateTime{2027, 1, 1, 23, 59, 0, 0}));
}
