#include "CInternationalSettingsDlg.h"

#include "controls/CTransparentStatic.h"
#include "profile/Measures.h"
#include "storage/CProfileTable.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {

QRadioButton* Radio(QWidget* parent, int id, const QString& text, int x, int y)
{
    auto* r = new QRadioButton(text, parent);
    r->setProperty("id", id);
    r->setAutoExclusive(false);
    r->setGeometry(x, y, 100, 20);
    return r;
}

// Each radio button is a group of its own: tapping one selects it and clears its partner.
void Partners(QRadioButton* a, QRadioButton* b)
{
    QObject::connect(a, &QRadioButton::clicked, b, [a, b] {
        a->setChecked(true);
        b->setChecked(false);
    });
    QObject::connect(b, &QRadioButton::clicked, a, [a, b] {
        b->setChecked(true);
        a->setChecked(false);
    });
}

} // namespace

CInternationalSettingsDlg::CInternationalSettingsDlg(quint32* flags, QWidget* parent)
    : CFullScreenDialog(QStringLiteral("International Settings"), QStringLiteral("International settings"),
                        QString(), kTemplate, parent),
      m_flags(flags)
{
    auto* intro = new CTransparentStatic(QStringLiteral("Please select date format and measures."), this);
    intro->setProperty("id", 1198);
    intro->MakeExplanation();
    intro->setWordWrap(true);
    intro->setGeometry(8, kSeparatorY + 8, 224, 30);

    auto* date = new CTransparentStatic(QStringLiteral("Date format:"), this);
    date->setGeometry(8, kSeparatorY + 46, 224, 16);
    m_dayMonth = Radio(this, 1129, QStringLiteral("dd-mm-yyyy"), 20, kSeparatorY + 66);
    m_monthDay = Radio(this, 1130, QStringLiteral("mm-dd-yyyy"), 20, kSeparatorY + 88);
    auto* measures = new CTransparentStatic(QStringLiteral("Measures:"), this);
    measures->setGeometry(8, kSeparatorY + 118, 224, 16);
    m_metric = Radio(this, 1100, QStringLiteral("Metrics"), 20, kSeparatorY + 138);
    m_us = Radio(this, 1101, QStringLiteral("US"), 20, kSeparatorY + 160);
    Partners(m_dayMonth, m_monthDay);
    Partners(m_metric, m_us);

    auto* finish = new CTransparentStatic(QStringLiteral("When finished tap Finish to proceed. "), this);
    finish->setProperty("id", 1199);
    finish->MakeExplanation();
    finish->setWordWrap(true);
    finish->setGeometry(8, kSeparatorY + 192, 224, 30);
    AddButtons(QStringLiteral("Finish"), false);

    const bool dayMonth = (*m_flags & CProfileTable::kDayMonthYear) != 0;
    const bool metric = (*m_flags & CProfileTable::kMetric) != 0;
    m_dayMonth->setChecked(dayMonth);
    m_monthDay->setChecked(!dayMonth);
    m_metric->setChecked(metric);
    m_us->setChecked(!metric);
}

void CInternationalSettingsDlg::accept()
{
    quint32 f = *m_flags;
    f = m_metric->isChecked() ? (f | CProfileTable::kMetric) : (f & ~CProfileTable::kMetric);
    f = m_dayMonth->isChecked() ? (f | CProfileTable::kDayMonthYear) : (f & ~CProfileTable::kDayMonthYear);
    *m_flags = f;
    SetMeasures(f);
    CFullScreenDialog::accept();
}
