#pragma once

#include "app/ui/CFullScreenDialog.h"

class QComboBox;
class QTreeWidget;

// "Exercise database": an activity from the fixed table, listed by name, and the minutes spent.
class CExerciseDatabaseDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 235;

    explicit CExerciseDatabaseDlg(QWidget* parent = nullptr);

    quint32 Activity() const { return m_activity; }
    quint32 Minutes() const { return m_minutes; }
    QTreeWidget* Activities() const { return m_activities; }
    void accept() override;

private:
    QTreeWidget* m_activities;
    QComboBox* m_time;
    quint32 m_activity = 0;
    quint32 m_minutes = 0;
};
