#include "fooddb/FoodForm.h"
#include "support/TestStore.h"

namespace {

class FoodFormTest : public TestStore
{
protected:
    // A plain food: energy and protein per 100 g, an optional default serving.
    void AddFood(quint32 id, const char* name, double kcal, double servingGrams = 0,
                 const char* serving = nullptr)
    {
        CFoodTable foods(Store());
        foods.NewRecord(id);
        foods.Buffer().name = QString::fromLatin1(name);
        foods.Buffer().values[Nutrient::Energy] = kcal;
        foods.Buffer().values[Nutrient::Protein] = 10;
        foods.Buffer().referenceWeight = 100;
        if (serving) {
            CMeasuresTable sizes(Store());
            foods.Buffer().defaultServingId = sizes.NewRecord(id);
            sizes.Buffer().description = QString::fromLatin1(serving);
            sizes.Buffer().weight = servingGrams;
            sizes.Save();
        }
        foods.Save();
    }
    // A composite saved with its components.
    void AddComposite(quint32 id, std::initializer_list<quint32> parts)
    {
        FoodForm form(Store());
        form.NewFood(0);
        form.Food().id = id;
        form.Food().name = QStringLiteral("Mix");
        for (quint32 p : parts)
            form.Food().components.push_back({p, 50, 1, QString()});
        ASSERT_TRUE(form.Apply());
    }
};

} // namespace

TEST_F(FoodFormTest, AmountsShowForTheReferenceWeight)
{
    EXPECT_EQ(FoodForm::Shown(20, 250), 50);
    EXPECT_EQ(FoodForm::Stored(50, 250), 20);
    // Reference weight 0: shown and stored as they are.
    EXPECT_EQ(FoodForm::Shown(20, 0), 20);
    EXPECT_EQ(FoodForm::Stored(20, 0), 20);
}

TEST_F(FoodFormTest, ComponentsTheirRefusalsAndTheReferenceWeight)
{
    AddFood(1, "Milk", 64, 240, "cup");
    AddFood(2, "Oats", 380);
    FoodForm imported(Store());
    ASSERT_TRUE(imported.Load(1));
    EXPECT_TRUE(imported.IsReadOnly());
    EXPECT_EQ(imported.AddComponent(2), FoodForm::AddResult::ReadOnly);

    FoodForm form(Store());
    form.NewFood(7);
    EXPECT_GE(form.Food().id, 100000u);
    EXPECT_EQ(form.Food().folderId, 7u);
    EXPECT_FALSE(form.IsReadOnly());
    EXPECT_EQ(form.AddComponent(1), FoodForm::AddResult::Added);
    EXPECT_EQ(form.AddComponent(2), FoodForm::AddResult::Added);
    ASSERT_EQ(form.Food().components.size(), 2u);
    EXPECT_EQ(form.Food().components[0], (FoodComponent{1, 240, 1, QStringLiteral("cup")}));
    EXPECT_EQ(form.Food().components[1], (FoodComponent{2, 0, 1, QString()})); // no default serving
    EXPECT_EQ(form.Food().referenceWeight, 240);
    EXPECT_TRUE(form.IsReadOnly());
    EXPECT_EQ(form.AddComponent(form.Food().id), FoodForm::AddResult::Itself);

    EXPECT_EQ(form.ComponentRow(0),
              (QStringList{"0", "Milk", "  1.00 x cup", " 240.0", " 153.6", "  24.0", "   0.0", "   0.0",
                           "   0.0", "   0.0", "   0.0", "   0.0", "   0.0", "   0.0", "   0.0"}));
    EXPECT_EQ(form.ComponentRow(1)[2], QStringLiteral("  1.00 x   0 g"));
    form.SetComponentServing(1, 80, 2, QString());
    EXPECT_EQ(form.ComponentRow(1)[2], QStringLiteral("  2.00 x  40 g"));
    EXPECT_EQ(form.Food().referenceWeight, 320);

    // Applied: the values are those of the components.
    ASSERT_TRUE(form.Apply());
    EXPECT_NEAR(form.Food().values[Nutrient::Energy], (64 * 2.4 + 380 * 0.8) * 100 / 320, 1e-9);

    form.RemoveComponent(1);
    EXPECT_EQ(form.Food().referenceWeight, 80);
    form.RemoveComponent(2); // the only one: the weight stays, the fields open again
    EXPECT_EQ(form.Food().referenceWeight, 80);
    EXPECT_FALSE(form.IsReadOnly());
}

TEST_F(FoodFormTest, AFoodThatContainsThisOneIsRefusedAtAnyDepth)
{
    AddFood(1, "Milk", 64);
    AddComposite(100001, {1});      // A
    AddComposite(100002, {100001}); // C holds A
    AddComposite(100003, {100002}); // B holds C
    FoodForm a(Store());
    ASSERT_TRUE(a.Load(100001));
    EXPECT_EQ(a.AddComponent(100003), FoodForm::AddResult::Itself);
    EXPECT_EQ(a.AddComponent(100002), FoodForm::AddResult::Itself);
    EXPECT_EQ(a.AddComponent(1), FoodForm::AddResult::Added);
    EXPECT_FALSE(a.Contains(1, 100001));

    FoodForm full(Store());
    full.NewFood(0);
    for (int i = 0; i < FoodData::kMaxComponents; ++i)
        ASSERT_EQ(full.AddComponent(1), FoodForm::AddResult::Added);
    EXPECT_EQ(full.AddComponent(1), FoodForm::AddResult::Full);
}
