#include "NutrientSources.h"

#include "fooddb/FoodData.h"
#include "fooddb/FoodRecords.h"
#include "profile/DateRules.h"
#include "profile/NumberFormat.h"
#include "storage/CDiaryTable.h"
#include "storage/CFoodTable.h"
#include "storage/CMealTable.h"
#include "storage/CSubFoodTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <unordered_map>

namespace {

struct Named
{
    Nutrient nutrient;
    const char* name;
    const char* unit;
};

constexpr Named kNames[] = {
    {Nutrient::Energy, "energy", "kcal"},
    {Nutrient::Protein, "protein", "g"},
    {Nutrient::Fat, "fat", "g"},
    {Nutrient::Saturates, "saturates", "g"},
    {Nutrient::Monounsaturates, "monounsaturates", "g"},
    {Nutrient::Polyunsaturates, "polyunsaturates", "g"},
    {Nutrient::Carbohydrate, "carbohydrate", "g"},
    {Nutrient::Sugar, "sugar", "g"},
    {Nutrient::Alcohol, "alcohol", "g"},
    {Nutrient::Fiber, "fiber", "g"},
    {Nutrient::Cholesterol, "cholesterol", "mg"},
    {Nutrient::Sodium, "sodium", "mg"},
};

const Named& Of(Nutrient n)
{
    return *std::find_if(std::begin(kNames), std::end(kNames),
                         [n](const Named& k) { return k.nutrient == n; });
}

} // namespace

const std::vector<Nutrient>& NutrientSources::Nutrients()
{
    static const std::vector<Nutrient> all = [] {
        std::vector<Nutrient> v;
        for (const Named& k : kNames)
            v.push_back(k.nutrient);
        return v;
    }();
    return all;
}

QString NutrientSources::Name(Nutrient n)
{
    return QString::fromLatin1(Of(n).name);
}

std::optional<Nutrient> NutrientSources::FromName(const QString& name)
{
    for (const Named& k : kNames)
        if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0)
            return k.nutrient;
    return std::nullopt;
}

QString NutrientSources::Unit(Nutrient n)
{
    return QString::fromLatin1(Of(n).unit);
}

const std::vector<Nutrient>& NutrientSources::ReportNutrients()
{
    // The diary's summary has no sugar line.
    static const std::vector<Nutrient> shown = [] {
        std::vector<Nutrient> v = Nutrients();
        v.erase(std::remove(v.begin(), v.end(), Nutrient::Sugar), v.end());
        return v;
    }();
    return shown;
}

QString NutrientSources::ReportName(Nutrient n)
{
    return QCoreApplication::translate("NutrientSources", "Sources of ") + Name(n);
}

QStringList NutrientSources::Columns(Nutrient n)
{
    return {QCoreApplication::translate("NutrientSources", "Food"), Unit(n),
            QCoreApplication::translate("NutrientSources", "Share%"),
            QCoreApplication::translate("NutrientSources", "Times")};
}

std::vector<int> NutrientSources::ColumnWidths(int w)
{
    const int figure = w / 5;
    return {2 * w / 5, figure, figure, w - 2 * w / 5 - 2 * figure};
}

QStringList NutrientSources::Cells(const Source& s)
{
    return {s.name, FormatFixed(s.amount, 6, 1), FormatFixed(s.share, 6, 1), QString::number(s.times)};
}

NutrientSources::Result NutrientSources::Compute(quint32 profileId, FileTime from, int days, Nutrient n)
{
    CDiaryTable diary(m_store, m_clock);
    CMealTable meals(m_store);
    CFoodTable foodTable(m_store);
    CSubFoodTable components(m_store);
    FoodRecords foodRecords(foodTable, components);
    RecordStore::Snapshot snapshot(m_store);

    struct Sum
    {
        QString name;
        double amount = 0.0;
        int times = 0;
    };
    // Each food is read once per report, however often it was eaten.
    std::unordered_map<quint32, std::pair<bool, FoodData>> foods;
    std::unordered_map<quint32, Sum> sums;
    FileTime date = from.Date();
    for (int i = 0; i < days; ++i, date = AddDays(date, 1)) {
        if (!diary.FindDay(date, profileId))
            continue;
        const quint32 dayId = diary.Buffer().id;
        meals.ForEachOfDay(dayId, [&](const EntryRecord& e) {
            if (e.IsExercise())
                return true;
            auto found = foods.find(e.foodId);
            if (found == foods.end()) {
                FoodData food;
                const bool known = foodRecords.LoadFood(e.foodId, &food);
                found = foods.emplace(e.foodId, std::make_pair(known, std::move(food))).first;
            }
            const auto& [known, food] = found->second;
            if (!known)
                return true;
            // The day's totals add each entry this way: the same figure, food by food.
            NutrientValues one;
            AddScaledFood(one, food.values, e.weight);
            Sum& s = sums[e.foodId];
            s.name = food.name;
            s.amount += one[n];
            ++s.times;
            return true;
        });
    }

    Result result;
    std::vector<Source> all;
    for (const auto& [id, s] : sums) {
        if (s.amount <= 0)
            continue;
        all.push_back({id, s.name, s.amount, 0.0, s.times});
        result.total += s.amount;
    }
    std::sort(all.begin(), all.end(), [](const Source& a, const Source& b) {
        if (a.amount != b.amount)
            return a.amount > b.amount;
        return a.name != b.name ? a.name < b.name : a.foodId < b.foodId;
    });
    const auto shareOf = [&](double amount) {
        return result.total > 0 ? amount * 100.0 / result.total : 0.0;
    };
    for (size_t i = 0; i < all.size(); ++i) {
        if (i < static_cast<size_t>(kMaxRows)) {
            all[i].share = shareOf(all[i].amount);
            result.rows.push_back(all[i]);
            continue;
        }
        if (i == static_cast<size_t>(kMaxRows))
            result.rows.push_back(
                {0, QCoreApplication::translate("NutrientSources", "Other foods"), 0.0, 0.0, 0});
        Source& other = result.rows.back();
        other.amount += all[i].amount;
        other.times += all[i].times;
        other.share = shareOf(other.amount);
    }
    return result;
}
