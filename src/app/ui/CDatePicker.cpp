#include "CDatePicker.h"

#include "controls/ProgramFont.h"
#include "platform/LocalDateTime.h"

#include <QCalendarWidget>

CDatePicker::CDatePicker(QWidget* parent) : CDateEdit(parent)
{
    setProperty("id", kId);
    setDisplayFormat(QStringLiteral("dd MMM yy"));
    setCalendarPopup(true);
    setFixedSize(78, 21);
    setFont(ProgramFont(11));
    setLocale(QLocale::c());
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    connect(this, &QDateEdit::editingFinished, this, [this] { Commit(); });
}

FileTime CDatePicker::Date() const
{
    const QDate d = date();
    return FileTime::FromDate(d.year(), d.month(), d.day());
}

void CDatePicker::SetDate(FileTime value)
{
    const LocalDateTime t = value.ToLocal();
    m_committed = QDate(t.year, t.month, t.day);
    setDate(m_committed);
}

void CDatePicker::mousePressEvent(QMouseEvent* event)
{
    HookCalendar();
    CDateEdit::mousePressEvent(event);
}

void CDatePicker::keyPressEvent(QKeyEvent* event)
{
    HookCalendar();
    CDateEdit::keyPressEvent(event);
}

void CDatePicker::HookCalendar()
{
    if (m_calendarHooked)
        return;
    m_calendarHooked = true;
    connect(calendarWidget(), &QCalendarWidget::clicked, this, [this] { Commit(); });
}

void CDatePicker::Commit()
{
    if (date() == m_committed)
        return;
    m_committed = date();
    emit closeUp();
}
