#include "fooddb/FoodRecords.h"
#include "storage/CFoodTable.h"
#include "storage/CSubFoodTable.h"
#include "support/TestStore.h"

namespace {

class FoodRecordsTest : public TestStore
{
protected:
    void SetUp() override
    {
        TestStore::SetUp();
        m_foods = std::make_unique<CFoodTable>(Store());
        m_parts = std::make_unique<CSubFoodTable>(Store());
        m_records = std::make_unique<FoodRecords>(*m_foods, *m_parts);
    }

    FoodData Plain(quint32 id, double energy, double protein, double fat = 0, double carbohydrate = 0)
    {
        FoodData f;
        f.id = id;
        f.name = QStringLiteral("food %1").arg(id);
        f.values[Nutrient::Energy] = energy;
        f.values[Nutrient::Protein] = protein;
        f.values[Nutrient::Fat] = fat;
        f.values[Nutrient::Carbohydrate] = carbohydrate;
        f.values[Nutrient::Sodium] = 10 * id;
        f.referenceWeight = 100;
        EXPECT_TRUE(m_records->SaveFood(f));
        return f;
    }

    FoodData Composite(quint32 id, std::vector<FoodComponent> parts)
    {
        FoodData f;
        f.id = id;
        f.name = QStringLiteral("recipe %1").arg(id);
        for (const FoodComponent& c : parts)
            f.referenceWeight += c.weight;
        f.components = std::move(parts);
        EXPECT_TRUE(m_records->SaveFood(f));
        return f;
    }

    FoodData Load(quint32 id)
    {
        FoodData f;
        m_records->LoadFood(id, &f);
        return f;
    }

    std::unique_ptr<CFoodTable> m_foods;
    std::unique_ptr<CSubFoodTable> m_parts;
    std::unique_ptr<FoodRecords> m_records;
};

} // namespace

TEST_F(FoodRecordsTest, SharesOfAPlainFood)
{
    Plain(1, 41, 10);
    FoodData f = Load(1);
    EXPECT_EQ(f.values.Share(EnergyShare::Protein), 100);
    EXPECT_EQ(f.values.Share(EnergyShare::Fat), 0);
    Plain(2, 0, 10);
    EXPECT_EQ(Load(2).values.percentages, (std::array<double, 8>{}));
    Plain(3, 0.0099, 10, 5);
    EXPECT_EQ(Load(3).values.percentages, (std::array<double, 8>{}));

    FoodData missing;
    missing.values[Nutrient::Energy] = 5;
    EXPECT_FALSE(m_records->LoadFood(99, &missing));
    EXPECT_EQ(missing.values, NutrientValues());
}

TEST_F(FoodRecordsTest, CompositeValuesComeFromTheComponents)
{
    const FoodData a = Plain(1, 100, 10);
    const FoodData b = Plain(2, 300, 0, 20);
    Composite(10, {{1, 50, 1, QString()}, {2, 150, 1.5, QStringLiteral("cup")}});
    const FoodData c = Load(10);
    ASSERT_EQ(c.components.size(), 2u);
    EXPECT_EQ(c.referenceWeight, 200);
    for (int i = 0; i < kNutrientCount; ++i)
        EXPECT_NEAR(c.values.amounts[i], (0.5 * a.values.amounts[i] + 1.5 * b.values.amounts[i]) / 2, 1e-9)
            << i;
    // Components come back in their order, with their servings.
    EXPECT_EQ(c.components[0], (FoodComponent{1, 50, 1, QString()}));
    EXPECT_EQ(c.components[1], (FoodComponent{2, 150, 1.5, QStringLiteral("cup")}));

    // All weights 0: all values 0.
    Composite(11, {{1, 0, 0, QString()}, {2, 0, 0, QString()}});
    EXPECT_EQ(Load(11).values, NutrientValues());

    // A deleted component counts as nothing, its weight still counts.
    Composite(12, {{1, 100, 1, QString()}, {7, 100, 1, QString()}});
    EXPECT_DOUBLE_EQ(Load(12).values[Nutrient::Energy], 50);
}

TEST_F(FoodRecordsTest, AFoodThatContainsItselfCountsTheRepeatAsNothing)
{
    Plain(1, 100, 10);
    Composite(20, {{1, 100, 1, QString()}, {21, 100, 1, QString()}});
    Composite(21, {{20, 100, 1, QString()}, {1, 100, 1, QString()}});
    Composite(22, {{22, 50, 1, QString()}, {1, 50, 1, QString()}});
    // 21 inside 20: (20 counted as zero + 1) / 2 = 50 kcal; 20 = (100 + 50) / 2.
    EXPECT_DOUBLE_EQ(Load(20).values[Nutrient::Energy], 75);
    EXPECT_DOUBLE_EQ(Load(21).values[Nutrient::Energy], 75);
    EXPECT_DOUBLE_EQ(Load(22).values[Nutrient::Energy], 50);
}

TEST_F(FoodRecordsTest, SavingReplacesTheRecordAndItsRows)
{
    Plain(1, 100, 10);
    Plain(2, 200, 10);
    FoodData f = Composite(10, {{1, 50, 1, QString()}, {2, 50, 0.1, QString()}});
    f.components.pop_back();
    f.name = QStringLiteral("renamed");
    ASSERT_TRUE(m_records->SaveFood(f));
    const FoodData back = Load(10);
    EXPECT_EQ(back.name, QStringLiteral("renamed"));
    EXPECT_EQ(back.components.size(), 1u);
    EXPECT_EQ(m_foods->Count(), 3u);
    ASSERT_NE(m_foods->FindId(10), 0u);
    m_foods->Load();
    EXPECT_EQ(m_foods->Buffer().componentCount, 1u);

    // At most 64 components are written, and at most 64 rows are read.
    Composite(30, std::vector<FoodComponent>(70, FoodComponent{1, 1, 1, QString()}));
    EXPECT_EQ(Load(30).components.size(), 64u);
    for (int i = 0; i < 6; ++i) {
        m_parts->Buffer() = {30, 2, 1, QString(), 1};
        m_parts->NewRecord();
    }
    EXPECT_EQ(Load(30).components.size(), 64u);
}

TEST_F(FoodRecordsTest, AFoodReadAgainAfterAnyChangeHereOrInAnotherProgram)
{
    Plain(1, 100, 5);
    Composite(2, {{1, 50, 1, QString()}});
    EXPECT_EQ(Load(2).values[Nutrient::Energy], 100);
    // Changed through another table of this program.
    CFoodTable other(Store());
    ASSERT_TRUE(other.FindId(1) && other.Load());
    other.Buffer().values[Nutrient::Energy] = 300;
    other.Save();
    EXPECT_EQ(Load(1).values[Nutrient::Energy], 300);
    EXPECT_EQ(Load(2).values[Nutrient::Energy], 300);
    // Changed by another program on the same file.
    {
        QString message;
        std::unique_ptr<RecordStore> peer = RecordStore::Open(StorePath(), nullptr, &message);
        ASSERT_TRUE(peer) << message.toStdString();
        CFoodTable theirs(*peer);
        ASSERT_TRUE(theirs.FindId(1) && theirs.Load());
        theirs.Buffer().values[Nutrient::Energy] = 50;
        theirs.Save();
    }
    EXPECT_EQ(Load(2).values[Nutrient::Energy], 50);
    // Deleted: no food, not the one read before.
    ASSERT_TRUE(other.FindId(1));
    other.DeleteCurrent();
    FoodData gone;
    EXPECT_FALSE(m_records->LoadFood(1, &gone));
}
