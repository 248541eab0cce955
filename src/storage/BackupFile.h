#pragma once

#include "PropVal.h"

#include <QString>

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
// Reads a whole file, checking it strictly: every line has the field count of the first line,
// known tags, ids and numbers that read whole. On failure *error names the file and the line.
bool Read(const QString& path, std::vector<Record>* records, QString* error);
// Replaces the table's records by these, in one transaction.
bool Replace(CDbTable& table, const std::vector<Record>& records);

} // namespace BackupFile
