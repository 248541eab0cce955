#include "analysis/NutrientSources.h"
#include "ReportFixture.h"
#include "fooddb/FoodRecords.h"
#include "profile/NumberFormat.h"
#include "storage/CFoodTable.h"
#include "storage/CSubFoodTable.h"

namespace {

class NutrientSourcesTest : public ReportFixture
{
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        m_foods = std::make_unique<CFoodTable>(Store());
        m_components = std::make_unique<CSubFoodTable>(Store());
        m_records = std::make_unique<FoodRecords>(*m_foods, *m_components);
    }

    void Food(quint32 id, const char* name, double kcal, double sodium,
              std::vector<FoodComponent> components = {})
    {
        FoodData f;
        f.id = id;
        f.name = QString::fromLatin1(name);
        f.values[Nutrient::Energy] = kcal;
        f.values[Nutrient::Sodium] = sodium;
        f.referenceWeight = 100;
        f.components = std::move(components);
        ASSERT_TRUE(m_records->SaveFood(f));
    }

    // A meal of the day, written and computed as the diary does.
    void Eat(FileTime day, quint32 food, double grams)
    {
        m_doc->SetCurrentDate(day);
        m_doc->OpenDay();
        ASSERT_NE(m_doc->AddMealEntry(food, grams, 1, QString(), day), 0u);
        m_doc->ComputeDay(m_doc->Day().id);
        m_doc->SaveDay();
    }

    NutrientSources::Result Sources(FileTime from, int days, Nutrient n)
    {
        return NutrientSources(Store(), m_clock).Compute(1, from, days, n);
    }

    // The period's total of the nutrient as the totals report shows it.
    QString TotalsReport(FileTime from, FileTime to, int row)
    {
        return Report(from, to, ReportCalculator::Type::Totals)[static_cast<size_t>(row)].cells[0];
    }

    std::unique_ptr<CFoodTable> m_foods;
    std::unique_ptr<CSubFoodTable> m_components;
    std::unique_ptr<FoodRecords> m_records;
};

QStringList Texts(const NutrientSources::Result& r)
{
    QStringList out;
    for (const NutrientSources::Source& s : r.rows)
        out << NutrientSources::Cells(s).join(QLatin1Char('|'));
    return out;
}

} // namespace

TEST_F(NutrientSourcesTest, FoodsRankedByWhatTheyGaveWithSharesAndTimes)
{
    Food(1, "Bread", 250, 500);
    Food(2, "Cheese", 400, 600);
    // A sandwich of 50 g bread and 30 g cheese: 245 kcal and 430 mg sodium in its 80 g.
    Food(3, "Sandwich", 0, 0, {{1, 50, 1, QString()}, {2, 30, 1, QString()}});
    Food(4, "Soon deleted", 100, 1000);
    const FileTime first = AddDays(kToday, -3);
    Eat(first, 1, 100);             // bread 250 kcal, 500 mg
    Eat(first, 3, 80);              // sandwich as itself
    Eat(AddDays(first, 2), 1, 40);  // bread again: 100 kcal, 200 mg
    Eat(AddDays(first, 2), 2, 25);  // cheese 100 kcal, 150 mg
    Eat(AddDays(first, 2), 4, 100); // then deleted: gives nothing
    ASSERT_TRUE(m_foods->FindId(4));
    m_foods->DeleteCurrent();
    m_doc->ComputeDay(m_doc->Day().id); // the day as the diary shows it after the delete
    m_doc->SaveDay();
    // The second day has no entries at all.

    const auto energy = Sources(first, 3, Nutrient::Energy);
    EXPECT_EQ(Texts(energy),
              (QStringList{"Bread| 350.0|  50.4|2", "Sandwich| 245.0|  35.3|1", "Cheese| 100.0|  14.4|1"}));
    EXPECT_DOUBLE_EQ(energy.total, 695);
    EXPECT_EQ(FormatFixed(energy.total, 6, 1), TotalsReport(first, AddDays(first, 2), 0));

    const auto sodium = Sources(first, 3, Nutrient::Sodium);
    EXPECT_EQ(Texts(sodium),
              (QStringList{"Bread| 700.0|  54.7|2", "Sandwich| 430.0|  33.6|1", "Cheese| 150.0|  11.7|1"}));
    EXPECT_EQ(FormatFixed(sodium.total, 6, 1), TotalsReport(first, AddDays(first, 2), 9));
    // Nothing eaten gave alcohol: no rows at all.
    EXPECT_TRUE(Sources(first, 3, Nutrient::Alcohol).rows.empty());
    EXPECT_TRUE(Sources(AddDays(first, 1), 1, Nutrient::Energy).rows.empty());
}

TEST_F(NutrientSourcesTest, PastFiftyFoodsTheRestAreOtherFoods)
{
    for (quint32 id = 1; id <= 53; ++id)
        Food(id, qPrintable(QStringLiteral("Food %1").arg(id, 2, 10, QLatin1Char('0'))), id, 0);
    for (quint32 id = 1; id <= 53; ++id)
        Eat(kToday, id, 100);
    Eat(kToday, 1, 100);
    const auto r = Sources(kToday, 1, Nutrient::Energy);
    ASSERT_EQ(r.rows.size(), 51u);
    EXPECT_EQ(r.rows.front().name, QStringLiteral("Food 53"));
    EXPECT_EQ(r.rows[49].name, QStringLiteral("Food 04"));
    // Foods 1 (eaten twice), 2 and 3: 2 + 2 + 3 kcal in four entries.
    EXPECT_EQ(NutrientSources::Cells(r.rows.back()).join(QLatin1Char('|')),
              QStringLiteral("Other foods|   7.0|   0.5|4"));
    double sum = 0;
    for (const auto& s : r.rows)
        sum += s.amount;
    EXPECT_DOUBLE_EQ(sum, r.total);
    EXPECT_EQ(FormatFixed(sum, 6, 1), TotalsReport(kToday, kToday, 0));
}

TEST(NutrientSourcesNames, CommandLineAndReportNames)
{
    EXPECT_EQ(NutrientSources::Nutrients().size(), 12u);
    EXPECT_EQ(NutrientSources::FromName(QStringLiteral("Sodium")), Nutrient::Sodium);
    EXPECT_FALSE(NutrientSources::FromName(QStringLiteral("salt")).has_value());
    EXPECT_EQ(NutrientSources::ReportNutrients().size(), 11u);
    EXPECT_EQ(NutrientSources::ReportName(NutrientSources::ReportNutrients().back()),
              QStringLiteral("Sources of sodium"));
    EXPECT_EQ(NutrientSources::Columns(Nutrient::Cholesterol)[1], QStringLiteral("mg"));
}
