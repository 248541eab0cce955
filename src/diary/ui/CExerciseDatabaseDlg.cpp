#include "CExerciseDatabaseDlg.h"

#include "controls/CTransparentStatic.h"
#include "controls/Form.h"
#include "diary/ActivityTable.h"
#include "platform/DataExchange.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTreeWidget>

CExerciseDatabaseDlg::CExerciseDatabaseDlg(QWidget* parent)
    : CFullScreenDialog(tr("Exercise database"), tr("Exercise database"),
                        QStringLiteral("#exercise_database"), kTemplate, parent)
{
    Form::Caption(this, tr("Time spent:"), 6, 30, 72);
    m_time = new QComboBox(this);
    m_time->setProperty("id", 1140);
    m_time->setEditable(true);
    m_time->addItems(TimeSpentChoices());
    m_time->setCurrentIndex(0);
    m_time->setGeometry(80, 28, 60, 22);
    Form::Caption(this, tr("Minutes"), 146, 30, 70);

    m_activities = new QTreeWidget(this);
    m_activities->setProperty("id", 1034);
    m_activities->setGeometry(0, 55, kWidth, 214);
    m_activities->setRootIsDecorated(false);
    m_activities->setSelectionMode(QAbstractItemView::SingleSelection);
    m_activities->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_activities->setHeaderLabels({tr("Exersise")});
    m_activities->setColumnWidth(0, m_activities->contentsRect().width() - 24);
    for (quint32 i = 0; i < static_cast<quint32>(kActivityCount); ++i) {
        auto* row = new QTreeWidgetItem(m_activities, {ActivityName(i)});
        row->setData(0, Qt::UserRole, i);
    }
    m_activities->sortItems(0, Qt::AscendingOrder);
    connect(m_activities, &QTreeWidget::itemDoubleClicked, this, &CExerciseDatabaseDlg::accept);
    AddButtons();
    // Up and Down choose, Enter takes the choice: the row the keys reach is the one chosen.
    connect(m_activities, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* row) {
        if (row)
            row->setSelected(true);
    });
    m_activities->setFocus();
}

void CExerciseDatabaseDlg::accept()
{
    const QList<QTreeWidgetItem*> chosen = m_activities->selectedItems();
    if (chosen.isEmpty()) {
        reject(); // no activity: nothing is made
        return;
    }
    m_activity = chosen.first()->data(0, Qt::UserRole).toUInt();
    m_minutes = DataExchange::LeadingCount(m_time->currentText());
    CFullScreenDialog::accept();
}
