#include "CExercisePropertiesDlg.h"

#include "ActivityTable.h"
#include "CTransparentStatic.h"
#include "DialogData.h"
#include "QtMessageBox.h"

#include <QComboBox>
#include <QTimeEdit>

CExercisePropertiesDlg::CExercisePropertiesDlg(const QString& activityName, quint32 minutes, int hour,
                                               int minute, QWidget* parent)
    : CFullScreenDialog(QStringLiteral("Exercise properties"), QStringLiteral("Exercise properties"),
                        QStringLiteral("#exercise_database"), kTemplate, parent),
      m_minutes(minutes)
{
    auto* name = new CTransparentStatic(activityName, this);
    name->setWordWrap(true);
    name->setGeometry(8, kSeparatorY + 6, 224, 32);
    auto* label = new CTransparentStatic(QStringLiteral("Time spent (minutes):"), this);
    label->setGeometry(8, kSeparatorY + 46, 140, 20);
    m_time = new QComboBox(this);
    m_time->setEditable(true);
    m_time->addItems(TimeSpentChoices());
    m_time->setCurrentText(QString::number(minutes));
    m_time->setGeometry(150, kSeparatorY + 44, 82, 22);
    auto* at = new CTransparentStatic(QStringLiteral("Time:"), this);
    at->setGeometry(8, kSeparatorY + 80, 140, 20);
    m_clock = new QTimeEdit(QTime(hour, minute), this);
    m_clock->setDisplayFormat(QStringLiteral("HH:mm"));
    m_clock->setGeometry(150, kSeparatorY + 78, 82, 22);
    AddButtons();
}

int CExercisePropertiesDlg::Hour() const
{
    return m_clock->time().hour();
}

int CExercisePropertiesDlg::Minute() const
{
    return m_clock->time().minute();
}

void CExercisePropertiesDlg::accept()
{
    qint64 minutes = 0;
    QtMessageBox messages(this);
    if (!DialogData::Integer(messages, m_time->lineEdit(), 0, 1440, &minutes))
        return;
    m_minutes = static_cast<quint32>(minutes);
    CFullScreenDialog::accept();
}
