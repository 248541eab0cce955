#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable test failure output for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{';
    for (const QString& s : l)
        *os << '"' << s.toStdString() << "\" ";
    *os << '}';
}

inline void PrintTo(const QDate& d, std::ostream* os)
{
    *os << d.toString(Qt::ISODate).toStdString();
}
