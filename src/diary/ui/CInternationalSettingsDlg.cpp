#include "CInternationalSettingsDlg.h"

#include "controls/CTransparentStatic.h"
#include "controls/Form.h"
#include "profile/Measures.h"
#include "storage/CProfileTable.h"

#include <QRadioButton>

CInternationalSettingsDlg::CInternationalSettingsDlg(quint32* flags, QWidget* parent)
    : CFullScreenDialog(tr("International Settings"), tr("International settings"), QString(), kTemplate,
                        parent),
      m_flags(flags)
{
    Form::Explanation(this, tr("Please select date format and measures."), 8, kSeparatorY + 8, 224, 30, 1198);

    Form::Label(this, tr("Date format:"), 8, kSeparatorY + 46, 224, 16);
    m_dayMonth = Form::Radio(this, 1129, QStringLiteral("dd-mm-yyyy"), 20, kSeparatorY + 66, 100);
    m_monthDay = Form::Radio(this, 1130, QStringLiteral("mm-dd-yyyy"), 20, kSeparatorY + 88, 100);
    Form::Label(this, tr("Measures:"), 8, kSeparatorY + 118, 224, 16);
    m_metric = Form::Radio(this, 1100, tr("Metrics"), 20, kSeparatorY + 138, 100);
    m_us = Form::Radio(this, 1101, tr("US"), 20, kSeparatorY + 160, 100);
    Form::Exclusive(this, {m_dayMonth, m_monthDay});
    Form::Exclusive(this, {m_metric, m_us});

    Form::Explanation(this, tr("When finished tap Finish to proceed. "), 8, kSeparatorY + 192, 224, 30, 1199);
    AddButtons(tr("Finish"), false);

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
