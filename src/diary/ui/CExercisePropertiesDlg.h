#pragma once

#include "app/ui/CFullScreenDialog.h"
#include "diary/ui/TimeOfDayFields.h"

#include <memory>

class QComboBox;

// "Exercise properties": the minutes and the time of day of an exercise entry.
class CExercisePropertiesDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 241;

    CExercisePropertiesDlg(const QString& activityName, quint32 minutes, int hour, int minute,
                           QWidget* parent = nullptr);
    ~CExercisePropertiesDlg() override;

    quint32 Minutes() const { return m_minutes; }
    int Hour() const { return m_hour; }
    int Minute() const { return m_minute; }
    void accept() override;

private:
    QComboBox* m_time;
    std::unique_ptr<TimeOfDayFields> m_timeOfDay;
    quint32 m_minutes;
    int m_hour;
    int m_minute;
};
