#pragma once

#include "app/ui/CFormView.h"

// A view whose screen is still to come: its title on an empty form, so the menus switch to it.
class CViewPlaceholder : public CFormView
{
    Q_OBJECT

public:
    CViewPlaceholder(AppServices& services, int templateId, const QString& title, QWidget* parent = nullptr);
};
