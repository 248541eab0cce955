#include "DataExchange.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace DataExchange {

namespace {

// The whole text, blanks around it aside, must be the number. A comma is the decimal separator
// many people write ("72,5"); it is never read as a thousands separator, so no text is taken
// for a number a thousand times larger.
bool Whole(const QString& text, double* value)
{
    QString t = text.trimmed();
    if (t.count(QLatin1Char(',')) == 1 && !t.contains(QLatin1Char('.')))
        t.replace(QLatin1Char(','), QLatin1Char('.'));
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = c.toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

} // namespace

bool ToNumber(const QString& text, double* value, QString* message)
{
    if (Whole(text, value))
        return true;
    *message = QCoreApplication::translate("DataExchange", "Please enter a number.");
    return false;
}

bool ToInteger(const QString& text, qint64* value, QString* message)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok, 10);
    if (ok) {
        *value = v;
        return true;
    }
    *message = QCoreApplication::translate("DataExchange", "Please enter an integer.");
    return false;
}

bool InRange(double value, double min, double max, QString* message)
{
    if (value >= min && value <= max)
        return true;
    *message = QCoreApplication::translate("DataExchange", "Please enter a number between %1 and %2.")
                   .arg(QString::number(min, 'g', 15), QString::number(max, 'g', 15));
    return false;
}

bool ToNumberInRange(const QString& text, double min, double max, double* value, QString* message)
{
    return ToNumber(text, value, message) && InRange(*value, min, max, message);
}

quint32 LeadingCount(const QString& text)
{
    const QString t = text.trimmed();
    qint64 n = 0;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        n = n * 10 + (c.unicode() - '0');
        if (n > 0xFFFFFFFFLL)
            return 0;
    }
    return static_cast<quint32>(n);
}

} // namespace DataExchange
