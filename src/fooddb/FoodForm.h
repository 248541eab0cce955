#pragma once

#include "fooddb/FoodData.h"
#include "fooddb/FoodRecords.h"
#include "storage/CFoodTable.h"
#include "storage/CMeasuresTable.h"
#include "storage/CSubFoodTable.h"

#include <QStringList>

// One food being edited: its values, reference weight and components, with the rules of the
// food dialogs. Nothing is written before Apply, except what the caller writes itself.
class FoodForm
{
public:
    enum class AddResult
    {
        Added,
        ReadOnly, // an imported food takes no components
        Itself,   // the food, or a food that contains it
        Full,     // the most components a food can have
    };

    explicit FoodForm(RecordStore& store);

    // A new food in a folder, with the next free id of a food made here.
    void NewFood(quint32 folderId);
    bool Load(quint32 id);
    // Writes the food and reads it back: a composite's values are those of its components.
    bool Apply();

    FoodData& Food() { return m_food; }
    const FoodData& Food() const { return m_food; }
    static bool IsImported(quint32 id) { return id < 100000; }
    // Imported foods and composite ones: their name and values cannot be typed.
    bool IsReadOnly() const { return IsImported(m_food.id) || m_food.IsComposite(); }

    // Amounts as shown for the reference weight, and back; unscaled when it is 0.
    static double Shown(double perHundred, double referenceWeight);
    static double Stored(double shown, double referenceWeight);

    // One serving of its default serving size (none: 0 g, no name), and the sum of the weights.
    AddResult AddComponent(quint32 foodId);
    void RemoveComponent(quint32 foodId);
    void SetComponentServing(size_t index, double grams, double servings, const QString& servingName);
    // Whether food holds target among its components, at any depth.
    bool Contains(quint32 food, quint32 target);

    // The texts of a component's row in the list: index, name, serving, weight, then eleven values.
    QStringList ComponentRow(size_t index);

private:
    void SumReferenceWeight();

    CFoodTable m_foods;
    CSubFoodTable m_components;
    CMeasuresTable m_measures;
    FoodRecords m_records;
    FoodData m_food;
};
