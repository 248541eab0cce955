#pragma once

#include <QString>

// The Meal properties dialog: edits the amount and time of a meal entry.
class IMealPropertiesDialog
{
public:
    struct Values
    {
        quint32 foodId = 0;
        QString name;
        double grams = 0.0;
        double servings = 0.0;
        QString servingName;
        int hour = 0;
        int minute = 0;
    };
    virtual ~IMealPropertiesDialog() = default;
    // False when cancelled; on OK the values hold what the user chose.
    virtual bool Run(const QString& caption, Values* values) = 0;
};
