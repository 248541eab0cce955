#pragma once

#include "platform/FileTime.h"
#include "platform/LocalDateTime.h"

#include <QString>

#include <memory>

// Source of the local time. The program takes one at start-up; tests inject a fixed one.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;

    FileTime NowFileTime() const { return FileTime::FromLocal(Now()); }
    // Today's date with time of day 00:00.
    FileTime Today() const { return NowFileTime().Date(); }

    // The system clock, or a fixed one when VELLAMO_NOW=YYYY-MM-DDTHH:MM is set.
    // A malformed VELLAMO_NOW gives null and a message in *error.
    static std::unique_ptr<Clock> FromEnvironment(QString* error);
    // Parses "YYYY-MM-DDTHH:MM" (or "YYYY-MM-DD", meaning 00:00).
    static bool ParseNow(const QString& text, LocalDateTime* out);
};

class SystemClock : public Clock
{
public:
    LocalDateTime Now() const override;
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(const LocalDateTime& now) : m_now(now) {}
    LocalDateTime Now() const override { return m_now; }
    void Set(const LocalDateTime& now) { m_now = now; }
    void AdvanceDays(int days) { m_now = NowFileTime().AddDays(days).ToLocal(); }

private:
    LocalDateTime m_now;
};
