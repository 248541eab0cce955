#pragma once

#include "app/ui/CFullScreenDialog.h"
#include "fooddb/FoodForm.h"
#include "fooddb/ui/FoodFields.h"

#include <QMap>

#include <optional>

class CColorEdit;
class CFoodDBDoc;
class DataFolders;
class IWaitCursor;
class QAction;
class QTreeWidget;

// "Food properties": a food's name, main amounts and reference weight, and the components of a
// food made of others. A new food gets the next id of foods made here.
class CFoodPropertiesDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 163;

    // An existing food (foodId) or a new one in folderId.
    CFoodPropertiesDlg(CFoodDBDoc& doc, const DataFolders& folders, IMessageBox& messages,
                       IWaitCursor& waitCursor, std::optional<quint32> foodId, quint32 folderId,
                       QWidget* parent = nullptr);

    // False when the food could not be read: the dialog is then not shown.
    bool Loaded() const { return m_loaded; }
    FoodForm& Form() { return m_form; }
    QTreeWidget* Components() const { return m_list; }
    QAction* Command(int id) const { return m_commands.value(id); }

    void AddComponent();
    void RemoveComponent();
    void EditComponent();
    bool Apply();
    void ServingSizes();
    void Details();
    void accept() override;
    void reject() override;

private:
    void ShowFood();
    void FillComponents();
    // The typed name and amounts into the food; nothing for a food whose fields are locked.
    bool TakeShown();
    bool EditServing(size_t index, const QString& name);

    CFoodDBDoc& m_doc;
    const DataFolders& m_folders;
    IMessageBox& m_messages;
    IWaitCursor& m_waitCursor;
    FoodForm m_form;
    bool m_loaded = true;
    CColorEdit* m_name;
    CColorEdit* m_reference;
    std::vector<FoodFields::Amount> m_amounts;
    QTreeWidget* m_list;
    QMap<int, QAction*> m_commands;
};
