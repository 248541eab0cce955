#include "CExerciseDatabaseDlg.h"

#include "ActivityTable.h"
#include "CTransparentStatic.h"
#include "DialogData.h"
#include "QtMessageBox.h"

#include <QComboBox>
#include <QListWidget>

CExerciseDatabaseDlg::CExerciseDatabaseDlg(QWidget* parent)
    : CFullScreenDialog(QStringLiteral("Exercise database"), QStringLiteral("Exercise database"),
                        QStringLiteral("#exercise_database"), kTemplate, parent)
{
    m_activities = new QListWidget(this);
    m_activities->setGeometry(6, kSeparatorY + 4, 228, 200);
    for (int i = 0; i < kActivityCount; ++i) {
        auto* item = new QListWidgetItem(ActivityName(static_cast<quint32>(i)), m_activities);
        item->setData(Qt::UserRole, i);
    }
    auto* label = new CTransparentStatic(QStringLiteral("Time spent (minutes):"), this);
    label->setGeometry(6, kSeparatorY + 212, 140, 20);
    m_time = new QComboBox(this);
    m_time->setEditable(true);
    m_time->addItems(TimeSpentChoices());
    m_time->setGeometry(150, kSeparatorY + 210, 84, 22);
    connect(m_activities, &QListWidget::itemDoubleClicked, this, &CExerciseDatabaseDlg::accept);
    AddButtons();
}

void CExerciseDatabaseDlg::accept()
{
    QListWidgetItem* item = m_activities->currentItem();
    if (!item)
        return;
    qint64 minutes = 0;
    QtMessageBox messages(this);
    if (!DialogData::Integer(messages, m_time->lineEdit(), 0, 1440, &minutes))
        return;
    m_activity = item->data(Qt::UserRole).toUInt();
    m_minutes = static_cast<quint32>(minutes);
    CFullScreenDialog::accept();
}
