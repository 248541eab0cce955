#pragma once

#include <QString>

// The Exercise properties dialog: edits the minutes and the time of an exercise entry.
class IExercisePropertiesDialog
{
public:
    virtual ~IExercisePropertiesDialog() = default;
    // False when cancelled; on OK the minutes, hour and minute hold the new values.
    virtual bool Run(const QString& activityName, quint32* minutes, int* hour, int* minute) = 0;
};
