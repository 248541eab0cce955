#include "fooddb/FoodLabel.h"
#include "storage/CFoodTable.h"
#include "storage/CMeasuresTable.h"
#include "support/RecordingSurface.h"
#include "support/TestStore.h"

namespace {

class FoodLabelTest : public TestStore
{
protected:
    void AddFood(quint32 id, double reference, double servingGrams)
    {
        CFoodTable foods(Store());
        foods.NewRecord(id);
        foods.Buffer().name = QStringLiteral("Bread");
        foods.Buffer().values[Nutrient::Energy] = 250;
        foods.Buffer().values[Nutrient::Protein] = 9;
        foods.Buffer().values[Nutrient::Sodium] = 500;
        // 9 g protein only: all the shares from protein.
        foods.Buffer().values.Share(EnergyShare::Protein) = 100;
        foods.Buffer().referenceWeight = reference;
        if (servingGrams > 0) {
            CMeasuresTable sizes(Store());
            foods.Buffer().defaultServingId = sizes.NewRecord(id);
            sizes.Buffer().description = QStringLiteral("slice");
            sizes.Buffer().weight = servingGrams;
            sizes.Save();
        }
        foods.Save();
    }
};

} // namespace

TEST_F(FoodLabelTest, OneServingOrTheReferenceWeight)
{
    struct Case
    {
        double reference;
        double serving;
        const char* servingText;
        const char* weight;
        const char* calories;
        const char* protein;
        const char* proteinShare;
        const char* sodium;
    };
    const Case cases[] = {
        {100, 40, "slice", "   40 g", "   100 kcal", "   3.6 g", "100.0 %", " 200.0 mg"},
        {50, 0, "Reference weight", "   50 g", "   125 kcal", "   4.5 g", "100.0 %", " 250.0 mg"},
        // Nothing to scale by: the amounts per 100 g, no energy, no shares.
        {0, 0, "Reference weight", "    0 g", "     0 kcal", "   9.0 g", "  0.0 %", " 500.0 mg"},
    };
    quint32 id = 1;
    for (const Case& c : cases) {
        AddFood(id, c.reference, c.serving);
        const FoodLabel label = FoodLabel::Of(Store(), id++);
        EXPECT_EQ(label.Name(), QStringLiteral("Bread"));
        EXPECT_EQ(label.Serving(), QString::fromLatin1(c.servingText));
        EXPECT_EQ(label.WeightText(), QString::fromLatin1(c.weight));
        ASSERT_EQ(label.Rows().size(), 11u);
        EXPECT_EQ(label.Rows()[0].value, QString::fromLatin1(c.calories));
        EXPECT_EQ(label.Rows()[1].value, QString::fromLatin1(c.protein));
        EXPECT_EQ(label.Rows()[1].percent, QString::fromLatin1(c.proteinShare));
        EXPECT_EQ(label.Rows()[8].value, QString::fromLatin1(c.sodium));
    }
}

TEST_F(FoodLabelTest, DrawnAtItsPlaces)
{
    AddFood(1, 100, 40);
    RecordingSurface s;
    FoodLabel::Of(Store(), 1).Paint(s);
    const QStringList calls = s.Calls();
    for (const char* expected :
         {"line 0,24 240,24", "line 0,70 240,70", "line 0,240 240,240", "line 120,70 120,240",
          "line 180,70 180,240", "text 8,28 h11 Food name:", "text 70,28 h11 Bread", "text 70,42 h11 slice",
          "text 8,74 h11 Calories:",
          // right edges: 176 for calories, 164 and 224 for protein, 172 for sodium
          "text 110,74 h11    100 kcal", "text 116,88 h11    3.6 g", "text 182,88 h11 100.0 %",
          "text 118,186 h11  200.0 mg", "text 8,214 h11 Fiber:"})
        EXPECT_TRUE(calls.contains(QString::fromLatin1(expected))) << expected;
}
