#include "CViewSplashScreen.h"

#include "app/ProductPicture.h"
#include "controls/CTransparentStatic.h"
#include "platform/ui/QtDrawSurface.h"

#include <QPainter>

CViewSplashScreen::CViewSplashScreen(AppServices& services, QWidget* parent)
    : CFormView(services, kTemplate, parent)
{
    auto* guide = new CTransparentStatic(tr("Please press F1 for help to get started."),
                                         this); // no Start menu here
    guide->setWordWrap(true);
    guide->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    guide->setGeometry(10, 236, 220, 30);
}

void CViewSplashScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QtDrawSurface surface(p);
    ProductPicture::PaintStartView(surface);
}
