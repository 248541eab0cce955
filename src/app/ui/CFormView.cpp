#include "CFormView.h"

#include "diary/CFoodDBDoc.h"

CFormView::CFormView(AppServices& services, int templateId, QWidget* parent)
    : QWidget(parent), m_services(services)
{
    setProperty("id", templateId);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    m_services.doc.AddObserver(this);
}

CFormView::~CFormView()
{
    m_services.doc.RemoveObserver(this);
}

bool CFormView::OnCommand(int)
{
    return false;
}

void CFormView::OnDocumentUpdate()
{
    update();
}
