#pragma once

#include <QString>

// Numbers as text, always in the C locale whatever the user's locale.
namespace NumberText {

// The shortest text that reads back to the same double ("250", "0.1").
QString Shortest(double v);
// The same into buf (at least 32 bytes); returns its length.
qsizetype Shortest(double v, char* buf, qsizetype size);
// Like the platform's text-to-double: leading blanks skipped, the longest number at the start
// taken, 0 when there is none.
double ToDouble(const QString& text, bool* ok = nullptr);
// Like the platform's text-to-integer: leading blanks skipped, an optional sign and the digits
// that follow; 0 when there are none.
qint64 ToInt(const QString& text);
// The same two for 8-bit text, each byte one character (Latin-1), without making a QString.
double ToDouble(const char* text, qsizetype size, bool* ok = nullptr);
qint64 ToInt(const char* text, qsizetype size);

} // namespace NumberText
