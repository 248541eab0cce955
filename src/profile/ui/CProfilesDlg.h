#pragma once

#include "app/ui/CFullScreenDialog.h"

class CFoodDBDoc;
class QComboBox;

// "Profiles": picks a profile from a drop-down list of every profile's name; OK closes only
// when a profile has been chosen. The caller opens or deletes the chosen profile.
class CProfilesDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 173;

    explicit CProfilesDlg(CFoodDBDoc& doc, QWidget* parent = nullptr);

    quint32 ChosenProfile() const { return m_chosen; }
    QComboBox* List() const { return m_list; }

    void accept() override;

private:
    QComboBox* m_list;
    quint32 m_chosen = 0;
};
