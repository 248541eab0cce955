#pragma once

#include "profile/ui/CProfilePage.h"

// "Target": the target date and weight; the date is kept as the weekly weight loss it implies.
class CPropPgProfile3 : public CProfilePage
{
    Q_OBJECT

public:
    CPropPgProfile3(CFoodDBDoc& doc, IMessageBox& messages, QWidget* parent = nullptr);

    void OnSetActive() override;
    bool OnKillActive() override;

private:
    void ShowBmiChart();

    QDateEdit* m_date;
    QLineEdit* m_weight;
    CTransparentStatic* m_unit;
};
