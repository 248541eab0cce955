#include "FoodList.h"

#include "fooddb/FoodRecords.h"

#include <algorithm>

FoodList::FoodList(RecordStore& store) : m_foods(store) {}

std::vector<FoodListRow> FoodList::Rows(quint32 folderId, const Filter& fits)
{
    std::vector<FoodListRow> rows;
    // One read of the file for the whole folder, the filter's own look-ups included.
    RecordStore::Snapshot snapshot(m_foods.Store());
    m_foods.ForEachEqual(PropVal::UI4(CFoodTable::kFolderProp, folderId), [&](const FoodRecord& food) {
        if (!fits || fits(food))
            rows.push_back({food.id, food.name, Picture(food)});
        return true;
    });
    std::stable_sort(rows.begin(), rows.end(),
                     [](const FoodListRow& a, const FoodListRow& b) { return ListsBefore(a.name, b.name); });
    return rows;
}

std::set<quint32> FoodList::FoldersWithMatches(const std::array<QString, 3>& terms)
{
    std::set<quint32> folders;
    RecordStore::Snapshot snapshot(m_foods.Store());
    m_foods.ForEachRecord([&](const FoodRecord& food) {
        if (NameMatches(food.name, terms))
            folders.insert(food.folderId);
        return true;
    });
    return folders;
}

FoodPicture FoodList::Picture(const FoodRecord& food)
{
    NutrientValues v = food.values;
    ComputeFoodPercentages(v);
    const bool composite = food.componentCount > 0;
    if (v.Share(EnergyShare::Fat) >= 30.0)
        return composite ? FoodPicture::FatComposite : FoodPicture::FatFood;
    return composite ? FoodPicture::Composite : FoodPicture::Food;
}

bool FoodList::ListsBefore(const QString& a, const QString& b)
{
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

std::array<QString, 3> FoodList::SearchTerms(const std::array<QString, 3>& typed)
{
    std::array<QString, 3> terms;
    for (size_t i = 0; i < terms.size(); ++i)
        terms[i] = typed[i].trimmed().toLower();
    return terms;
}

bool FoodList::NameMatches(const QString& name, const std::array<QString, 3>& terms)
{
    const QString lower = name.toLower();
    return std::all_of(terms.begin(), terms.end(),
                       [&](const QString& t) { return t.isEmpty() || lower.contains(t); });
}
