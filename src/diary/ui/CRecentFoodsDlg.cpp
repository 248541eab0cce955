#include "CRecentFoodsDlg.h"

#include "app/ui/CommandIcons.h"
#include "diary/DiaryScreen.h"
#include "storage/CLruFoodsTable.h"

#include <QHeaderView>
#include <QTreeWidget>

CRecentFoodsDlg::CRecentFoodsDlg(RecordStore& store, QWidget* parent)
    : CFullScreenDialog(tr("Last Recently Used Foods"), tr("Recent Meals"), QString(), kTemplate, parent)
{
    m_list = new QTreeWidget(this);
    m_list->setProperty("id", 1021);
    m_list->setGeometry(0, 24, kWidth, 245);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setIconSize(QSize(16, 13));
    m_list->setHeaderLabels({tr("Food"), tr("Serving Size")});
    const int w = m_list->contentsRect().width(); // the client width, before any layout
    // 12 : 8, within the list's width.
    m_list->setColumnWidth(0, w * 12 / 20);
    m_list->setColumnWidth(1, w - w * 12 / 20);
    // Oldest first, each put on top: the latest use leads the list.
    CLruFoodsTable recent(store);
    recent.Reopen(CLruFoodsTable::kLastUseProp);
    const QIcon meal = CommandIcons::ForRow(static_cast<int>(DiaryScreen::RowIcon::Meal));
    for (RecordOid o = recent.First(); o; o = recent.Next()) {
        if (!recent.Load())
            continue;
        const RecentFoodRecord& r = recent.Buffer();
        auto* row =
            new QTreeWidgetItem({r.name, DiaryScreen::AmountText(r.servings, r.weight, r.servingName)});
        row->setIcon(0, meal);
        row->setData(0, Qt::UserRole, r.foodId);
        m_list->insertTopLevelItem(0, row);
    }
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CRecentFoodsDlg::accept);
    AddButtons();
    // Up and Down choose, Enter takes the choice: the row the keys reach is the one chosen.
    connect(m_list, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* row) {
        if (row)
            row->setSelected(true);
    });
    m_list->setFocus();
}

void CRecentFoodsDlg::accept()
{
    const QList<QTreeWidgetItem*> chosen = m_list->selectedItems();
    if (chosen.isEmpty()) {
        reject(); // nothing chosen: nothing is made
        return;
    }
    m_foodId = chosen.first()->data(0, Qt::UserRole).toUInt();
    CFullScreenDialog::accept();
}
