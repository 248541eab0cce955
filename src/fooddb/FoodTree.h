#pragma once

#include "storage/CFoodTable.h"
#include "storage/CTreeTable.h"

#include <optional>
#include <vector>

// The folder tree of the nutrient database as records: Root (id 0, not a record) and at most
// two levels of folders below it. Foods belong to folders through their folder id.
class FoodTree
{
public:
    static constexpr quint32 kRoot = 0;
    static constexpr quint32 kFirstProgramFoodId = 100000;

    explicit FoodTree(RecordStore& store);

    // Highest food id + 1 (1 for none), raised by 100000 when below it.
    quint32 NewFoodId();

    // A new folder with the next folder id; returns its id (0 when it could not be written).
    quint32 CreateFolder(quint32 parentId, const QString& name);
    // New folders whose ids are chosen (each its own origin), all written or none.
    bool CreateFolders(const std::vector<FolderRecord>& folders);
    bool RenameFolder(quint32 id, const QString& name);
    bool DeleteFolder(quint32 id);
    bool MoveFolder(quint32 id, quint32 newParentId);

    // The folder record; nothing for Root or an unknown id.
    std::optional<FolderRecord> Folder(quint32 id);
    // The parent of a folder (Root's children and unknown folders: 0).
    quint32 ParentOf(quint32 id);
    // Folders in a folder, by label.
    std::vector<FolderRecord> Children(quint32 parentId);
    bool HasSubfolders(quint32 id);
    bool HasFoods(quint32 folderId);
    // Whether ancestor lies on the way from folder up to Root (Root is everyone's ancestor).
    bool IsAncestor(quint32 ancestor, quint32 folder);
    // A second-level folder: its parent is not Root.
    bool IsSecondLevel(quint32 id) { return id != kRoot && ParentOf(id) != kRoot; }

    // -1 when there is none; exact, case-sensitive names, the first in folder-id order.
    qint64 FindTopFolder(const QString& name);
    qint64 FindSubFolder(const QString& firstLevel, const QString& secondLevel);

    // Every folder in depth-first order from Root (Root first, children by label).
    std::vector<quint32> DepthFirst();
    // The order of folders under one parent.
    static bool LabelBefore(const FolderRecord& a, const FolderRecord& b);

    CTreeTable& Table() { return m_tree; }
    CFoodTable& Foods() { return m_foods; }

private:
    qint64 FindChild(quint32 parentId, const QString& name);

    CTreeTable m_tree;
    CFoodTable m_foods;
};
