#include "CStripedListCtrl.h"

#include "ProgramFont.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

const QColor CStripedListCtrl::kEvenRow(224, 224, 255);
const QColor CStripedListCtrl::kOddRow(200, 200, 255);
const QColor CStripedListCtrl::kText(0, 0, 128);

namespace {

class StripeDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto* list = static_cast<const CStripedListCtrl*>(parent());
        if (!(option->state & QStyle::State_Selected))
            option->backgroundBrush = CStripedListCtrl::RowColor(index.row());
        option->palette.setColor(QPalette::Text, list->CellTextColor(index.column()));
    }
};

} // namespace

CStripedListCtrl::CStripedListCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setItemDelegate(new StripeDelegate(this));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setFont(ProgramFont(11));
    header()->setFont(ProgramFont(11));
    header()->setStretchLastSection(false);
    QPalette p = palette();
    p.setColor(QPalette::Base, kEvenRow);
    setPalette(p);
}

QColor CStripedListCtrl::CellTextColor(int column) const
{
    return column == 0 ? palette().color(QPalette::WindowText) : kText;
}
