#pragma once

#include "CFullScreenDialog.h"

class QComboBox;
class QListWidget;

// "Exercise database": an activity from the fixed table and the minutes spent.
class CExerciseDatabaseDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 235;

    explicit CExerciseDatabaseDlg(QWidget* parent = nullptr);
    quint32 Activity() const { return m_activity; }
    quint32 Minutes() const { return m_minutes; }
    void accept() override;

private:
    QListWidget* m_activities;
    QComboBox* m_time;
    quint32 m_activity = 0;
    quint32 m_minutes = 0;
};
