#pragma once

#include "profile/ui/CProfilePage.h"

class QRadioButton;

// "Personal": name, height, age and gender.
class CPropPgProfile1 : public CProfilePage
{
    Q_OBJECT

public:
    CPropPgProfile1(CFoodDBDoc& doc, IMessageBox& messages, QWidget* parent = nullptr);

    void OnSetActive() override;
    bool OnKillActive() override;

private:
    QLineEdit* m_name;
    QLineEdit* m_height;
    CTransparentStatic* m_heightUnit;
    QLineEdit* m_age;
    QRadioButton* m_male;
    QRadioButton* m_female;
};
