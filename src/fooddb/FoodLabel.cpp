#include "FoodLabel.h"

#include "fooddb/FoodRecords.h"
#include "profile/NumberFormat.h"
#include "storage/CFoodTable.h"
#include "storage/CMeasuresTable.h"
#include "storage/CSubFoodTable.h"

#include <QCoreApplication>

FoodLabel FoodLabel::Of(RecordStore& store, quint32 foodId)
{
    CFoodTable foods(store);
    CSubFoodTable components(store);
    CMeasuresTable sizes(store);
    FoodData food;
    FoodRecords(foods, components).LoadFood(foodId, &food);

    FoodLabel label;
    label.m_name = food.name;
    double w = sizes.ServingWeight(food.defaultServingId);
    if (w == 0) {
        label.m_serving = QStringLiteral("Reference weight");
        w = food.referenceWeight;
    } else {
        label.m_serving = sizes.ServingName(food.defaultServingId);
    }
    label.m_weight = FormatFixed(w, 5, 0) + QStringLiteral(" g");
    // Per serving; a weight of 0 leaves the amounts per 100 g.
    const auto amount = [&](Nutrient n) { return w == 0 ? food.values[n] : food.values[n] * w * 0.01; };
    const auto share = [&](EnergyShare e) {
        return FormatFixed(w == 0 ? 0.0 : food.values.Share(e), 5, 1) + QStringLiteral(" %");
    };
    const auto grams = [&](Nutrient n) { return FormatFixed(amount(n), 6, 1) + QStringLiteral(" g"); };
    const auto milligrams = [&](Nutrient n) { return FormatFixed(amount(n), 6, 1) + QStringLiteral(" mg"); };

    std::vector<Row>& r = label.m_rows;
    r.push_back({74,
                 QCoreApplication::translate("FoodLabel", "Calories:"),
                 FormatFixed(food.values[Nutrient::Energy] * w * 0.01, 6, 0) +
                     QCoreApplication::translate("FoodLabel", " kcal"),
                 176,
                 {}});
    const std::tuple<const char*, Nutrient, EnergyShare> shared[] = {
        {"Protein:", Nutrient::Protein, EnergyShare::Protein},
        {"Fat:", Nutrient::Fat, EnergyShare::Fat},
        {"Saturates:", Nutrient::Saturates, EnergyShare::Saturates},
        {"Monounsaturates:", Nutrient::Monounsaturates, EnergyShare::Monounsaturates},
        {"Polyunsaturates:", Nutrient::Polyunsaturates, EnergyShare::Polyunsaturates},
        {"Carbohydrate:", Nutrient::Carbohydrate, EnergyShare::Carbohydrate},
        {"Alcohol:", Nutrient::Alcohol, EnergyShare::Alcohol},
    };
    int y = 88;
    for (const auto& [text, n, e] : shared) {
        r.push_back({y, QString::fromLatin1(text), grams(n), 164, share(e)});
        y += 14;
    }
    r.push_back(
        {186, QCoreApplication::translate("FoodLabel", "Sodium:"), milligrams(Nutrient::Sodium), 172, {}});
    r.push_back({200,
                 QCoreApplication::translate("FoodLabel", "Cholesterol:"),
                 milligrams(Nutrient::Cholesterol),
                 172,
                 {}});
    r.push_back({214, QCoreApplication::translate("FoodLabel", "Fiber:"), grams(Nutrient::Fiber), 172, {}});
    return label;
}

void FoodLabel::Paint(IDrawSurface& s) const
{
    const IDrawSurface::Color black{0, 0, 0};
    const auto text = [&](int x, int y, const QString& t) {
        s.Text(x, y, t, kTextHeight, IDrawSurface::Weight::Normal, black);
    };
    const auto right = [&](int edge, int y, const QString& t) {
        text(edge - s.TextWidth(t, kTextHeight), y, t);
    };
    s.SetPen(black);
    for (int y : {24, 70, 240})
        s.Line(0, y, 240, y);
    for (int x : {120, 180})
        s.Line(x, 70, x, 240);
    text(8, 28, QCoreApplication::translate("FoodLabel", "Food name:"));
    text(70, 28, m_name);
    text(8, 42, QCoreApplication::translate("FoodLabel", "Serving:"));
    text(70, 42, m_serving);
    text(8, 56, QCoreApplication::translate("FoodLabel", "Weight:"));
    text(70, 56, m_weight);
    for (const Row& row : m_rows) {
        text(8, row.y, row.label);
        right(row.valueRight, row.y, row.value);
        if (!row.percent.isEmpty())
            right(kPercentRight, row.y, row.percent);
    }
}
