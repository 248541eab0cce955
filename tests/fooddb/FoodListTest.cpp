#include "fooddb/FoodList.h"
#include "fooddb/FoodSearch.h"
#include "fooddb/FoodTree.h"
#include "support/TestStore.h"

namespace {

class FoodListTest : public TestStore
{
protected:
    void SetUp() override
    {
        TestStore::SetUp();
        FoodTree tree(Store());
        // Drinks (1) > Juices (2); Fruit (3).
        tree.CreateFolder(0, QStringLiteral("Drinks"));
        tree.CreateFolder(1, QStringLiteral("Juices"));
        tree.CreateFolder(0, QStringLiteral("Fruit"));
        AddFood(1, 0, "Juicy pears");
        AddFood(2, 2, "Orange juice");
        AddFood(3, 2, "Apple Juice, canned");
        AddFood(4, 3, "apple");
        AddFood(5, 3, "Banana");
        AddFood(6, 2, "apple juice, fresh");
    }

    void AddFood(quint32 id, quint32 folder, const char* name, double protein = 1, double fat = 0,
                 quint32 components = 0)
    {
        CFoodTable foods(Store());
        foods.NewRecord(id);
        foods.Buffer().folderId = folder;
        foods.Buffer().name = QString::fromLatin1(name);
        foods.Buffer().values[Nutrient::Energy] = 50;
        foods.Buffer().values[Nutrient::Protein] = protein;
        foods.Buffer().values[Nutrient::Fat] = fat;
        foods.Buffer().componentCount = components;
        foods.Save();
    }

    static QStringList Names(const std::vector<FoodListRow>& rows)
    {
        QStringList names;
        for (const FoodListRow& r : rows)
            names << r.name;
        return names;
    }
};

} // namespace

TEST_F(FoodListTest, PicturesByCompositeAndFatShare)
{
    // Fat share = 38 f / (17 p + 38 f): 51 g fat with 266 g protein is exactly 30 %.
    struct Case
    {
        double protein;
        double fat;
        quint32 components;
        FoodPicture picture;
    };
    const Case cases[] = {
        {266, 51, 0, FoodPicture::FatFood},
        {266, 50.98, 0, FoodPicture::Food},
        {266, 51, 2, FoodPicture::FatComposite},
        {266, 50.98, 2, FoodPicture::Composite},
        {0, 0, 0, FoodPicture::Food},
    };
    for (const Case& c : cases) {
        FoodRecord food;
        food.values[Nutrient::Energy] = 100;
        food.values[Nutrient::Protein] = c.protein;
        food.values[Nutrient::Fat] = c.fat;
        food.componentCount = c.components;
        EXPECT_EQ(FoodList::Picture(food), c.picture) << c.fat << " " << c.components;
    }
}

TEST_F(FoodListTest, RowsOfAFolderByNameWithTheFilter)
{
    FoodList list(Store());
    EXPECT_EQ(Names(list.Rows(2)),
              (QStringList{"Apple Juice, canned", "apple juice, fresh", "Orange juice"}));
    EXPECT_EQ(Names(list.Rows(0)), QStringList{"Juicy pears"});
    EXPECT_TRUE(list.Rows(1).empty());
    const auto notApple = [](const FoodRecord& f) { return !f.name.startsWith(QLatin1String("apple")); };
    EXPECT_EQ(Names(list.Rows(3, notApple)), QStringList{"Banana"});
    EXPECT_EQ(list.Rows(3, notApple).front().id, 5u);
}

TEST_F(FoodListTest, SearchGoesDepthFirstAndEnds)
{
    FoodList list(Store());
    int listsMade = 0;
    const auto rowsOf = [&](quint32 folder) {
        ++listsMade;
        return list.Rows(folder);
    };
    // Blanks and letter case do not matter; "Juicy pears" lacks "apple".
    FoodSearch search(Store(), {QStringLiteral(" apple "), QStringLiteral(" JUICE "), QString()}, rowsOf);
    auto m = search.Next();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->folderId, 2u);
    EXPECT_EQ(m->row, 0);
    EXPECT_EQ(m->foodId, 3u);
    m = search.Next();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->row, 1);
    EXPECT_EQ(m->foodId, 6u);
    EXPECT_FALSE(search.Next()); // Fruit holds "apple" alone: the end
    EXPECT_FALSE(search.Next());
    EXPECT_EQ(listsMade, 3); // only the Juices folder's list was made

    // Empty terms find every food in turn: Root, Drinks, Juices, Fruit.
    FoodSearch all(Store(), {}, rowsOf);
    std::vector<quint32> found;
    while (auto next = all.Next())
        found.push_back(next->foodId);
    EXPECT_EQ(found, (std::vector<quint32>{1, 3, 6, 2, 4, 5}));
}
