#include "CExercisePropertiesDlg.h"

#include "controls/CTransparentStatic.h"
#include "controls/Form.h"
#include "diary/ActivityTable.h"
#include "platform/DataExchange.h"

#include <QComboBox>
#include <QLineEdit>

CExercisePropertiesDlg::CExercisePropertiesDlg(const QString& activityName, quint32 minutes, int hour,
                                               int minute, QWidget* parent)
    : CFullScreenDialog(tr("Exercise properties"), tr("Exercise properties"),
                        QStringLiteral("#exercise_database"), kTemplate, parent),
      m_minutes(minutes), m_hour(hour), m_minute(minute)
{
    auto* name = new QLineEdit(activityName, this);
    name->setProperty("id", 1142);
    name->setReadOnly(true);
    name->setGeometry(6, 30, kWidth - 12, 22);
    Form::Caption(this, tr("Time spent:"), 6, 64, 90);
    m_time = new QComboBox(this);
    m_time->setProperty("id", 1140);
    m_time->setEditable(true);
    m_time->addItems(TimeSpentChoices());
    // The entry's minutes as typed; a list item is chosen only when it says exactly that.
    const QString text = QString::number(minutes);
    m_time->setCurrentIndex(m_time->findText(text, Qt::MatchExactly));
    m_time->setEditText(text);
    m_time->setGeometry(100, 62, 56, 22);
    Form::Caption(this, tr("Minutes"), 164, 64, 70);
    m_timeOfDay = std::make_unique<TimeOfDayFields>(this, 96, hour, minute);
    AddButtons();
    m_time->setFocus();
}

CExercisePropertiesDlg::~CExercisePropertiesDlg() = default;

void CExercisePropertiesDlg::accept()
{
    m_hour = m_timeOfDay->Hour();
    m_minute = m_timeOfDay->Minute();
    m_minutes = DataExchange::LeadingCount(m_time->currentText());
    CFullScreenDialog::accept();
}
