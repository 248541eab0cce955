#pragma once

#include "storage/CFoodTable.h"

#include <functional>
#include <set>
#include <vector>

// The pictures of the nutrient database's tree and food list, in image-list order.
enum class FoodPicture : int
{
    ClosedFolder = 0,
    OpenFolder = 1,
    Food = 2,
    Composite = 3,
    FatFood = 4,      // 30 % or more of the energy from fat
    FatComposite = 5, //
};

struct FoodListRow
{
    quint32 id = 0;
    QString name;
    FoodPicture picture = FoodPicture::Food;
};

// The foods of one folder as the nutrient database's list shows them: by name, each with its
// picture, and without the foods a filter turns away. Foods are read with their stored values.
class FoodList
{
public:
    using Filter = std::function<bool(const FoodRecord&)>;

    explicit FoodList(RecordStore& store);

    std::vector<FoodListRow> Rows(quint32 folderId, const Filter& fits = {});
    // The folders holding a food whose name matches the search terms (filters aside).
    std::set<quint32> FoldersWithMatches(const std::array<QString, 3>& terms);

    static FoodPicture Picture(const FoodRecord& food);
    // The list's order.
    static bool ListsBefore(const QString& a, const QString& b);
    // The terms as the search compares them: trimmed, one letter case.
    static std::array<QString, 3> SearchTerms(const std::array<QString, 3>& typed);
    // Every non-empty term is part of the name, letter case aside.
    static bool NameMatches(const QString& name, const std::array<QString, 3>& terms);

private:
    CFoodTable m_foods;
};
