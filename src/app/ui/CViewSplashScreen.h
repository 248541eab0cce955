#pragma once

#include "app/ui/CFormView.h"

// The start view: shown while no profile is open.
class CViewSplashScreen : public CFormView
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 106;
    explicit CViewSplashScreen(AppServices& services, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
