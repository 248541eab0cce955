#include "DialogData.h"

#include "platform/DataExchange.h"
#include "platform/IMessageBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace DialogData {

namespace {
bool Refuse(IMessageBox& messages, QLineEdit* field, const QString& message)
{
    messages.Tell(message, IMessageBox::Icon::Warning);
    field->setFocus();
    field->selectAll();
    return false;
}
} // namespace

void Show(QLineEdit* field, const QString& text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

bool Number(IMessageBox& messages, QLineEdit* field, double min, double max, double* value)
{
    QString message;
    if (!DataExchange::ToNumberInRange(field->text(), min, max, value, &message))
        return Refuse(messages, field, message);
    return true;
}

bool Integer(IMessageBox& messages, QLineEdit* field, qint64 min, qint64 max, qint64* value)
{
    QString message;
    if (!DataExchange::ToInteger(field->text(), value, &message) ||
        !DataExchange::InRange(static_cast<double>(*value), static_cast<double>(min),
                               static_cast<double>(max), &message))
        return Refuse(messages, field, message);
    return true;
}

void SelectOrAppend(QComboBox* list, const QString& text)
{
    int i = list->findText(text, Qt::MatchExactly);
    if (i < 0) {
        list->addItem(text);
        i = list->count() - 1;
    }
    list->setCurrentIndex(i);
}

bool ConfirmCancel(IMessageBox& messages)
{
    return messages.Ask(QCoreApplication::translate(
                            "DialogData", "Are you sure you want to cancel dialog. Changes will be lost."),
                        IMessageBox::Icon::Warning);
}

} // namespace DialogData
