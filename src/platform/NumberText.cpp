#include "NumberText.h"

#include <charconv>
#include <cmath>

namespace NumberText {

QString Shortest(double v)
{
    char buf[64];
    return QString::fromLatin1(buf, Shortest(v, buf, sizeof buf));
}

qsizetype Shortest(double v, char* buf, qsizetype size)
{
    if (v == 0.0) {
        buf[0] = '0'; // also for -0
        return 1;
    }
    const auto res = std::to_chars(buf, buf + size, v);
    return res.ptr - buf;
}

double ToDouble(const QString& text, bool* ok)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    QByteArray latin;
    latin.reserve(text.size() - i);
    for (qsizetype j = i; j < text.size() && text[j].unicode() < 128; ++j)
        latin.append(static_cast<char>(text[j].unicode()));
    const char* begin = latin.constData();
    const char* end = begin + latin.size();
    bool negative = false;
    if (begin != end && (*begin == '+' || *begin == '-')) {
        negative = *begin == '-';
        ++begin;
    }
    double v = 0.0;
    const auto res = std::from_chars(begin, end, v, std::chars_format::general);
    const bool parsed = res.ec == std::errc() || res.ec == std::errc::result_out_of_range;
    if (ok)
        *ok = parsed;
    if (!parsed)
        return 0.0;
    if (res.ec == std::errc::result_out_of_range)
        v = std::fabs(v) < 1.0 ? 0.0 : HUGE_VAL;
    return negative ? -v : v;
}

qint64 ToInt(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    qint64 v = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        if (v < (qint64(1) << 53))
            v = v * 10 + (text[i].unicode() - '0');
    }
    return negative ? -v : v;
}

} // namespace NumberText
