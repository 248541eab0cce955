#pragma once

#include "platform/DataExchange.h"

#include <QString>

class IMessageBox;
class QComboBox;
class QLineEdit;

// Reads numeric fields of a dialog the way every dialog does: a refused text is told with its
// message, the field gets the focus with its text selected, and the dialog stays open.
namespace DialogData {

constexpr double kMaxNumber = DataExchange::kMaxNumber;

bool Number(IMessageBox& messages, QLineEdit* field, double min, double max, double* value);
bool Integer(IMessageBox& messages, QLineEdit* field, qint64 min, qint64 max, qint64* value);

// Fills a field so that it shows the start of its text: a long figure its first digits, a long
// name its first words (a line edit filled by setText shows the end).
void Show(QLineEdit* field, const QString& text);

// Selects the list item with exactly this text, adding it at the end when there is none.
void SelectOrAppend(QComboBox* list, const QString& text);

// The question before a dialog that edits the profile is cancelled; true to leave it.
bool ConfirmCancel(IMessageBox& messages);

} // namespace DialogData
