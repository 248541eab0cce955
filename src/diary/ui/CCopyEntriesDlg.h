#pragma once

#include "app/ui/CFullScreenDialog.h"
#include "platform/FileTime.h"

class CDateEdit;

// "Copy to": the day the chosen entries, or the whole day, are copied to.
class CCopyEntriesDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 320;

    // what: "the 2 entries chosen" or "the whole day"; the date shown first.
    CCopyEntriesDlg(const QString& what, FileTime initial, bool dayMonthYear, QWidget* parent = nullptr);

    FileTime Chosen() const;
    CDateEdit* DateField() const { return m_date; }

private:
    CDateEdit* m_date;
};
