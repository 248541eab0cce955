#pragma once

#include "fooddb/FoodRecords.h"
#include "fooddb/FoodTree.h"
#include "platform/IMessageBox.h"
#include "storage/CMeasuresTable.h"
#include "storage/CSubFoodTable.h"

#include <optional>
#include <vector>

class IWaitCursor;

// The editing commands of the nutrient database browser on folders and foods: new folder,
// rename, delete, cut, copy and paste, with their checks and messages. The browser passes what
// is selected; a folder is its id (Root 0), no selection is an empty optional.
class FoodEditor
{
public:
    static constexpr int kClipboardSize = 256;

    enum class Pane
    {
        Tree,
        List,
    };

    FoodEditor(RecordStore& store, IMessageBox* messages, IWaitCursor* waitCursor);

    // A new folder "New folder" in the selected folder; none (with a message) in a second-level one.
    std::optional<quint32> NewFolder(std::optional<quint32> selected);
    // The end of a label edit: the text is stored in the folder's record (nothing for Root).
    void FinishLabelEdit(quint32 folderId, const QString& text);
    // Deletes the selected folder after its checks and the question; true when deleted.
    bool DeleteFolder(std::optional<quint32> selected);
    // Deletes foods with their own components and serving sizes after the question.
    bool DeleteFoods(const std::vector<quint32>& foodIds);
    void Cut(Pane pane, std::optional<quint32> selectedFolder, const std::vector<quint32>& selectedFoods);
    void Copy(Pane pane, const std::vector<quint32>& selectedFoods);
    // Pastes into the selected folder (none: Root). Returns the folder moved, if one was.
    std::optional<quint32> Paste(std::optional<quint32> selected);

    std::optional<quint32> PendingFolderCut() const { return m_folderCut; }
    const std::vector<quint32>& Clipboard() const { return m_clipboard; }

    FoodTree& Tree() { return m_tree; }

private:
    void Tell(const QString& text, IMessageBox::Icon icon);
    void ClearClipboard();
    quint32 CopyFood(quint32 sourceId, quint32 folder);

    RecordStore& m_store;
    IMessageBox* m_messages;
    IWaitCursor* m_waitCursor;
    FoodTree m_tree;
    CSubFoodTable m_components;
    CMeasuresTable m_measures;
    CFoodTable m_loadFoods;
    FoodRecords m_records;

    std::optional<quint32> m_folderCut;
    std::vector<quint32> m_clipboard;
    bool m_clipboardCut = false;
};
