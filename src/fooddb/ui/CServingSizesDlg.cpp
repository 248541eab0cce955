#include "CServingSizesDlg.h"

#include "app/ui/CommandId.h"
#include "fooddb/ui/CServingSizePropertiesDlg.h"
#include "fooddb/ui/FoodIcons.h"
#include "platform/IMessageBox.h"
#include "profile/NumberFormat.h"
#include "storage/CMeasuresTable.h"

#include <QAction>
#include <QToolBar>
#include <QTreeWidget>

CServingSizesDlg::CServingSizesDlg(RecordStore& store, quint32 foodId, quint32 defaultServingId,
                                   IMessageBox& messages, QWidget* parent)
    : CFullScreenDialog(tr("Serving sizes"), tr("Serving sizes"), QStringLiteral("#serving_sizes"), kTemplate,
                        parent),
      m_sizes(std::make_unique<CMeasuresTable>(store)), m_messages(messages), m_foodId(foodId),
      m_default(defaultServingId)
{
    m_list = new QTreeWidget(this);
    m_list->setProperty("id", 1034);
    m_list->setGeometry(0, 24, kWidth, 120);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setHeaderLabels({tr("Description"), tr("Weight")});
    const int w = m_list->contentsRect().width();
    m_list->setColumnWidth(0, 6 * w / 8);
    m_list->setColumnWidth(1, 2 * w / 8 - 6);
    m_list->headerItem()->setTextAlignment(1, Qt::AlignRight);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { OnCommand(CommandId::kProperties); });

    auto* bar = new QToolBar(this);
    bar->setIconSize(QSize(16, 16));
    bar->setGeometry(0, 146, kWidth, 24);
    const std::pair<int, const char*> commands[] = {
        {CommandId::kNew, QT_TRANSLATE_NOOP("CServingSizesDlg", "New")},
        {CommandId::kDelete, QT_TRANSLATE_NOOP("CServingSizesDlg", "Delete")},
        {CommandId::kProperties, QT_TRANSLATE_NOOP("CServingSizesDlg", "Properties")},
        {CommandId::kSetDefaultServing, QT_TRANSLATE_NOOP("CServingSizesDlg", "Set default serving size")}};
    for (const auto& [id, text] : commands) {
        QAction* a = bar->addAction(FoodIcons::ForCommand(id), tr(text));
        a->setToolTip(tr(text));
        m_commands.insert(id, a);
        connect(a, &QAction::triggered, this, [this, id = id] { OnCommand(id); });
    }
    AddButtons();
    Fill();
}

CServingSizesDlg::~CServingSizesDlg() = default;

void CServingSizesDlg::Fill()
{
    m_list->clear();
    for (RecordOid o = m_sizes->FirstOfFood(m_foodId); o; o = m_sizes->NextOfFood(m_foodId)) {
        if (!m_sizes->Load())
            continue;
        const ServingRecord& s = m_sizes->Buffer();
        auto* row = new QTreeWidgetItem({s.description + (s.id == m_default ? tr(" (default)") : QString()),
                                         FormatFixed(s.weight, 6, 1)});
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        row->setData(0, Qt::UserRole, s.id);
        m_list->addTopLevelItem(row);
    }
    m_list->sortItems(0, Qt::AscendingOrder);
}

quint32 CServingSizesDlg::Selected() const
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->isSelected())
            return m_list->topLevelItem(i)->data(0, Qt::UserRole).toUInt();
    return 0;
}

void CServingSizesDlg::OnCommand(int id)
{
    const quint32 selected = Selected();
    switch (id) {
    case CommandId::kNew: {
        CServingSizePropertiesDlg dialog(QString(), 0, m_messages, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const quint32 added = m_sizes->NewRecord(m_foodId);
        if (added == 0)
            return;
        m_sizes->Buffer().description = dialog.Description();
        m_sizes->Buffer().weight = dialog.Weight();
        m_sizes->Save();
        m_default = added;
        break;
    }
    case CommandId::kDelete:
        if (selected == 0 || !m_sizes->FindId(selected) || !m_sizes->Load())
            return;
        if (!m_messages.AskBeforeDeleting(tr("Are you sure you want to delete serving size: '") +
                                              m_sizes->Buffer().description + QStringLiteral("' ?"),
                                          IMessageBox::Icon::None))
            return;
        m_sizes->DeleteCurrent();
        break;
    case CommandId::kProperties: {
        if (selected == 0 || !m_sizes->FindId(selected) || !m_sizes->Load())
            return;
        CServingSizePropertiesDlg dialog(m_sizes->Buffer().description, m_sizes->Buffer().weight, m_messages,
                                         this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        // Found again: the dialog's run may have seen other writes.
        if (!m_sizes->FindId(selected) || !m_sizes->Load())
            return;
        m_sizes->Buffer().description = dialog.Description();
        m_sizes->Buffer().weight = dialog.Weight();
        m_sizes->Save();
        break;
    }
    case CommandId::kSetDefaultServing:
        if (selected == 0)
            return;
        m_default = selected;
        break;
    default:
        return;
    }
    Fill();
}
