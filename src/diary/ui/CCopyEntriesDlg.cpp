#include "CCopyEntriesDlg.h"

#include "controls/CDateEdit.h"
#include "controls/CTransparentStatic.h"
#include "platform/LocalDateTime.h"

CCopyEntriesDlg::CCopyEntriesDlg(const QString& what, FileTime initial, bool dayMonthYear, QWidget* parent)
    : CFullScreenDialog(tr("Copy to"), tr("Copy to"), QStringLiteral("#views_nutrition_diary"), kTemplate,
                        parent)
{
    auto* text = new CTransparentStatic(tr("Copy %1 to the day:").arg(what), this);
    text->setWordWrap(true);
    text->setGeometry(8, 36, kWidth - 16, 34);
    m_date = new CDateEdit(this);
    m_date->setProperty("id", 1196);
    m_date->setCalendarPopup(true);
    m_date->setLocale(QLocale::c());
    m_date->setDisplayFormat(dayMonthYear ? QStringLiteral("dd-MM-yyyy") : QStringLiteral("MM-dd-yyyy"));
    m_date->setGeometry(8, 76, 100, 22);
    const LocalDateTime t = initial.ToLocal();
    m_date->setDate(QDate(t.year, t.month, t.day));
    AddButtons();
    m_date->setFocus();
}

FileTime CCopyEntriesDlg::Chosen() const
{
    const QDate d = m_date->date();
    return FileTime::FromDate(d.year(), d.month(), d.day());
}
