#pragma once

#include "controls/CDateEdit.h"
#include "diary/IDatePicker.h"

// The date picker of the date bar (id 29305, 78 x 21, "dd MMM yy"). It reports a committed
// date once: when a date is picked from its calendar or typed and left.
class CDatePicker : public CDateEdit, public IDatePicker
{
    Q_OBJECT

public:
    static constexpr int kId = 29305;

    explicit CDatePicker(QWidget* parent = nullptr);

    FileTime Date() const override;
    void SetDate(FileTime date) override;
    // A date typed or picked but not yet applied (Enter, leaving the field or the calendar).
    bool HasUnappliedDate() const { return date() != m_committed; }

signals:
    void closeUp();

protected:
    // The calendar is made when it first pops up, which a mouse press or a key opens: making it
    // with the picker would cost every start its drawing.
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Commit();
    void HookCalendar();
    QDate m_committed;
    bool m_calendarHooked = false;
};
