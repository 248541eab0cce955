#pragma once

#include "profile/ui/CProfilePage.h"

// "Advanced": the way to the diet goals and the meals pattern.
class CPropPgProfile4 : public CProfilePage
{
    Q_OBJECT

public:
    CPropPgProfile4(CFoodDBDoc& doc, IMessageBox& messages, QWidget* parent = nullptr);

    void OnSetActive() override {}
};
