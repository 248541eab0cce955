#include "PeriodPickers.h"

#include "controls/CTransparentStatic.h"
#include "controls/ProgramFont.h"
#include "platform/LocalDateTime.h"

#include <QCoreApplication>
#include <QDateEdit>

namespace PeriodPickers {

QDate ToQDate(FileTime t)
{
    const LocalDateTime l = t.ToLocal();
    return QDate(l.year, l.month, l.day);
}

FileTime ToFileTime(const QDate& d)
{
    return FileTime::FromDate(d.year(), d.month(), d.day());
}

namespace {

QDateEdit* Picker(QWidget* parent, int x)
{
    auto* p = new QDateEdit(parent);
    p->setDisplayFormat(QStringLiteral("dd MMM yy"));
    p->setCalendarPopup(true);
    p->setLocale(QLocale::c());
    p->setFont(ProgramFont(11));
    p->setGeometry(x, 0, 88, 22);
    return p;
}

} // namespace

void Create(QWidget* form, QDateEdit** from, QDateEdit** to)
{
    auto* fromLabel = new CTransparentStatic(QCoreApplication::translate("PeriodPickers", "From:"), form);
    fromLabel->SetFont(13);
    fromLabel->setGeometry(2, 3, 28, 16);
    auto* toLabel = new CTransparentStatic(QCoreApplication::translate("PeriodPickers", "To:"), form);
    toLabel->SetFont(13);
    toLabel->setGeometry(126, 3, 24, 16);
    *from = Picker(form, 30);
    *to = Picker(form, 150);
}

} // namespace PeriodPickers
