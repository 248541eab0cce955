#include "FoodForm.h"

#include "fooddb/FoodTree.h"
#include "profile/NumberFormat.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <set>

FoodForm::FoodForm(RecordStore& store)
    : m_foods(store), m_components(store), m_measures(store), m_records(m_foods, m_components)
{
}

void FoodForm::NewFood(quint32 folderId)
{
    m_food = FoodData{};
    m_food.id = FoodTree(m_foods.Store()).NewFoodId();
    m_food.folderId = folderId;
}

bool FoodForm::Load(quint32 id)
{
    FoodData food;
    if (!m_records.LoadFood(id, &food))
        return false;
    m_food = food;
    return true;
}

bool FoodForm::Apply()
{
    if (!m_records.SaveFood(m_food))
        return false;
    return Load(m_food.id);
}

double FoodForm::Shown(double perHundred, double referenceWeight)
{
    return referenceWeight == 0 ? perHundred : perHundred * referenceWeight / 100;
}

double FoodForm::Stored(double shown, double referenceWeight)
{
    return referenceWeight == 0 ? shown : shown * 100 / referenceWeight;
}

bool FoodForm::Contains(quint32 food, quint32 target)
{
    // Every food is looked into once, so a damaged recipe that loops still ends.
    std::set<quint32> seen;
    std::vector<quint32> pending{food};
    bool found = false;
    while (!pending.empty() && !found) {
        const quint32 id = pending.back();
        pending.pop_back();
        if (!seen.insert(id).second)
            continue;
        m_components.ForEachEqual(PropVal::UI4(CSubFoodTable::kCompositeProp, id),
                                  [&](const ComponentRecord& c) {
                                      found = c.componentId == target;
                                      pending.push_back(c.componentId);
                                      return !found;
                                  });
    }
    return found;
}

FoodForm::AddResult FoodForm::AddComponent(quint32 foodId)
{
    if (IsImported(m_food.id))
        return AddResult::ReadOnly;
    if (foodId == m_food.id || Contains(foodId, m_food.id))
        return AddResult::Itself;
    if (m_food.components.size() >= static_cast<size_t>(FoodData::kMaxComponents))
        return AddResult::Full;
    FoodComponent c;
    c.foodId = foodId;
    c.servings = 1.0;
    if (m_foods.FindId(foodId) && m_foods.Load()) {
        const quint32 serving = m_foods.Buffer().defaultServingId;
        c.weight = m_measures.ServingWeight(serving);
        c.servingName = m_measures.ServingName(serving);
    }
    m_food.components.push_back(c);
    SumReferenceWeight();
    return AddResult::Added;
}

void FoodForm::RemoveComponent(quint32 foodId)
{
    auto& list = m_food.components;
    const auto it = std::find_if(list.begin(), list.end(),
                                 [foodId](const FoodComponent& c) { return c.foodId == foodId; });
    if (it == list.end())
        return;
    list.erase(it);
    // The last one gone: the weight of the former recipe stays.
    if (!list.empty())
        SumReferenceWeight();
}

void FoodForm::SetComponentServing(size_t index, double grams, double servings, const QString& servingName)
{
    if (index >= m_food.components.size())
        return;
    FoodComponent& c = m_food.components[index];
    c.weight = grams;
    c.servings = servings;
    c.servingName = servingName;
    SumReferenceWeight();
}

void FoodForm::SumReferenceWeight()
{
    double sum = 0;
    for (const FoodComponent& c : m_food.components)
        sum += c.weight;
    m_food.referenceWeight = sum;
}

QStringList FoodForm::ComponentRow(size_t index)
{
    static constexpr Nutrient kColumns[] = {
        Nutrient::Energy,          Nutrient::Protein,         Nutrient::Fat,          Nutrient::Saturates,
        Nutrient::Monounsaturates, Nutrient::Polyunsaturates, Nutrient::Carbohydrate, Nutrient::Alcohol,
        Nutrient::Sodium,          Nutrient::Cholesterol,     Nutrient::Fiber};
    const FoodComponent& c = m_food.components.at(index);
    QStringList row{QString::number(index)};
    const bool known = m_foods.FindId(c.foodId) && m_foods.Load();
    row << (known ? m_foods.Buffer().name : QCoreApplication::translate("FoodForm", "Unknown item..."));
    const QString count = FormatFixed(c.servings, 6, 2);
    if (!c.servingName.isEmpty())
        row << count + QStringLiteral(" x ") + c.servingName;
    else
        row << count + QStringLiteral(" x") +
                   FormatFixed(c.servings != 0 ? c.weight / c.servings : c.weight, 4, 0) +
                   QStringLiteral(" g");
    row << FormatFixed(c.weight, 6, 1);
    for (Nutrient n : kColumns)
        row << FormatFixed(known ? m_foods.Buffer().values[n] * c.weight / 100 : 0.0, 6, 1);
    return row;
}
