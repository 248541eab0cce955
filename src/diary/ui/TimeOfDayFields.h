#pragma once

class QComboBox;
class QWidget;

// "Time on day:" with its hour and minute lists (ids 1124-1126, 1118, 1123). The entry's own
// hour or minute is added to its list when the list lacks it.
class TimeOfDayFields
{
public:
    TimeOfDayFields(QWidget* parent, int y, int hour, int minute);

    int Hour() const;
    int Minute() const;
    void SetVisible(bool visible);

private:
    QWidget* m_widgets[5];
    QComboBox* m_hour;
    QComboBox* m_minute;
};
