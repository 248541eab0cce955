#include "CViewPlaceholder.h"

#include "controls/CTransparentStatic.h"

CViewPlaceholder::CViewPlaceholder(AppServices& services, int templateId, const QString& title,
                                   QWidget* parent)
    : CFormView(services, templateId, parent)
{
    auto* t = new CTransparentStatic(title, this);
    t->MakeTitle();
    t->setGeometry(6, 4, 228, 16);
}
