#include "FoodTree.h"

#include <algorithm>
#include <map>
#include <set>

FoodTree::FoodTree(RecordStore& store) : m_tree(store), m_foods(store) {}

quint32 FoodTree::NewFoodId()
{
    m_foods.Reopen(CDbTable::kIdProp);
    const quint32 id = m_foods.NextId();
    return id < kFirstProgramFoodId ? id + kFirstProgramFoodId : id;
}

quint32 FoodTree::CreateFolder(quint32 parentId, const QString& name)
{
    RecordStore::Batch batch(m_tree.Store()); // the highest id read and the folder written under one lock
    FolderRecord r;
    r.id = m_tree.NextNodeId();
    r.parentId = parentId;
    r.name = name;
    if (!CreateFolders({r}))
        batch.Abandon();
    if (!batch.Commit())
        return 0;
    return r.id;
}

bool FoodTree::CreateFolders(const std::vector<FolderRecord>& folders)
{
    RecordStore::Batch batch(m_tree.Store());
    m_tree.Reopen(CTreeTable::kNodeProp);
    for (const FolderRecord& f : folders) {
        FolderRecord& r = m_tree.Buffer();
        r = f;
        r.originId = f.id;
        if (!m_tree.Insert()) {
            batch.Abandon();
            break;
        }
    }
    return batch.Commit();
}

std::optional<FolderRecord> FoodTree::Folder(quint32 id)
{
    if (id == kRoot || !m_tree.FindNode(id) || !m_tree.Load())
        return std::nullopt;
    return m_tree.Buffer();
}

bool FoodTree::RenameFolder(quint32 id, const QString& name)
{
    if (id == kRoot || !m_tree.FindNode(id) || !m_tree.Load())
        return false;
    m_tree.Buffer().name = name;
    return m_tree.Save();
}

bool FoodTree::DeleteFolder(quint32 id)
{
    if (id == kRoot || !m_tree.FindNode(id))
        return false;
    m_tree.DeleteCurrent();
    return true;
}

bool FoodTree::MoveFolder(quint32 id, quint32 newParentId)
{
    if (id == kRoot || !m_tree.FindNode(id) || !m_tree.Load())
        return false;
    m_tree.Buffer().parentId = newParentId;
    return m_tree.Save();
}

quint32 FoodTree::ParentOf(quint32 id)
{
    const std::optional<FolderRecord> f = Folder(id);
    return f ? f->parentId : kRoot;
}

std::vector<FolderRecord> FoodTree::Children(quint32 parentId)
{
    std::vector<FolderRecord> out;
    for (RecordOid o = m_tree.FirstChild(parentId); o; o = m_tree.NextChild(parentId)) {
        if (m_tree.Load() && m_tree.Buffer().id != 0)
            out.push_back(m_tree.Buffer());
    }
    std::stable_sort(out.begin(), out.end(), LabelBefore);
    return out;
}

bool FoodTree::HasSubfolders(quint32 id)
{
    for (RecordOid o = m_tree.FirstChild(id); o; o = m_tree.NextChild(id)) {
        if (m_tree.Load() && m_tree.Buffer().id != 0)
            return true;
    }
    return false;
}

bool FoodTree::HasFoods(quint32 folderId)
{
    m_foods.Reopen(CFoodTable::kFolderProp);
    m_foods.Store().GoToIndex(m_foods.Handle(), 0, false);
    const bool any =
        m_foods.Store().FindFirstEqual(m_foods.Handle(), PropVal::UI4(CFoodTable::kFolderProp, folderId));
    m_foods.Reopen(CDbTable::kIdProp);
    return any;
}

bool FoodTree::IsAncestor(quint32 ancestor, quint32 folder)
{
    if (ancestor == kRoot)
        return folder != kRoot;
    // The depth is at most two levels, but a damaged tree may loop: stop after a few steps.
    quint32 at = folder;
    for (int step = 0; step < 64 && at != kRoot; ++step) {
        at = ParentOf(at);
        if (at == ancestor)
            return true;
    }
    return false;
}

qint64 FoodTree::FindChild(quint32 parentId, const QString& name)
{
    // The first in folder-id order: children come in store order, so take the lowest id.
    qint64 found = -1;
    for (RecordOid o = m_tree.FirstChild(parentId); o; o = m_tree.NextChild(parentId)) {
        if (m_tree.Load() && m_tree.Buffer().name == name && m_tree.Buffer().id != 0 &&
            (found < 0 || m_tree.Buffer().id < found))
            found = m_tree.Buffer().id;
    }
    return found;
}

qint64 FoodTree::FindTopFolder(const QString& name)
{
    return FindChild(kRoot, name);
}

qint64 FoodTree::FindSubFolder(const QString& firstLevel, const QString& secondLevel)
{
    const qint64 top = FindTopFolder(firstLevel);
    return top < 0 ? -1 : FindChild(static_cast<quint32>(top), secondLevel);
}

std::vector<quint32> FoodTree::DepthFirst()
{
    // One read of the table: the walk itself touches no record.
    std::map<quint32, std::vector<FolderRecord>> children;
    m_tree.ForEachRecord([&](const FolderRecord& f) {
        if (f.id != 0)
            children[f.parentId].push_back(f);
        return true;
    });
    for (auto& [parent, list] : children)
        std::stable_sort(list.begin(), list.end(), LabelBefore);
    std::vector<quint32> order;
    std::set<quint32> seen;
    std::vector<quint32> pending{kRoot};
    while (!pending.empty()) {
        const quint32 id = pending.back();
        pending.pop_back();
        if (!seen.insert(id).second)
            continue; // a damaged tree that loops is walked once
        order.push_back(id);
        const auto it = children.find(id);
        if (it != children.end())
            for (auto c = it->second.rbegin(); c != it->second.rend(); ++c)
                pending.push_back(c->id);
    }
    return order;
}

bool FoodTree::LabelBefore(const FolderRecord& a, const FolderRecord& b)
{
    const int c = QString::compare(a.name, b.name, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a.id < b.id;
}
