#pragma once

#include "CFullScreenDialog.h"

class QComboBox;
class QTimeEdit;

// "Exercise properties": the minutes and the time of an exercise entry.
class CExercisePropertiesDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 241;

    CExercisePropertiesDlg(const QString& activityName, quint32 minutes, int hour, int minute,
                           QWidget* parent = nullptr);
    quint32 Minutes() const { return m_minutes; }
    int Hour() const;
    int Minute() const;
    void accept() override;

private:
    QComboBox* m_time;
    QTimeEdit* m_clock;
    quint32 m_minutes;
};
