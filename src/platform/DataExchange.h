#pragma once

#include <QString>

// The checks numeric dialog fields go through, with the messages the user sees. Each returns
// false with the message in *message when the text is refused; the dialog stays open.
namespace DataExchange {

// The largest figure a number field takes, in a dialog or on the command line.
constexpr double kMaxNumber = 999999;

bool ToNumber(const QString& text, double* value, QString* message);
bool ToInteger(const QString& text, qint64* value, QString* message);
bool InRange(double value, double min, double max, QString* message);
// A number in [min, max] at once.
bool ToNumberInRange(const QString& text, double min, double max, double* value, QString* message);
// The digits a text starts with (after blanks), as a count: no digits give 0, and so does a
// count too large for 32 bits.
quint32 LeadingCount(const QString& text);

} // namespace DataExchange
