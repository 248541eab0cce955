#include "fooddb/FoodFinder.h"
#include "app/BackupRestore.h"
#include "fooddb/NutrientImport.h"
#include "platform/AppEnvironment.h"
#include "storage/CFoodTable.h"
#include "storage/CMeasuresTable.h"
#include "support/TestStore.h"

#include <QDir>
#include <QFile>

namespace {

class FoodFinderTest : public TestStore
{
protected:
    void Add(quint32 id, const char* name, int servings = 0)
    {
        CFoodTable foods(Store());
        foods.NewRecord(id);
        foods.Buffer().name = QString::fromUtf8(name);
        foods.Save();
        CMeasuresTable measures(Store());
        for (int i = 0; i < servings; ++i) {
            measures.NewRecord(id);
            measures.Buffer().description = QStringLiteral("portion %1").arg(i);
            measures.Buffer().weight = 10;
            measures.Save();
        }
    }

    static QStringList Names(const std::vector<FoodFinder::Match>& matches)
    {
        QStringList names;
        for (const FoodFinder::Match& m : matches)
            names << m.name;
        return names;
    }
};

} // namespace

TEST_F(FoodFinderTest, WordStartsMatchAndTheEverydayFoodComesFirst)
{
    Add(1, "Eggplant, raw", 5);
    Add(2, "Eggnog", 5);
    Add(3, "Egg, whole, raw, fresh", 1);
    Add(4, "Candies, milk chocolate", 9);
    Add(5, "Milk, whole, 3.25% milkfat");
    Add(6, "Buttermilk, fluid");
    Add(7, "Crème fraîche");
    Add(8, "Apples, raw, with skin");
    Add(9, "Cereals, KELLOGG'S, Apple Jacks", 9);
    Add(10, "Strawberries, raw");
    Add(11, "Bananas, raw");
    Add(12, "Bananas, dehydrated, or banana powder");
    Add(13, "Orange juice drink", 4);
    Add(14, "Orange juice, raw");
    Add(15, "Rice bran, crude", 4);
    Add(16, "Rice, white, cooked", 1);
    Add(17, "Rice, brown, cooked", 1);
    Add(18, "Cheese, cheddar");
    Add(19, "Crackers, TLC Country Cheddar", 5);
    Add(20, "Peaches, raw", 1);
    Add(21, "Peaches, canned", 4);
    const struct
    {
        const char* typed;
        std::set<quint32> recent;
        QStringList expected;
    } cases[] = {
        // A whole word (or its plural) before a word that only starts with the letters typed.
        {"egg", {}, {"Egg, whole, raw, fresh", "Eggnog", "Eggplant, raw"}},
        // The typed word as the name's first word before the same word further in.
        {"milk", {}, {"Milk, whole, 3.25% milkfat", "Candies, milk chocolate"}},
        // Case and accents aside; the start of a word, never its middle ("raw" is not "stRAWberries").
        {"CREME", {}, {"Crème fraîche"}},
        {"raw egg", {}, {"Egg, whole, raw, fresh", "Eggplant, raw"}},
        // Generic before brand.
        {"apple", {}, {"Apples, raw, with skin", "Cereals, KELLOGG'S, Apple Jacks"}},
        // The typed words as the whole first part; then more serving sizes; then fewer words.
        {"peach", {}, {"Peaches, canned", "Peaches, raw"}},
        {"banana", {}, {"Bananas, raw", "Bananas, dehydrated, or banana powder"}},
        {"orange juice", {}, {"Orange juice, raw", "Orange juice drink"}},
        {"rice", {}, {"Rice, brown, cooked", "Rice, white, cooked", "Rice bran, crude"}},
        {"cheddar", {}, {"Cheese, cheddar", "Crackers, TLC Country Cheddar"}},
        // A food used lately first.
        {"egg", {1}, {"Eggplant, raw", "Egg, whole, raw, fresh", "Eggnog"}},
        {"", {}, {}},
        {"zzz", {}, {}},
    };
    const FoodFinder finder(Store());
    for (const auto& c : cases)
        EXPECT_EQ(Names(finder.Find(QString::fromUtf8(c.typed), c.recent)), c.expected) << c.typed;
    EXPECT_EQ(finder.Find(QStringLiteral("r"), {}, 2).size(), 2u) << "at most the limit";
}

