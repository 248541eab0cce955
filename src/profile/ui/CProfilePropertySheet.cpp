#include "CProfilePropertySheet.h"

#include "controls/ProgramFont.h"
#include "diary/CFoodDBDoc.h"
#include "profile/ui/CPropPgProfile1.h"
#include "profile/ui/CPropPgProfile2.h"
#include "profile/ui/CPropPgProfile3.h"
#include "profile/ui/CPropPgProfile4.h"
#include "profile/ui/CPropPgProfile5.h"

#include <QStackedWidget>
#include <QVBoxLayout>

CProfilePropertySheet::CProfilePropertySheet(const QString& title, CFoodDBDoc& doc, IMessageBox& messages,
                                             QWidget* parent)
    : QDialog(parent), m_doc(doc)
{
    setWindowTitle(title);
    setFixedSize(240, 320);
    setFont(ProgramFont(11));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    m_pages = {new CPropPgProfile1(doc, messages), new CPropPgProfile2(doc, messages),
               new CPropPgProfile3(doc, messages), new CPropPgProfile4(doc, messages),
               new CPropPgProfile5(doc, messages)};
    m_stack = new QStackedWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
    for (int i = 0; i < kPages; ++i) {
        CProfilePage* page = m_pages[i];
        m_stack->addWidget(page);
        connect(page, &CProfilePage::nextPage, this, [this, i] { SetActivePage(i + 1); });
        connect(page, &CProfilePage::previousPage, this, [this, i] { SetActivePage(i - 1); });
        connect(page, &CProfilePage::finish, this, &QDialog::close);
    }
    m_pages[0]->OnSetActive();
}

int CProfilePropertySheet::ActivePage() const
{
    return m_stack->currentIndex();
}

bool CProfilePropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= kPages || index == ActivePage())
        return false;
    if (!m_pages[ActivePage()]->OnKillActive())
        return false;
    m_pages[index]->OnSetActive();
    m_stack->setCurrentIndex(index);
    return true;
}

void CProfilePropertySheet::done(int result)
{
    // However it closes, the page in view is stored first; a refused field keeps the sheet open.
    if (!m_pages[ActivePage()]->OnKillActive())
        return;
    m_doc.SaveProfile();
    QDialog::done(result);
}
