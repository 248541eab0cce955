#include "storage/CFoodTable.h"
#include "storage/CLruFoodsTable.h"
#include "storage/CMealTable.h"
#include "storage/CMeasuresTable.h"
#include "storage/CSubFoodTable.h"
#include "storage/CTreeTable.h"
#include "support/TestStore.h"

namespace {

using DbTableTest = TestStore;

} // namespace

TEST_F(DbTableTest, NextIdFollowsTheHighestId)
{
    CFoodTable foods(Store());
    EXPECT_EQ(foods.NextId(), 1u);
    EXPECT_EQ(foods.NewRecord(0), 1u);
    for (quint32 id : {41u, 7u, 30u})
        EXPECT_EQ(foods.NewRecord(id), id);
    EXPECT_EQ(foods.NextId(), 42u);
    EXPECT_EQ(foods.NewRecord(0), 42u);
    EXPECT_EQ(foods.Count(), 5u);
}

TEST_F(DbTableTest, EmptyTablesFindNothingAndKeepTheCursor)
{
    CFoodTable foods(Store());
    EXPECT_EQ(foods.First(), 0u);
    EXPECT_EQ(foods.Next(), 0u);
    EXPECT_EQ(foods.FindId(1), 0u);
    EXPECT_EQ(foods.CurrentRecord(), 0u);
    EXPECT_FALSE(foods.Load());
    EXPECT_FALSE(foods.Save());

    foods.NewRecord(5);
    foods.NewRecord(6);
    ASSERT_NE(foods.First(), 0u);
    EXPECT_EQ(Store().GoPrevious(foods.Handle()), 0u);
    ASSERT_TRUE(foods.Load());
    EXPECT_EQ(foods.Buffer().id, 5u);
    EXPECT_EQ(foods.FindId(99), 0u);
}

TEST_F(DbTableTest, OpeningAnExistingTableKeepsItsRecordsAndReopenDropsTheCursor)
{
    {
        CFoodTable foods(Store());
        foods.NewRecord(3);
        foods.Buffer().folderId = 9;
        foods.Save();
        foods.NewRecord(4);
        foods.Buffer().folderId = 1;
        foods.Save();
    }
    CFoodTable foods(Store());
    EXPECT_EQ(foods.Count(), 2u);
    ASSERT_NE(foods.FindId(4), 0u);
    ASSERT_TRUE(foods.Reopen(CFoodTable::kFolderProp));
    EXPECT_EQ(foods.CurrentRecord(), 0u);
    EXPECT_FALSE(foods.Load());
    ASSERT_NE(foods.First(), 0u);
    foods.Load();
    EXPECT_EQ(foods.Buffer().id, 4u); // folder 1 comes first in the folder order
    foods.Next();
    foods.Load();
    EXPECT_EQ(foods.Buffer().id, 3u);
    EXPECT_EQ(foods.Next(), 0u);
}

