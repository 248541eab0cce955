#include "Clock.h"

#include <QDateTime>

LocalDateTime SystemClock::Now() const
{
    return LocalDateTime::FromQDateTime(QDateTime::currentDateTime());
}

bool Clock::ParseNow(const QString& text, LocalDateTime* out)
{
    // YYYY-MM-DD, or YYYY-MM-DDTHH:MM; read by hand, as a pattern would cost every start its
    // compilation.
    const QString t = text.trimmed();
    if (t.size() != 10 && t.size() != 16)
        return false;
    const auto number = [&](int from, int count, int* value) {
        *value = 0;
        for (int i = from; i < from + count; ++i) {
            if (t[i] < QLatin1Char('0') || t[i] > QLatin1Char('9'))
                return false;
            *value = *value * 10 + (t[i].unicode() - '0');
        }
        return true;
    };
    LocalDateTime d;
    if (!number(0, 4, &d.year) || t[4] != QLatin1Char('-') || !number(5, 2, &d.month) ||
        t[7] != QLatin1Char('-') || !number(8, 2, &d.day))
        return false;
    if (t.size() == 16 && (t[10] != QLatin1Char('T') || !number(11, 2, &d.hour) ||
                           t[13] != QLatin1Char(':') || !number(14, 2, &d.minute)))
        return false;
    if (!d.IsValid())
        return false;
    *out = d;
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
