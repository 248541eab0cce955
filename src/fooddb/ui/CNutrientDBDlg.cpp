#include "CNutrientDBDlg.h"

#include "CFoodDBDoc.h"

#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

CNutrientDBDlg::CNutrientDBDlg(CFoodDBDoc& doc, bool filtered, QWidget* parent)
    : CFullScreenDialog(QStringLiteral("Nutrient database"), QStringLiteral("Nutrient database"),
                        QStringLiteral("#nutrition_database"), kTemplate, parent)
{
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(QStringLiteral("Search"));
    m_search->setGeometry(6, kSeparatorY + 4, 228, 22);
    m_list = new QListWidget(this);
    m_list->setGeometry(6, kSeparatorY + 30, 228, kHeight - kSeparatorY - 68);
    m_list->setUniformItemSizes(true);

    // A table of our own: the document's food cursor stays where its dialogs left it.
    CFoodTable foods(doc.Diary().Store());
    std::vector<std::pair<QString, quint32>> all;
    for (RecordOid o = foods.First(); o; o = foods.Next())
        if (foods.Load())
            all.emplace_back(foods.Buffer().name, foods.Buffer().id);
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    for (const auto& [name, id] : all) {
        if (filtered && !doc.FoodFitsFilters(id))
            continue;
        auto* item = new QListWidgetItem(name, m_list);
        item->setData(Qt::UserRole, id);
    }
    connect(m_search, &QLineEdit::textChanged, this, &CNutrientDBDlg::Narrow);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CNutrientDBDlg::accept);
    AddButtons();
}

void CNutrientDBDlg::Narrow(const QString& text)
{
    for (int i = 0; i < m_list->count(); ++i)
        m_list->item(i)->setHidden(!m_list->item(i)->text().contains(text, Qt::CaseInsensitive));
}

void CNutrientDBDlg::accept()
{
    QListWidgetItem* item = m_list->currentItem();
    if (!item || item->isHidden())
        return; // no food chosen: the dialog stays
    m_foodId = item->data(Qt::UserRole).toUInt();
    m_name = item->text();
    CFullScreenDialog::accept();
}
