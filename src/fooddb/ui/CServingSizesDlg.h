#pragma once

#include "app/ui/CFullScreenDialog.h"

#include <QMap>

class CMeasuresTable;
class IMessageBox;
class QAction;
class QTreeWidget;
class RecordStore;

// "Serving sizes": the serving sizes of one food, changed in the store at once, and the choice
// of its default, which the caller keeps whether the dialog ends with OK or Cancel.
class CServingSizesDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 224;

    CServingSizesDlg(RecordStore& store, quint32 foodId, quint32 defaultServingId, IMessageBox& messages,
                     QWidget* parent = nullptr);
    ~CServingSizesDlg() override;

    quint32 DefaultServing() const { return m_default; }
    QTreeWidget* Sizes() const { return m_list; }
    QAction* Command(int id) const { return m_commands.value(id); }

private:
    void Fill();
    void OnCommand(int id);
    // The first selected row's serving size id; 0 for none.
    quint32 Selected() const;

    std::unique_ptr<CMeasuresTable> m_sizes;
    IMessageBox& m_messages;
    quint32 m_foodId;
    quint32 m_default;
    QTreeWidget* m_list;
    QMap<int, QAction*> m_commands;
};
