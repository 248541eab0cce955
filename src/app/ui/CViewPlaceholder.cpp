#include "CViewPlaceholder.h"

#include "controls/CTransparentStatic.h"
#include "controls/Form.h"

CViewPlaceholder::CViewPlaceholder(AppServices& services, int templateId, const QString& title,
                                   QWidget* parent)
    : CFormView(services, templateId, parent)
{
    Form::Title(this, title, 6, 4, 228);
}
