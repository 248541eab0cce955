#pragma once

#include "platform/FileTime.h"

#include <QDate>

class QDateEdit;
class QWidget;

// The From and To pickers at the top of the reports and the graphs, with their labels.
namespace PeriodPickers {

QDate ToQDate(FileTime t);
FileTime ToFileTime(const QDate& d);
// Makes "From:" and "To:" with their 88 x 22 pickers at x 30 and x 150.
void Create(QWidget* form, QDateEdit** from, QDateEdit** to);

} // namespace PeriodPickers
