#pragma once

#include <QString>

// Fixed-point texts as "%*.*f" prints them, always with a decimal point.
// width > 0 pads on the left with blanks to that many characters.
QString FormatFixed(double value, int width, int decimals);
// Rounds exactly as printing with that many decimals and reading back does.
double RoundTo(double value, int decimals);
// "%.*g" with precision 15: how numeric dialog fields show a double.
QString FormatGeneral(double value, int precision = 15);
