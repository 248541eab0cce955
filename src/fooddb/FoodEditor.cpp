#include "FoodEditor.h"

#include "platform/IMessageBox.h"
#include "platform/WaitCursorScope.h"

#include <QCoreApplication>

namespace {

std::vector<quint32> FirstOf(const std::vector<quint32>& ids, int n)
{
    return std::vector<quint32>(ids.begin(),
                                ids.begin() + std::min<size_t>(ids.size(), static_cast<size_t>(n)));
}

} // namespace

FoodEditor::FoodEditor(RecordStore& store, IMessageBox* messages, IWaitCursor* waitCursor)
    : m_store(store), m_messages(messages), m_waitCursor(waitCursor), m_tree(store), m_components(store),
      m_measures(store), m_loadFoods(store), m_records(m_loadFoods, m_components)
{
}

void FoodEditor::Tell(const QString& text, IMessageBox::Icon icon)
{
    if (m_messages)
        m_messages->Tell(text, icon);
}

std::optional<quint32> FoodEditor::NewFolder(std::optional<quint32> selected)
{
    const quint32 parent = selected.value_or(FoodTree::kRoot);
    if (m_tree.IsSecondLevel(parent)) {
        Tell(QCoreApplication::translate("FoodEditor",
                                         "Folders can only be created in Root or first level folders."),
             IMessageBox::Icon::Information);
        return std::nullopt;
    }
    const quint32 id = m_tree.CreateFolder(parent, QCoreApplication::translate("FoodEditor", "New folder"));
    return id ? std::optional<quint32>(id) : std::nullopt;
}

void FoodEditor::FinishLabelEdit(quint32 folderId, const QString& text)
{
    m_tree.RenameFolder(folderId, text);
}

bool FoodEditor::DeleteFolder(std::optional<quint32> selected)
{
    if (!selected)
        return false;
    const IMessageBox::Icon warning = IMessageBox::Icon::Warning;
    if (*selected == FoodTree::kRoot) {
        Tell(QCoreApplication::translate("FoodEditor", "Root folder can't be deleted!"), warning);
        return false;
    }
    if (m_tree.HasSubfolders(*selected)) {
        Tell(QCoreApplication::translate("FoodEditor", "Folder can't be deleted because it has subfolders!"),
             warning);
        return false;
    }
    if (m_tree.HasFoods(*selected)) {
        Tell(QCoreApplication::translate("FoodEditor", "Folder can't be deleted because it contains foods!"),
             warning);
        return false;
    }
    if (m_messages && !m_messages->AskBeforeDeleting(
                          QCoreApplication::translate("FoodEditor", "Are you sure you want delete folder?"),
                          IMessageBox::Icon::None))
        return false;
    if (!m_tree.DeleteFolder(*selected))
        return false;
    if (m_folderCut == selected)
        m_folderCut.reset(); // a cut of a folder that is gone ends
    return true;
}

bool FoodEditor::DeleteFoods(const std::vector<quint32>& foodIds)
{
    if (m_messages && !m_messages->AskBeforeDeleting(
                          QCoreApplication::translate("FoodEditor", "Are you sure you want delete food(s)?"),
                          IMessageBox::Icon::None))
        return false;
    WaitCursorScope wait(m_waitCursor);
    RecordStore::Batch batch(m_store);
    CFoodTable& foods = m_tree.Foods();
    foods.Reopen(CDbTable::kIdProp);
    for (quint32 id : foodIds) {
        if (foods.FindId(id))
            foods.DeleteCurrent();
        const PropVal own = PropVal::UI4(CSubFoodTable::kCompositeProp, id);
        for (RecordOid o = m_store.FindFirstEqual(m_components.Handle(), own); o;
             o = m_store.FindFirstEqual(m_components.Handle(), own))
            m_store.RemoveRecord(m_components.Handle(), o);
        for (RecordOid o = m_measures.FirstOfFood(id); o; o = m_measures.FirstOfFood(id))
            m_measures.DeleteCurrent();
    }
    return batch.Commit();
}

