#pragma once

#include "platform/PropVal.h"

#include <QString>

#include <functional>
#include <vector>

class CDbTable;
class IMessageBox;

// The backup file of one database: one line per record, per property its type tag, its id and
// its value (0 I2, 1 UI2, 2 I4, 3 UI4, 4 FILETIME as high and low halves, 5 text, 6 R8).
namespace BackupFile {

using Record = std::vector<PropVal>;

// Writes every record of the table in its open order; the old file stays until the new one is
// complete.
bool Write(CDbTable& table, const QString& path, IMessageBox* messages);
// Reads a file record by record, checking it strictly: every line has the field count of the
// first line, known tags, ids and numbers that read whole. The visitor returns false to stop;
// on failure *error names the file and the line. Only one record is held at a time.
bool ReadEach(const QString& path, const std::function<bool(Record&)>& visit, QString* error);
// Reads a whole file with the checks above.
bool Read(const QString& path, std::vector<Record>* records, QString* error);
// Checks a whole file; *records counts them.
bool Check(const QString& path, qint64* records, QString* error);
// Replaces the table's records by these, in one transaction.
bool Replace(CDbTable& table, const std::vector<Record>& records);
// Replaces the table's records by the file's, read as they are written, in one transaction:
// a file that fails its checks on the way leaves the table as it was.
bool ReplaceFrom(CDbTable& table, const QString& path, QString* error);

} // namespace BackupFile
