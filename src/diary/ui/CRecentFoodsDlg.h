#pragma once

#include "app/ui/CFullScreenDialog.h"

class QTreeWidget;
class RecordStore;

// "Last Recently Used Foods": the foods eaten lately, the latest first, with the amount of
// their last use.
class CRecentFoodsDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 264;

    explicit CRecentFoodsDlg(RecordStore& store, QWidget* parent = nullptr);

    quint32 ChosenFood() const { return m_foodId; }
    QTreeWidget* Foods() const { return m_list; }
    void accept() override;

private:
    QTreeWidget* m_list;
    quint32 m_foodId = 0;
};
