#pragma once

#include "fooddb/FoodTree.h"

#include <QTreeWidget>

#include <optional>

// The nutrient database's folders: Root on top, each folder's children read from the store the
// first time it opens and listed by label. A tap opens or closes a folder (Root stays open);
// labels are edited in place only while a folder is being named.
class CFoodTreeCtrl : public QTreeWidget
{
    Q_OBJECT

public:
    explicit CFoodTreeCtrl(RecordStore& store, QWidget* parent = nullptr);

    // Root and its folders, Root open.
    void Build();
    void ToggleFolder(QTreeWidgetItem* item);

    static quint32 FolderId(const QTreeWidgetItem* item);
    // The selected folder; none when nothing is selected.
    std::optional<quint32> SelectedFolder() const;
    QTreeWidgetItem* Root() const { return topLevelItem(0); }
    // The item of a folder, its parents opened as needed; null when there is none.
    QTreeWidgetItem* ShowFolder(quint32 id);
    void SelectFolder(quint32 id);

    // A new folder's item at the end of its parent's children.
    QTreeWidgetItem* AddFolderItem(quint32 parentId, quint32 id, const QString& name);
    void RemoveFolderItem(quint32 id);
    // A folder moved under another: the destination's children are read again and it opens.
    void FolderMoved(quint32 id, quint32 destinationId);
    void SetCut(std::optional<quint32> id);

    // Starts typing the item's label; labelEdited tells the end.
    void StartLabelEdit(QTreeWidgetItem* item);
    bool IsEditingLabel() const { return m_editing != nullptr; }

    // The colour of the lines that join the folders.
    static const QColor kLineColor;

signals:
    void labelEdited(quint32 folderId, const QString& text);

protected:
    // Lines join each folder to its parent; there are no open and close buttons.
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    QTreeWidgetItem* NewItem(quint32 id, const QString& name);
    QTreeWidgetItem* FindItem(QTreeWidgetItem* under, quint32 id) const;
    void LoadChildren(QTreeWidgetItem* item);

    FoodTree m_tree;
    QTreeWidgetItem* m_editing = nullptr;
    std::optional<quint32> m_cut;
};
