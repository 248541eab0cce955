#pragma once

#include <QtGlobal>

// The Exercise database dialog: chooses the activity and minutes of a new exercise.
class IExerciseDatabaseDialog
{
public:
    virtual ~IExerciseDatabaseDialog() = default;
    // False when cancelled or when no activity was chosen.
    virtual bool Run(quint32* activity, quint32* minutes) = 0;
};
