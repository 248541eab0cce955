#pragma once

#include <QString>

// The nutrient database dialog as the document runs it to choose the food of a new meal.
class IFoodChooser
{
public:
    struct Choice
    {
        quint32 foodId = 0;
        QString name;
    };
    virtual ~IFoodChooser() = default;
    // filtered: list only the foods that still fit the day. False when the user cancels.
    virtual bool ChooseFood(bool filtered, Choice* choice) = 0;
};
