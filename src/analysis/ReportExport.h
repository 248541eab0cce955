#pragma once

#include "platform/FileTime.h"

#include <QString>

class CFoodDBDoc;
class IMessageBox;

// Writes the open profile's diary of a period to a comma-separated file: a header, every entry
// of each day with a record, a total line per day, then the period's totals and averages. The
// diary is read with tables of its own; the document's day and buffers stay as they are.
namespace ReportExport {

constexpr int kColumns = 29;

// A To before From becomes From. False when the file could not be written (told through messages).
bool ExportReport(CFoodDBDoc& doc, FileTime from, FileTime to, const QString& path, IMessageBox* messages);
// The text of a meal's serving in the file: the name alone for exactly one serving.
QString ServingText(double servings, double grams, const QString& servingName);

} // namespace ReportExport
