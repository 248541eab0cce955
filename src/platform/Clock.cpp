#include "Clock.h"

#include <QDateTime>
#include <QRegularExpression>

LocalDateTime SystemClock::Now() const
{
    return LocalDateTime::FromQDateTime(QDateTime::currentDateTime());
}

bool Clock::ParseNow(const QString& text, LocalDateTime* out)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:T(\\d{2}):(\\d{2}))?$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    LocalDateTime t;
    t.year = m.captured(1).toInt();
    t.month = m.captured(2).toInt();
    t.day = m.captured(3).toInt();
    t.hour = m.captured(4).isEmpty() ? 0 : m.captured(4).toInt();
    t.minute = m.captured(5).isEmpty() ? 0 : m.captured(5).toInt();
    if (!t.IsValid())
        return false;
    *out = t;
    return true;
}

std::unique_ptr<Clock> Clock::FromEnvironment(QString* error)
{
    const QString fixed = qEnvironmentVariable("VELLAMO_NOW");
    if (fixed.isEmpty())
        return std::make_unique<SystemClock>();
    LocalDateTime t;
    if (!ParseNow(fixed, &t)) {
        if (error)
            *error = QStringLiteral("VELLAMO_NOW must be a date and time as YYYY-MM-DDTHH:MM, not \"%1\".")
                         .arg(fixed);
        return nullptr;
    }
    return std::make_unique<FixedClock>(t);
}
