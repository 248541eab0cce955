#pragma once

#include "profile/ui/CProfilePage.h"

// "Start": the start date and the start weight of the diet.
class CPropPgProfile2 : public CProfilePage
{
    Q_OBJECT

public:
    CPropPgProfile2(CFoodDBDoc& doc, IMessageBox& messages, QWidget* parent = nullptr);

    void OnSetActive() override;
    bool OnKillActive() override;

private:
    QDateEdit* m_date;
    QLineEdit* m_weight;
    CTransparentStatic* m_unit;
};
