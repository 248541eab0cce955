#pragma once

#include <unordered_map>

#include "fooddb/FoodData.h"

class CFoodTable;
class CSubFoodTable;

// Adds grams of a food (values per 100 g) to a running total and recomputes its shares.
void AddScaledFood(NutrientValues& target, const NutrientValues& food, double grams);
// The shares of a food: the energy-share rule, and none at all for a food of under 0.01 kcal.
void ComputeFoodPercentages(NutrientValues& values);

// Reads and writes foods with their components through the given tables; the tables' cursors
// and buffers are used as scratch space. Foods read are kept until any record of the data file
// changes, so a day's foods are read once however often the day is computed.
class FoodRecords
{
public:
    FoodRecords(CFoodTable& foods, CSubFoodTable& components) : m_foods(foods), m_components(components) {}

    // False, with zero values, when no food has this id. A composite food's values are those of
    // its components; a component that is missing, or that leads back to a food being loaded,
    // counts as zero values while its weight still counts.
    bool LoadFood(quint32 id, FoodData* food);
    // Writes the food record (replacing the one with its id) and its component rows.
    bool SaveFood(const FoodData& food);

private:
    static constexpr size_t kCacheSize = 1024;

    bool Load(quint32 id, FoodData* food, std::vector<quint32>& path);
    void ReadComponents(quint32 id, std::vector<FoodComponent>* out);

    CFoodTable& m_foods;
    CSubFoodTable& m_components;
    std::unordered_map<quint32, FoodData> m_cache; // foods as LoadFood gave them
    qint64 m_cacheChanges = -1;                    // the store's change count they belong to
};