TEST_F(DbTableTest, FoodRecordsHaveTwentyNinePropertiesEndingWithTheEmptyOne)
{
    CFoodTable foods(Store());
    ASSERT_EQ(foods.NewRecord(0), 1u);
    auto& r = foods.Buffer();
    r.name = QStringLiteral("Rye bread");
    r.folderId = 12;
    r.values[Nutrient::Energy] = 259;
    r.values[Nutrient::Sodium] = 603;
    r.values[Nutrient::Sugar] = 3.85;
    r.referenceWeight = 32;
    r.defaultServingId = 4;
    r.componentCount = 2;
    ASSERT_TRUE(foods.Save());

    const std::vector<PropVal> p = CurrentProps(foods);
    ASSERT_EQ(p.size(), 29u);
    const std::vector<quint16> order = {101, 202, 203, 219, 204, 205, 209, 210, 211, 206,
                                        212, 207, 208, 214, 215, 216, 217, 218, 220, 221,
                                        222, 223, 224, 225, 226, 227, 228, 229, 0};
    for (size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(p[i].Id(), order[i]) << i;
    EXPECT_EQ(p.back(), PropVal());
    EXPECT_EQ(p[3], PropVal::R8(219, 259));

    const CFoodTable::Record saved = r;
    r = CFoodTable::Record();
    ASSERT_NE(foods.FindId(1), 0u);
    ASSERT_TRUE(foods.Load());
    EXPECT_EQ(r.name, saved.name);
    EXPECT_EQ(r.values, saved.values);
    EXPECT_EQ(r.folderId, 12u);
    EXPECT_EQ(r.referenceWeight, 32);
    EXPECT_EQ(r.defaultServingId, 4u);
    EXPECT_EQ(r.componentCount, 2u);
}

TEST_F(DbTableTest, FolderTree)
{
    CTreeTable tree(Store());
    EXPECT_EQ(tree.NextNodeId(), 1u);
    EXPECT_FALSE(tree.HasDuplicateIds());
    ASSERT_EQ(tree.NewRecord(7), 7u);
    tree.Buffer().name = QStringLiteral("Fruit");
    tree.Save();
    EXPECT_FALSE(tree.HasDuplicateIds());
    EXPECT_FALSE(tree.HasRootRecord());

    // A new folder after 7 gets 8; its origin is set to its own id.
    const quint32 id = tree.NewRecord(0);
    ASSERT_EQ(id, 8u);
    tree.Buffer().parentId = 7;
    tree.Buffer().originId = id;
    tree.Buffer().name = QStringLiteral("Apples");
    ASSERT_TRUE(tree.Save());
    ASSERT_NE(tree.FindNode(8), 0u);
    ASSERT_TRUE(tree.Load());
    EXPECT_EQ(tree.Buffer().originId, 8u);
    EXPECT_EQ(CurrentProps(tree).size(), 4u);

    tree.NewRecord(9);
    tree.Buffer().parentId = 7;
    tree.Save();
    std::vector<quint32> children;
    for (RecordOid o = tree.FirstChild(7); o; o = tree.NextChild(7)) {
        tree.Load();
        children.push_back(tree.Buffer().id);
    }
    EXPECT_EQ(children, (std::vector<quint32>{8, 9}));

    tree.NewRecord(8);
    EXPECT_TRUE(tree.HasDuplicateIds());
    tree.NewRecord(20);
    tree.Buffer().name = QStringLiteral("root");
    tree.Save();
    EXPECT_FALSE(tree.HasRootRecord()); // the name is compared exactly
    tree.NewRecord(21);
    tree.Buffer().name = QStringLiteral("Root");
    tree.Save();
    EXPECT_TRUE(tree.HasRootRecord());
}

TEST_F(DbTableTest, ServingSizes)
{
    CMeasuresTable measures(Store());
    ASSERT_EQ(measures.NewRecord(100), 1u);
    measures.Buffer().description = QStringLiteral("slice");
    measures.Buffer().weight = 32;
    ASSERT_TRUE(measures.Save());
    // Sorted by food, a new serving size still takes the next id.
    ASSERT_EQ(measures.Handle().SortProperty(), CMeasuresTable::kFoodProp);
    ASSERT_EQ(measures.NewRecord(50), 2u);
    measures.Buffer().description = QStringLiteral("cup");
    measures.Buffer().weight = 240;
    measures.Save();
    ASSERT_EQ(measures.NewRecord(100), 3u);
    measures.Buffer().description = QStringLiteral("loaf");
    measures.Buffer().weight = 800;
    measures.Save();

    std::vector<QString> ofFood;
    for (RecordOid o = measures.FirstOfFood(100); o; o = measures.NextOfFood(100)) {
        measures.Load();
        ofFood.push_back(measures.Buffer().description);
    }
    EXPECT_EQ(ofFood, (std::vector<QString>{QStringLiteral("slice"), QStringLiteral("loaf")}));

    EXPECT_EQ(measures.ServingWeight(2), 240);
    EXPECT_EQ(measures.ServingName(3), QStringLiteral("loaf"));
    EXPECT_EQ(measures.Handle().SortProperty(), CMeasuresTable::kFoodProp);
    measures.Reopen(101);
    measures.FindId(2);
    measures.DeleteCurrent();
    measures.Reopen(CMeasuresTable::kFoodProp);
    EXPECT_EQ(measures.ServingWeight(2), 0);
    EXPECT_EQ(measures.ServingName(2), QString());
    EXPECT_EQ(measures.ServingWeight(0), 0);
}

TEST_F(DbTableTest, ComponentsKeepTheirServingsAsText)
{
    CSubFoodTable parts(Store());
    for (quint32 component : {5u, 6u}) {
        parts.Buffer() = {77, component, 150.0, QStringLiteral("cup"), 0.1 * component};
        ASSERT_EQ(parts.NewRecord(), 77u);
    }
    parts.Buffer() = {78, 5, 10.0, QString(), 1.0};
    parts.NewRecord();

    Store().GoToIndex(parts.Handle(), 0, false);
    const PropVal key = PropVal::UI4(CSubFoodTable::kCompositeProp, 77);
    std::vector<double> servings;
    for (RecordOid o = Store().FindFirstEqual(parts.Handle(), key); o;
         o = Store().FindNextEqual(parts.Handle(), key)) {
        const std::vector<PropVal> p = CurrentProps(parts);
        ASSERT_EQ(p.size(), 5u);
        EXPECT_EQ(p[4].Type(), PropType::LpWstr);
        parts.Load();
        servings.push_back(parts.Buffer().servings);
    }
    EXPECT_EQ(servings, (std::vector<double>{0.5, 0.1 * 6}));
    EXPECT_EQ(CurrentProps(parts)[4].ToText(), QStringLiteral("0.6000000000000001"));
}

TEST_F(DbTableTest, DiaryEntriesOfADay)
{
    CMealTable meals(Store());
    const FileTime noon = FileTime::FromLocal({2026, 12, 9, 12, 0, 0, 0});
    for (quint32 day : {3u, 4u, 3u}) {
        const quint32 id = meals.NewRecord();
        ASSERT_NE(id, 0u);
        auto& r = meals.Buffer();
        r.dayId = day;
        r.foodId = day == 4 ? 0 : 17;
        r.activity = day == 4 ? 12 : 0;
        r.minutes = day == 4 ? 45 : 0;
        r.weight = 150;
        r.servings = 1.0;
        r.time = noon;
        ASSERT_TRUE(meals.Save());
    }
    EXPECT_EQ(meals.Handle().SortProperty(), CMealTable::kDayProp);
    EXPECT_EQ(CurrentProps(meals).size(), 12u);

    std::vector<quint32> ids;
    for (RecordOid o = meals.FirstOfDay(3); o; o = meals.NextOfDay(3)) {
        meals.Load();
        ids.push_back(meals.Buffer().id);
    }
    EXPECT_EQ(ids, (std::vector<quint32>{1, 3}));
    ASSERT_NE(meals.FirstOfDay(4), 0u);
    meals.Load();
    EXPECT_TRUE(meals.Buffer().IsExercise());
    EXPECT_EQ(meals.Buffer().minutes, 45u);
    EXPECT_EQ(meals.Buffer().time, noon);
    EXPECT_EQ(meals.FirstOfDay(99), 0u);
}

TEST_F(DbTableTest, RecentFoodsAreKeyedByTheFoodAndOrderedByLastUse)
{
    CLruFoodsTable recent(Store());
    const quint32 foods[] = {300, 100, 200};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(recent.NewRecord(foods[i]), foods[i]);
        recent.Buffer().name = QStringLiteral("food %1").arg(foods[i]);
        recent.Buffer().lastUse = FileTime::FromLocal({2026, 12, 1 + i, 8, 0, 0, 0});
        ASSERT_TRUE(recent.Save());
    }
    // The oldest first; found by the food id in either order.
    ASSERT_NE(recent.First(), 0u);
    recent.Load();
    EXPECT_EQ(recent.Buffer().foodId, 300u);
    ASSERT_NE(recent.FindId(200), 0u);
    recent.Load();
    EXPECT_EQ(recent.Buffer().name, QStringLiteral("food 200"));
    EXPECT_EQ(CurrentProps(recent).size(), 7u);
}
