#include "NumberFormat.h"

#include <charconv>
#include <cmath>

namespace {

// The C library's printf would follow the user's locale; to_chars never does.
QString Fixed(double value, int decimals)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    char buf[400];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals < 0 ? 0 : decimals);
    return QString::fromLatin1(buf, res.ptr - buf);
}

} // namespace

QString FormatFixed(double value, int width, int decimals)
{
    QString text = Fixed(value, decimals);
    if (width > 0 && text.size() < width)
        text = QString(width - text.size(), QLatin1Char(' ')) + text;
    return text;
}

double RoundTo(double value, int decimals)
{
    const QByteArray text = Fixed(value, decimals).toLatin1();
    double out = 0.0;
    std::from_chars(text.constData(), text.constData() + text.size(), out);
    return out;
}

QString FormatGeneral(double value, int precision)
{
    if (std::isnan(value) || std::isinf(value))
        return Fixed(value, 0);
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, precision);
    return QString::fromLatin1(buf, res.ptr - buf);
}
