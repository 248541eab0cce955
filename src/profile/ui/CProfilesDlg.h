#pragma once

#include "CFullScreenDialog.h"

class CFoodDBDoc;
class IMessageBox;
class QComboBox;

// "Profiles": picks a profile from a drop-down list of every profile's name; OK closes only
// when a profile has been chosen. Opening the chosen profile is done on OK.
class CProfilesDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 173;

    CProfilesDlg(CFoodDBDoc& doc, IMessageBox& messages, QWidget* parent = nullptr);

    quint32 ChosenProfile() const { return m_chosen; }
    bool OpenedProfile() const { return m_opened; }
    QComboBox* List() const { return m_list; }

    void accept() override;

private:
    CFoodDBDoc& m_doc;
    QComboBox* m_list;
    quint32 m_chosen = 0;
    bool m_opened = false;
};
