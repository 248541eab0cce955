#include "CStripedListCtrl.h"

#include "controls/ProgramFont.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

const QColor CStripedListCtrl::kEvenRow(224, 224, 255);
const QColor CStripedListCtrl::kOddRow(200, 200, 255);
const QColor CStripedListCtrl::kText(0, 0, 128);

namespace {

class StripeDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(static_cast<const CStripedListCtrl*>(parent())->RowHeight());
        return size;
    }

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
    connect(header(), &QHeaderView::sectionResized, this, [this] { ElideHeaders(); });
    QPalette p = palette();
    p.setColor(QPalette::Base, kEvenRow);
    setPalette(p);
}

int CStripedListCtrl::RowHeight() const
{
    return std::max(fontMetrics().height(), iconSize().height()) + 2;
}

void CStripedListCtrl::SetHeaderLabels(const QStringList& labels)
{
    m_headers = labels;
    setHeaderLabels(labels);
    for (int c = 0; c < labels.size(); ++c)
        headerItem()->setToolTip(c, labels[c]);
    ElideHeaders();
}

void CStripedListCtrl::ElideHeaders()
{
    const QFontMetrics metrics(header()->font());
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header()) + 2;
    for (int c = 0; c < m_headers.size() && c < columnCount(); ++c) {
        const QString shown = metrics.elidedText(m_headers[c], Qt::ElideRight, columnWidth(c) - margin);
        if (headerItem()->text(c) != shown)
            headerItem()->setText(c, shown);
    }
}

QColor CStripedListCtrl::CellTextColor(int column) const
{
    return column == 0 ? palette().color(QPalette::WindowText) : kText;
}
