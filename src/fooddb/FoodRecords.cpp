#include "FoodRecords.h"

#include "profile/EnergyRules.h"
#include "storage/CFoodTable.h"
#include "storage/CSubFoodTable.h"

#include <algorithm>

void AddScaledFood(NutrientValues& target, const NutrientValues& food, double grams)
{
    for (int i = 0; i < kNutrientCount; ++i)
        target.amounts[i] += food.amounts[i] * grams * 0.01;
    target.percentages = EnergyPercentages(target);
}

void ComputeFoodPercentages(NutrientValues& values)
{
    if (static_cast<qint64>(values[Nutrient::Energy] * 100) == 0)
        values.percentages = {};
    else
        values.percentages = EnergyPercentages(values);
}

bool FoodRecords::LoadFood(quint32 id, FoodData* food)
{
    const qint64 changes = m_foods.Store().ChangeCount();
    if (changes != m_cacheChanges) {
        m_cache.clear();
        m_cacheChanges = changes;
    }
    if (const auto it = m_cache.find(id); it != m_cache.end()) {
        *food = it->second;
        return true;
    }
    std::vector<quint32> path;
    if (!Load(id, food, path))
        return false;
    if (m_cache.size() >= kCacheSize)
        m_cache.clear();
    m_cache.emplace(id, *food);
    return true;
}

void FoodRecords::ReadComponents(quint32 id, std::vector<FoodComponent>* out)
{
    out->clear();
    m_components.Store().GoToIndex(m_components.Handle(), 0, false);
    // In one pass, in the order of the first index.
    m_components.ForEachEqual(PropVal::UI4(CSubFoodTable::kCompositeProp, id),
                              [out](const ComponentRecord& r) {
                                  // A damaged database may hold more rows than a food can have; the rest are
                                  // not read.
                                  if (out->size() >= static_cast<size_t>(FoodData::kMaxComponents))
                                      return false;
                                  out->push_back({r.componentId, r.weight, r.servings, r.servingName});
                                  return true;
                              });
}

bool FoodRecords::Load(quint32 id, FoodData* food, std::vector<quint32>& path)
{
    *food = FoodData();
    if (!m_foods.FindId(id) || !m_foods.Load())
        return false;
    const FoodRecord& r = m_foods.Buffer();
    food->id = r.id;
    food->folderId = r.folderId;
    food->name = r.name;
    food->values = r.values;
    food->referenceWeight = r.referenceWeight;
    food->defaultServingId = r.defaultServingId;
    ReadComponents(id, &food->components);

    if (food->IsComposite()) {
        path.push_back(id);
        NutrientValues sum;
        double total = 0.0;
        for (const FoodComponent& c : food->components) {
            FoodData part;
            const bool loops = std::find(path.begin(), path.end(), c.foodId) != path.end();
            if (!loops)
                Load(c.foodId, &part, path);
            AddScaledFood(sum, part.values, c.weight);
            total += c.weight;
        }
        path.pop_back();
        if (total > 0) {
            for (double& a : sum.amounts)
                a *= 100.0 / total;
        } else {
            sum.amounts = {};
        }
        food->values.amounts = sum.amounts;
    }
    ComputeFoodPercentages(food->values);
    return true;
}

bool FoodRecords::SaveFood(const FoodData& food)
{
    RecordStore& store = m_components.Store();
    RecordStore::Batch batch(store);
    DbHandle& h = m_components.Handle();
    const PropVal key = PropVal::UI4(CSubFoodTable::kCompositeProp, food.id);
    for (RecordOid o = store.FindFirstEqual(h, key); o; o = store.FindFirstEqual(h, key)) {
        if (!store.RemoveRecord(h, o))
            break;
    }
    // Rows with the same food come back in the order written, so writing them in order keeps
    // the recipe's order across a reload.
    const size_t count = std::min(food.components.size(), static_cast<size_t>(FoodData::kMaxComponents));
    for (size_t i = 0; i < count; ++i) {
        const FoodComponent& c = food.components[i];
        m_components.Buffer() = {food.id, c.foodId, c.weight, c.servingName, c.servings};
        m_components.NewRecord();
    }

    if (!m_foods.FindId(food.id) && !m_foods.NewRecord(food.id))
        return false;
    FoodRecord& r = m_foods.Buffer();
    r.id = food.id;
    r.folderId = food.folderId;
    r.name = food.name;
    r.values = food.values;
    r.componentCount = static_cast<quint32>(count);
    r.referenceWeight = food.referenceWeight;
    r.defaultServingId = food.defaultServingId;
    if (!m_foods.Save()) {
        batch.Abandon();
        return false;
    }
    return batch.Commit();
}
