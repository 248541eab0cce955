#pragma once

#include "profile/ui/CProfilePage.h"

// "Finish": the plan as entered, worded anew each time the page is shown.
class CPropPgProfile5 : public CProfilePage
{
    Q_OBJECT

public:
    CPropPgProfile5(CFoodDBDoc& doc, IMessageBox& messages, QWidget* parent = nullptr);

    void OnSetActive() override;

private:
    CTransparentStatic* Value(int id, int x, int y, int width);

    CTransparentStatic* m_startDate;
    CTransparentStatic* m_targetDate;
    CTransparentStatic* m_startWeight;
    CTransparentStatic* m_targetWeight;
    CTransparentStatic* m_changeLabel;
    CTransparentStatic* m_change;
    CTransparentStatic* m_sentence;
};