void FoodEditor::ClearClipboard()
{
    m_clipboard.clear();
    m_clipboardCut = false;
}

void FoodEditor::Cut(Pane pane, std::optional<quint32> selectedFolder,
                     const std::vector<quint32>& selectedFoods)
{
    ClearClipboard();
    m_folderCut.reset();
    if (pane == Pane::List) {
        m_clipboard = FirstOf(selectedFoods, kClipboardSize);
        m_clipboardCut = true;
        return;
    }
    if (!selectedFolder)
        return;
    if (m_tree.HasSubfolders(*selectedFolder)) {
        Tell(QCoreApplication::translate("FoodEditor",
                                         "Can't move folder. Folders with sub-folders can not be moved."),
             IMessageBox::Icon::Information);
        return;
    }
    m_folderCut = selectedFolder;
}

void FoodEditor::Copy(Pane pane, const std::vector<quint32>& selectedFoods)
{
    ClearClipboard();
    m_folderCut.reset();
    if (pane == Pane::Tree) {
        Tell(QCoreApplication::translate(
                 "FoodEditor",
                 "It is not possible to copy a folder. To copy a folder with contents create a new "
                 "folder and copy all the foods from the source folder."),
             IMessageBox::Icon::Information);
        return;
    }
    m_clipboard = FirstOf(selectedFoods, kClipboardSize);
}

quint32 FoodEditor::CopyFood(quint32 sourceId, quint32 folder)
{
    FoodData food;
    if (!m_records.LoadFood(sourceId, &food))
        return 0; // the source went after the copy
    CFoodTable& foods = m_tree.Foods();
    const quint32 id = m_tree.NewFoodId();
    if (!foods.NewRecord(id))
        return 0;
    // Serving sizes: new rows, the default pointing at its copy.
    std::vector<ServingRecord> servings;
    for (RecordOid o = m_measures.FirstOfFood(sourceId); o; o = m_measures.NextOfFood(sourceId)) {
        if (m_measures.Load())
            servings.push_back(m_measures.Buffer());
    }
    quint32 defaultServing = 0;
    for (const ServingRecord& s : servings) {
        const quint32 copy = m_measures.NewRecord(id);
        m_measures.Buffer().description = s.description;
        m_measures.Buffer().weight = s.weight;
        m_measures.Save();
        if (s.id == food.defaultServingId)
            defaultServing = copy;
    }
    food.id = id;
    food.folderId = folder;
    food.defaultServingId = defaultServing;
    return m_records.SaveFood(food) ? id : 0;
}

std::optional<quint32> FoodEditor::Paste(std::optional<quint32> selected)
{
    WaitCursorScope wait(m_waitCursor);
    const quint32 target = selected.value_or(FoodTree::kRoot);
    std::optional<quint32> moved;
    const IMessageBox::Icon info = IMessageBox::Icon::Information;
    if (m_folderCut) {
        const quint32 cut = *m_folderCut;
        if (target == cut)
            Tell(QCoreApplication::translate("FoodEditor", "Can't move folder to it self"), info);
        else if (m_tree.IsAncestor(cut, target))
            Tell(QCoreApplication::translate("FoodEditor", "Can't move Parent-folder to Sub-folder"), info);
        else if (m_tree.IsSecondLevel(target))
            Tell(QCoreApplication::translate("FoodEditor",
                                             "Folders can only be moved into Root or first level folders."),
                 info);
        else if (m_tree.MoveFolder(cut, target))
            moved = cut;
        m_folderCut.reset();
    } else if (m_clipboardCut) {
        RecordStore::Batch batch(m_store);
        CFoodTable& foods = m_tree.Foods();
        foods.Reopen(CDbTable::kIdProp);
        for (quint32 id : m_clipboard) {
            if (foods.FindId(id) && foods.Load()) {
                foods.Buffer().folderId = target;
                foods.Save();
            }
        }
    } else {
        RecordStore::Batch batch(m_store);
        for (quint32 id : m_clipboard)
            CopyFood(id, target);
    }
    ClearClipboard();
    return moved;
}