TEST_F(FoodFinderTest, ReadAgainTheFinderFollowsImportsDeletesAndRestores)
{
    Add(1, "Apples, raw");
    Add(2, "Pears, raw");
    FoodFinder finder(Store());
    ASSERT_EQ(Names(finder.Find(QStringLiteral("pear"), {})), QStringList{"Pears, raw"});
    // An import that updates a food in place renames it.
    const QString file = m_dir.filePath(QStringLiteral("import.csv"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("h\n2,Fruit,Fresh,\"Pears, asian, raw\",42,0,0,0,0,0,10,7,0,0,3,0,100"
            ",,0,,0,,0,,0,,0,,0,,0,,0,,0,,0\n");
    f.close();
    ASSERT_TRUE(NutrientImport(Store(), nullptr, nullptr).ImportNutrientFile(file, false).stored);
    CFoodTable foods(Store());
    ASSERT_TRUE(foods.FindId(1));
    foods.DeleteCurrent();
    finder.Reload();
    EXPECT_EQ(Names(finder.Find(QStringLiteral("pear asian"), {})), QStringList{"Pears, asian, raw"});
    EXPECT_TRUE(finder.Find(QStringLiteral("apple"), {}).empty());

    // A restore of the nutrient database brings back the names of the backup.
    const QString folder = m_dir.filePath(QStringLiteral("Documents"));
    QDir().mkpath(folder);
    BackupRestore backup(Store(), m_clock, folder, nullptr, nullptr);
    ASSERT_TRUE(backup.BackupAll());
    ASSERT_TRUE(foods.FindId(2));
    foods.Buffer().name = QStringLiteral("Quinces, raw");
    foods.Save();
    finder.Reload();
    ASSERT_EQ(Names(finder.Find(QStringLiteral("quince"), {})), QStringList{"Quinces, raw"});
    ASSERT_TRUE(backup.RestoreNutrientDatabase());
    finder.Reload();
    EXPECT_TRUE(finder.Find(QStringLiteral("quince"), {}).empty());
    EXPECT_EQ(Names(finder.Find(QStringLiteral("pear"), {})), QStringList{"Pears, asian, raw"});
}

TEST_F(FoodFinderTest, EverydaySearchesOfTheShippedDatabase)
{
    const DataFolders folders = DataFolders::ForHome(m_dir.path());
    ASSERT_TRUE(AppEnvironment::InstallDefaultDatabase(folders, nullptr));
    NutrientImport(Store(), nullptr, nullptr).ImportDefaultDatabase(folders);
    const FoodFinder finder(Store());
    // What a person types, and how the plain everyday food's name begins.
    const std::pair<const char*, const char*> cases[] = {
        {"banana", "Bananas, raw"},
        {"apple", "Apples, raw"},
        {"tomato", "Tomatoes, red, ripe, raw"},
        {"potato", "Potato"},
        {"milk", "Milk, whole"},
        {"egg", "Egg, whole"},
        {"bread", "Bread, white"},
        {"rice", "Rice, white"},
        {"butter", "Butter, salted"},
        {"olive oil", "Oil, olive"},
        {"cheddar", "Cheese, cheddar"},
        {"chicken", "Chicken, broilers or fryers"},
        {"tuna", "Fish, tuna"},
        {"orange juice", "Orange juice, raw"},
        {"coffee", "Coffee, brewed"},
        {"almonds", "Nuts, almonds"},
        {"oats", "Oats"},
        {"chocolate", "Chocolate, dark"},
        {"peanut butter", "Peanut butter"},
    };
    for (const auto& [typed, everyday] : cases) {
        const std::vector<FoodFinder::Match> found = finder.Find(QString::fromLatin1(typed), {}, 3);
        QStringList names;
        for (const FoodFinder::Match& m : found)
            names << m.name;
        EXPECT_TRUE(
            std::any_of(names.begin(), names.end(),
                        [&](const QString& n) { return n.startsWith(QString::fromLatin1(everyday)); }))
            << typed << ": " << names.join(QStringLiteral(" | ")).toStdString();
    }
}
