#pragma once

#include <QString>
#include <QStringList>

#include <array>

// One activity of the fixed table; an exercise entry stores its index, so the order never changes.
struct Activity
{
    const char* name;
    double factor; // kcal per kg of body weight per minute
};

constexpr int kActivityCount = 68;
const std::array<Activity, kActivityCount>& ActivityTable();
// The activity's name, or "" for an index outside the table.
QString ActivityName(quint32 index);
// kcal of minutes of the activity at a body weight in kg; 0 for an index outside the table.
double ExerciseCalories(quint32 activity, double minutes, double weightKg);

// The choice lists of the exercise and meal dialogs.
QStringList TimeSpentChoices(); // "15" .. "90"
QStringList HourChoices();      // "00" .. "23"
QStringList MinuteChoices();    // "00", "10" .. "50"
