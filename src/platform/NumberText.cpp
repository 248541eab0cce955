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

namespace {

// The number at the start of ASCII text (leading blanks already skipped).
double ParseDouble(const char* begin, const char* end, bool* ok)
{
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

// Sign and digits at the start of text read as characters by `at`.
template <typename At> qint64 ParseInt(qsizetype i, qsizetype size, At at)
{
    bool negative = false;
    if (i < size && (at(i) == '+' || at(i) == '-')) {
        negative = at(i) == '-';
        ++i;
    }
    qint64 v = 0;
    for (; i < size && at(i) >= '0' && at(i) <= '9'; ++i) {
        if (v < (qint64(1) << 53))
            v = v * 10 + (at(i) - '0');
    }
    return negative ? -v : v;
}

bool IsBlank(char c)
{
    return QChar::isSpace(static_cast<uchar>(c));
}

} // namespace

double ToDouble(const QString& text, bool* ok)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    QByteArray latin;
    latin.reserve(text.size() - i);
    for (qsizetype j = i; j < text.size() && text[j].unicode() < 128; ++j)
        latin.append(static_cast<char>(text[j].unicode()));
    return ParseDouble(latin.constData(), latin.constData() + latin.size(), ok);
}

double ToDouble(const char* text, qsizetype size, bool* ok)
{
    qsizetype i = 0;
    while (i < size && IsBlank(text[i]))
        ++i;
    qsizetype j = i;
    while (j < size && static_cast<uchar>(text[j]) < 128)
        ++j;
    return ParseDouble(text + i, text + j, ok);
}

qint64 ToInt(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return ParseInt(i, text.size(), [&](qsizetype k) { return text[k].unicode(); });
}

qint64 ToInt(const char* text, qsizetype size)
{
    qsizetype i = 0;
    while (i < size && IsBlank(text[i]))
        ++i;
    return ParseInt(i, size, [&](qsizetype k) { return static_cast<uchar>(text[k]); });
}

} // namespace NumberText
