#include "fooddb/NutrientImport.h"
#include "fooddb/FoodRecords.h"
#include "fooddb/FoodTree.h"
#include "platform/AppEnvironment.h"
#include "platform/DataFolders.h"
#include "storage/CMeasuresTable.h"
#include "storage/CSubFoodTable.h"
#include "storage/CTreeTable.h"
#include "support/RecordingMessageBox.h"
#include "support/TestStore.h"

#include <QDir>
#include <QFile>

namespace {

// A file line: id, folders, name, 12 values, reference weight, then serving pairs.
QByteArray Line(const char* id, const char* first, const char* second, const char* name, double energy,
                double reference, const QList<QPair<QByteArray, double>>& servings = {})
{
    QByteArray l = QByteArray(id) + ',' + first + ',' + second + ',' + name + ',' +
                   QByteArray::number(energy) + ",10,2,1,0.5,0.5,20,5,0,30,3,400," +
                   QByteArray::number(reference);
    for (int s = 0; s < 10; ++s) {
        if (s < servings.size())
            l += ',' + servings[s].first + ',' + QByteArray::number(servings[s].second);
        else
            l += ",,0";
    }
    return l + '\n';
}

const QByteArray kHeader =
    "id,group,subgroup,name,kcal,protein,fat,sat,mono,poly,carb,sugar,alcohol,chol,fiber,"
    "sodium,ref,s1,w1,s2,w2,s3,w3,s4,w4,s5,w5,s6,w6,s7,w7,s8,w8,s9,w9,s10,w10\n";

class NutrientImportTest : public TestStore
{
protected:
    QString Write(const QByteArray& body)
    {
        const QString path = m_dir.filePath(QStringLiteral("import.csv"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(kHeader + body);
        return path;
    }

    FoodData Load(quint32 id)
    {
        CFoodTable foods(Store());
        CSubFoodTable parts(Store());
        FoodData f;
        FoodRecords(foods, parts).LoadFood(id, &f);
        return f;
    }

    RecordingMessageBox m_box;
};

} // namespace

TEST_F(NutrientImportTest, FoodsFoldersAndServings)
{
    const QString path =
        Write(Line("11", "Fruits", "Fresh", "Apple", 52, 100, {{"\"1 medium, 3\"\"\"", 182}}) +
              Line("12", "Vegetables", "Fresh", "Carrot", 20, 50, {{"0", 5}, {"cup", 128}}) +
              Line("13", "Vegetables", "Fresh", "", 20, 50) +
              Line("14", "Vegetables", "Fresh", "No weight", 20, 0) +
              Line("0", "Vegetables", "Fresh", "No id", 20, 100) + "15,Vegetables,Cut,Short\n");
    NutrientImport import(Store(), &m_box, nullptr);
    const NutrientImport::Result r = import.ImportNutrientFile(path, false);
    EXPECT_EQ(r.foods, 2);
    EXPECT_EQ(r.skipped, 4); // the line without a name is counted with the others
    EXPECT_EQ(m_box.Texts(),
              QStringList{QStringLiteral("Importing the Nutrient Database might take several minutes. "
                                         "Please be patient!")});

    FoodTree tree(Store());
    const qint64 fruitFresh = tree.FindSubFolder(QStringLiteral("Fruits"), QStringLiteral("Fresh"));
    const qint64 vegFresh = tree.FindSubFolder(QStringLiteral("Vegetables"), QStringLiteral("Fresh"));
    ASSERT_GT(fruitFresh, 0);
    ASSERT_GT(vegFresh, 0);
    EXPECT_NE(fruitFresh, vegFresh);
    EXPECT_EQ(tree.FindSubFolder(QStringLiteral("Vegetables"), QStringLiteral("Cut")), -1);

    const FoodData apple = Load(11);
    EXPECT_EQ(apple.folderId, static_cast<quint32>(fruitFresh));
    EXPECT_EQ(apple.values[Nutrient::Energy], 52);
    CMeasuresTable measures(Store());
    EXPECT_EQ(measures.ServingName(apple.defaultServingId), QStringLiteral("1 medium, 3\""));
    EXPECT_EQ(measures.ServingWeight(apple.defaultServingId), 182);
    const FoodData carrot = Load(12);
    EXPECT_EQ(carrot.values[Nutrient::Energy], 40); // 20 kcal in 50 g
    EXPECT_EQ(carrot.values[Nutrient::Sodium], 800);
    EXPECT_EQ(carrot.referenceWeight, 50);
    EXPECT_EQ(measures.ServingName(carrot.defaultServingId), QStringLiteral("cup"));
    EXPECT_EQ(Load(14).id, 0u);
    EXPECT_EQ(Load(0).id, 0u);
}

TEST_F(NutrientImportTest, ReimportUpdatesFoodsInPlace)
{
    const QString path =
        Write(Line("11", "Fruits", "Fresh", "Apple", 52, 100, {{"medium", 182}, {"large", 223}}));
    NutrientImport import(Store(), nullptr, nullptr);
    import.ImportNutrientFile(path, false);
    // The food gets components in the meantime; a new import keeps them.
    FoodData apple = Load(11);
    CFoodTable foods(Store());
    CSubFoodTable parts(Store());
    FoodRecords records(foods, parts);
    apple.components = {{11, 0, 0, QString()}};
    records.SaveFood(apple);
    CFoodTable all(Store());
    const quint32 foodsBefore = all.Count();
    CTreeTable treeTable(Store());
    const quint32 foldersBefore = treeTable.Count();

    import.ImportNutrientFile(Write(Line("11", "Fruits", "Fresh", "\"Apple, red\"", 60, 100,
                                         {{ "small",
                                            150 }})),
                              false);
    EXPECT_EQ(all.Count(), foodsBefore);
    EXPECT_EQ(treeTable.Count(), foldersBefore);
    CMeasuresTable measures(Store());
    int servings = 0;
    for (RecordOid o = measures.FirstOfFood(11); o; o = measures.NextOfFood(11))
        ++servings;
    EXPECT_EQ(servings, 1);
    all.FindId(11);
    all.Load();
    EXPECT_EQ(all.Buffer().name, QStringLiteral("Apple, red"));
    EXPECT_EQ(all.Buffer().componentCount, 1u);
    EXPECT_EQ(measures.ServingName(all.Buffer().defaultServingId), QStringLiteral("small"));
}

TEST_F(NutrientImportTest, AnIdTwiceInOneFileIsOneFood)
{
    // Into an empty table: the second line updates the food the first one wrote.
    const QString path = Write(Line("11", "Fruits", "Fresh", "Apple", 52, 100, {{"medium", 182}}) +
                               Line("12", "Fruits", "Fresh", "Pear", 57, 100, {{"small", 148}}) +
                               Line("11", "Fruits", "Dried", "\"Apple, dried\"", 243, 100, {{"ring", 6}}));
    const NutrientImport::Result r =
        NutrientImport(Store(), nullptr, nullptr).ImportNutrientFile(path, false);
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.updated, 1);
    CFoodTable foods(Store());
    EXPECT_EQ(foods.Count(), 2u);
    const FoodData apple = Load(11);
    EXPECT_EQ(apple.name, QStringLiteral("Apple, dried"));
    EXPECT_EQ(apple.folderId, static_cast<quint32>(FoodTree(Store()).FindSubFolder(QStringLiteral("Fruits"),
                                                                                   QStringLiteral("Dried"))));
    CMeasuresTable measures(Store());
    EXPECT_EQ(measures.Count(), 2u);
    EXPECT_EQ(measures.ServingName(apple.defaultServingId), QStringLiteral("ring"));
    EXPECT_EQ(measures.ServingName(Load(12).defaultServingId), QStringLiteral("small"));
}

TEST_F(NutrientImportTest, TheDefaultDatabase)
{
    const DataFolders folders = DataFolders::ForHome(m_dir.path());
    NutrientImport import(Store(), &m_box, nullptr);
    CFoodTable foods(Store());
    foods.NewRecord(99);
    // Missing file: told, and the food table stays empty so the next opening tries again.
    NutrientImport::Result r = import.ImportDefaultDatabase(folders);
    EXPECT_FALSE(r.opened);
    EXPECT_EQ(foods.Count(), 0u);
    EXPECT_EQ(m_box.Texts(), QStringList{QStringLiteral("Error opening the file %1 for reading.")
                                             .arg(folders.DefaultNutrientDatabasePath())});
    QDir().mkpath(m_dir.filePath(QStringLiteral("Documents/Vellamo")));
    QFile::copy(Write(Line("11", "Fruits", "Fresh", "Apple", 52, 100)),
                folders.DefaultNutrientDatabasePath());
    m_box = RecordingMessageBox();
    r = import.ImportDefaultDatabase(folders);
    EXPECT_EQ(r.foods, 1);
    EXPECT_EQ(m_box.Texts().first(),
              QStringLiteral("There is no database installed. Default database will be imported."));
}

TEST_F(NutrientImportTest, TheShippedDatabaseImportsWhole)
{
    const DataFolders folders = DataFolders::ForHome(m_dir.path());
    ASSERT_TRUE(AppEnvironment::InstallDefaultDatabase(folders, nullptr));
    NutrientImport import(Store(), nullptr, nullptr);
    const NutrientImport::Result r = import.ImportDefaultDatabase(folders);
    EXPECT_EQ(r.skipped, 0);
    EXPECT_GT(r.foods, 7000);
    const FoodData squash = Load(11468);
    EXPECT_EQ(
        squash.name,
        QStringLiteral("Squash, summer, crookneck and straightneck, cooked, boiled, drained, without salt"));
    EXPECT_EQ(squash.values[Nutrient::Energy], 23);
    EXPECT_EQ(squash.referenceWeight, 100);
    CMeasuresTable measures(Store());
    EXPECT_EQ(measures.ServingName(squash.defaultServingId), QStringLiteral("1 cup, sliced"));
    EXPECT_EQ(measures.ServingWeight(squash.defaultServingId), 180);
    // The default serving is one portion as a person would log it.
    const std::pair<quint32, const char*> portions[] = {
        {9040, "1 medium (7\" to 7-7/8\" long)"},
        {9003, "1 medium (3\" dia)"},
        {1123, "1 large"},
        {1001, "1 pat (1\" sq, 1/3\" high)"},
        {1009, "1 slice (1 oz)"},
        {18069, "1 slice"},
        {1077, "1 cup"},
        {16098, "2 tbsp"},
        {4053, "1 tablespoon"},
        {12061, "1 oz (23 whole kernels)"},
        {2047, "1 tsp"},
        {14003, "1 can"},
        {15121, "3 oz"},
        {5064, "0.5 breast, bone and skin removed"},
        {20045, "1 cup"},
        {9206, "1 cup"},
        {13953, "100 g"},
    };
    for (const auto& [id, serving] : portions)
        EXPECT_EQ(measures.ServingName(Load(id).defaultServingId), QString::fromLatin1(serving)) << id;
    FoodTree tree(Store());
    EXPECT_EQ(
        tree.FindSubFolder(QStringLiteral("Vegetables and Vegetable Products"), QStringLiteral("Squash")),
        static_cast<qint64>(squash.folderId));
    // Installing again keeps a file the user may have changed.
    QFile f(folders.DefaultNutrientDatabasePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("mine\n");
    f.close();
    ASSERT_TRUE(AppEnvironment::InstallDefaultDatabase(folders, nullptr));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("mine\n"));
}
