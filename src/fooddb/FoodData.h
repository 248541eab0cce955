#pragma once

#include "storage/NutrientValues.h"

#include <QString>

#include <vector>

// One component of a composite food.
struct FoodComponent
{
    quint32 foodId = 0;
    double weight = 0.0;   // g of this component in the composite
    double servings = 0.0; // number of servings
    QString servingName;   // "" = grams

    bool operator==(const FoodComponent&) const = default;
};

// One food in memory; values per 100 g. A food with components is a composite food whose
// values are recomputed from its components whenever it is loaded.
struct FoodData
{
    static constexpr int kMaxComponents = 64;

    quint32 id = 0;
    quint32 folderId = 0;
    QString name;
    NutrientValues values;
    double referenceWeight = 0.0; // g
    quint32 defaultServingId = 0;
    std::vector<FoodComponent> components;

    bool IsComposite() const { return !components.empty(); }
};
