#include "CSearchDlg.h"

#include "controls/CTransparentStatic.h"
#include "controls/Form.h"

#include <QLineEdit>
#include <QPushButton>

CSearchDlg::CSearchDlg(QWidget* parent)
    : CFullScreenDialog(tr("Search"), tr("Search"), QString(), kTemplate, parent)
{
    const char* const captions[] = {QT_TRANSLATE_NOOP("CSearchDlg", "Search food where food name contains:"),
                                    QT_TRANSLATE_NOOP("CSearchDlg", "and"),
                                    QT_TRANSLATE_NOOP("CSearchDlg", "and")};
    for (int i = 0; i < 3; ++i) {
        const int y = 32 + i * 52;
        Form::Caption(this, tr(captions[i]), 6, y, kWidth - 12);
        m_terms[static_cast<size_t>(i)] = new QLineEdit(this);
        m_terms[static_cast<size_t>(i)]->setProperty("id", 1005 + i);
        m_terms[static_cast<size_t>(i)]->setGeometry(6, y + 20, kWidth - 12, 22);
    }
    AddButtons(tr("Search"));
    m_terms[0]->setFocus();
}

std::array<QString, 3> CSearchDlg::Terms() const
{
    return {m_terms[0]->text(), m_terms[1]->text(), m_terms[2]->text()};
}
