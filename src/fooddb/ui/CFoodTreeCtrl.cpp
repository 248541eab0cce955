#include "CFoodTreeCtrl.h"

#include "fooddb/ui/FoodIcons.h"

#include <QHeaderView>
#include <QPainter>

namespace {

constexpr int kLoadedRole = Qt::UserRole + 1;

} // namespace

CFoodTreeCtrl::CFoodTreeCtrl(RecordStore& store, QWidget* parent) : QTreeWidget(parent), m_tree(store)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setItemsExpandable(false); // a tap on the row opens and closes
    setExpandsOnDoubleClick(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIndentation(14);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { ToggleFolder(item); });
}

const QColor CFoodTreeCtrl::kLineColor(128, 128, 128);

void CFoodTreeCtrl::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const
{
    // No open and close buttons (a tap on the row opens and closes): only the lines.
    const int indent = indentation();
    const int mid = rect.top() + rect.height() / 2;
    auto hasNext = [](const QModelIndex& i) { return i.sibling(i.row() + 1, 0).isValid(); };
    painter->save();
    painter->setPen(QPen(kLineColor, 1, Qt::DotLine));
    // The item's own column: down from its parent's line, across to the item.
    int x = rect.right() + 1 - indent;
    if (x >= rect.left()) {
        const int cx = x + indent / 2;
        painter->drawLine(cx, mid, rect.right(), mid);
        painter->drawLine(cx, rect.top(), cx, hasNext(index) ? rect.bottom() : mid);
    }
    // The columns of the ancestors that have folders after them.
    for (QModelIndex a = index.parent(); a.isValid() && x - indent >= rect.left(); a = a.parent()) {
        x -= indent;
        if (hasNext(a))
            painter->drawLine(x + indent / 2, rect.top(), x + indent / 2, rect.bottom());
    }
    painter->restore();
}

quint32 CFoodTreeCtrl::FolderId(const QTreeWidgetItem* item)
{
    return item ? item->data(0, Qt::UserRole).toUInt() : FoodTree::kRoot;
}

QTreeWidgetItem* CFoodTreeCtrl::NewItem(quint32 id, const QString& name)
{
    auto* item = new QTreeWidgetItem({name});
    item->setData(0, Qt::UserRole, id);
    item->setIcon(0, FoodIcons::ForFolder());
    return item;
}

void CFoodTreeCtrl::Build()
{
    clear();
    m_editing = nullptr;
    m_cut.reset();
    addTopLevelItem(NewItem(FoodTree::kRoot, tr("Root")));
    ToggleFolder(Root());
}

void CFoodTreeCtrl::LoadChildren(QTreeWidgetItem* item)
{
    if (item->data(0, kLoadedRole).toBool())
        return;
    item->setData(0, kLoadedRole, true);
    for (const FolderRecord& f : m_tree.Children(FolderId(item)))
        item->addChild(NewItem(f.id, f.name));
}

void CFoodTreeCtrl::ToggleFolder(QTreeWidgetItem* item)
{
    if (!item)
        return;
    if (item->isExpanded()) {
        if (item != Root())
            item->setExpanded(false);
        return;
    }
    LoadChildren(item);
    item->setExpanded(true);
}

std::optional<quint32> CFoodTreeCtrl::SelectedFolder() const
{
    const QList<QTreeWidgetItem*> chosen = selectedItems();
    if (chosen.isEmpty())
        return std::nullopt;
    return FolderId(chosen.first());
}

QTreeWidgetItem* CFoodTreeCtrl::FindItem(QTreeWidgetItem* under, quint32 id) const
{
    if (!under)
        return nullptr;
    if (FolderId(under) == id)
        return under;
    for (int i = 0; i < under->childCount(); ++i)
        if (QTreeWidgetItem* found = FindItem(under->child(i), id))
            return found;
    return nullptr;
}

QTreeWidgetItem* CFoodTreeCtrl::ShowFolder(quint32 id)
{
    if (id == FoodTree::kRoot)
        return Root();
    // The way down from Root, each folder on it open.
    std::vector<quint32> path{id};
    for (quint32 at = id; (at = m_tree.ParentOf(at)) != FoodTree::kRoot && path.size() < 3;)
        path.insert(path.begin(), at);
    QTreeWidgetItem* item = Root();
    for (quint32 step : path) {
        LoadChildren(item);
        item->setExpanded(true);
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i)
            if (FolderId(item->child(i)) == step)
                next = item->child(i);
        if (!next)
            return nullptr;
        item = next;
    }
    return item;
}

void CFoodTreeCtrl::SelectFolder(quint32 id)
{
    if (QTreeWidgetItem* item = ShowFolder(id)) {
        setCurrentItem(item);
        scrollToItem(item);
    }
}

QTreeWidgetItem* CFoodTreeCtrl::AddFolderItem(quint32 parentId, quint32 id, const QString& name)
{
    QTreeWidgetItem* parent = ShowFolder(parentId);
    if (!parent)
        return nullptr;
    QTreeWidgetItem* item = NewItem(id, name);
    parent->addChild(item);
    parent->setExpanded(true);
    return item;
}

void CFoodTreeCtrl::RemoveFolderItem(quint32 id)
{
    QTreeWidgetItem* item = FindItem(Root(), id);
    if (!item || item == Root())
        return;
    if (m_cut == id)
        m_cut.reset();
    delete item;
}

void CFoodTreeCtrl::FolderMoved(quint32 id, quint32 destinationId)
{
    RemoveFolderItem(id);
    QTreeWidgetItem* destination = ShowFolder(destinationId);
    if (!destination)
        return;
    qDeleteAll(destination->takeChildren());
    destination->setData(0, kLoadedRole, false);
    LoadChildren(destination);
    destination->setExpanded(true);
    SelectFolder(id);
}

void CFoodTreeCtrl::SetCut(std::optional<quint32> id)
{
    if (m_cut)
        if (QTreeWidgetItem* item = FindItem(Root(), *m_cut)) {
            item->setForeground(0, palette().text());
            item->setIcon(0, FoodIcons::ForFolder());
        }
    m_cut = id;
    if (m_cut)
        if (QTreeWidgetItem* item = FindItem(Root(), *m_cut)) {
            item->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
            item->setIcon(0, QIcon(FoodIcons::ForFolder().pixmap(iconSize(), QIcon::Disabled)));
        }
}

void CFoodTreeCtrl::StartLabelEdit(QTreeWidgetItem* item)
{
    if (!item)
        return;
    m_editing = item;
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    setFocus();
    editItem(item, 0);
}

void CFoodTreeCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTreeWidget::closeEditor(editor, hint);
    QTreeWidgetItem* item = m_editing;
    m_editing = nullptr;
    if (!item)
        return;
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    // A cancelled edit leaves the label as it was, which is what is kept.
    emit labelEdited(FolderId(item), item->text(0));
}
