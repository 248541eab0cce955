#include "storage/DatabaseConversion.h"
#include "storage/CDiaryTable.h"
#include "storage/CFoodTable.h"
#include "storage/CMealTable.h"
#include "storage/CMeasuresTable.h"
#include "storage/CProfileTable.h"
#include "storage/CSubFoodTable.h"
#include "storage/CTreeTable.h"
#include "support/RecordingMessageBox.h"
#include "support/TestStore.h"

namespace {

const QString k20 = QStringLiteral("Vellamo databases will be converted to version 2.0 format. Please wait!");

class DatabaseConversionTest : public TestStore
{
protected:
    // Writes a record as an older version did.
    RecordOid Old(CDbTable& table, const std::vector<PropVal>& props)
    {
        return Store().WriteProps(table.Handle(), RecordStore::WriteTarget::New, props);
    }

    static PropVal T(quint16 id, const char* number)
    {
        return PropVal::Text(id, QString::fromLatin1(number));
    }

    void Folder(CTreeTable& tree, quint32 id, quint32 parent, quint32 origin, const char* name)
    {
        Old(tree, {PropVal::UI4(100, id), PropVal::UI4(101, parent), PropVal::UI4(102, origin),
                   PropVal::Text(103, QString::fromLatin1(name))});
    }

    std::vector<FolderRecord> Folders()
    {
        CTreeTable tree(Store());
        tree.Reopen(CTreeTable::kNodeProp);
        std::vector<FolderRecord> out;
        for (RecordOid o = tree.First(); o; o = tree.Next())
            if (tree.Load())
                out.push_back(tree.Buffer());
        return out;
    }

    RecordingMessageBox m_box;
};

} // namespace

TEST_F(DatabaseConversionTest, OldRecordsGetTheCurrentFormat)
{
    CFoodTable foods(Store());
    CSubFoodTable parts(Store());
    CDiaryTable days(Store(), m_clock);
    CMealTable meals(Store());
    CMeasuresTable servings(Store());
    CProfileTable profiles(Store(), m_clock);
    Old(foods, {PropVal::UI4(101, 7), PropVal::UI4(202, 3), PropVal::Text(203, QStringLiteral("Bread")),
                T(204, "10"), T(205, "5"), T(206, "20"), T(207, "0"), T(208, "1.5"), T(209, "2"), T(210, "1"),
                T(211, "1"), T(212, "3"), T(214, "6"), T(215, "450"), PropVal::UI4(216, 0), T(217, "40"),
                PropVal::UI4(218, 2)});
    Old(parts, {PropVal::UI4(301, 9), PropVal::UI4(302, 7), T(303, "50.5"), PropVal::Text(304, QString()),
                T(305, "1.5")});
    Old(days, {PropVal::UI4(101, 1), PropVal::Time(502, FileTime::FromDate(2005, 3, 1)), PropVal::UI4(503, 1),
               T(504, "80.5"), T(505, "1800")});
    Old(meals, {PropVal::UI4(101, 1), PropVal::UI4(602, 1), PropVal::UI4(603, 7), T(604, "80"),
                PropVal::Time(605, FileTime::FromDate(2005, 3, 1)), T(606, "2"),
                PropVal::Text(607, QStringLiteral("slice")), PropVal::UI4(608, 0), PropVal::UI4(609, 0)});
    Old(servings, {PropVal::UI4(101, 2), PropVal::UI4(702, 7), PropVal::Text(703, QStringLiteral("slice")),
                   T(704, "40")});
    std::vector<PropVal> profile = {PropVal::UI4(101, 1), PropVal::Text(402, QStringLiteral("Anna")),
                                    T(403, "85"),         T(404, "70"),
                                    T(405, "0"),          T(406, "170"),
                                    PropVal::I2(407, 0),  PropVal::I2(408, 41),
                                    T(409, "0.5"),        PropVal::Time(410, FileTime::FromDate(2005, 1, 1))};
    for (quint16 id : {411, 412, 413, 414, 415, 416, 417, 419, 420, 421, 422})
        profile.push_back(T(id, "12"));
    for (quint16 id = 425; id <= 442; ++id)
        profile.push_back(PropVal::I2(id, 1));
    profile.push_back(PropVal::UI4(423, 66));
    profile.push_back(PropVal::UI4(424, 2));
    profile.push_back(PropVal::UI4(443, 0x7));
    for (quint16 id = 444; id <= 451; ++id)
        profile.push_back(T(id, "30"));
    Old(profiles, profile);

    DatabaseConversion conversion(Store(), m_clock, &m_box, nullptr);
    EXPECT_TRUE(conversion.Run());
    EXPECT_EQ(m_box.Texts(), QStringList{k20});

    foods.FindId(7);
    EXPECT_EQ(CurrentProps(foods).size(), 29u);
    foods.Load();
    EXPECT_NEAR(foods.Buffer().values[Nutrient::Energy], 167.3, 0.01); // (170 + 190 + 340) kJ
    EXPECT_EQ(foods.Buffer().values[Nutrient::Sodium], 450);
    EXPECT_EQ(foods.Buffer().referenceWeight, 40);
    EXPECT_EQ(foods.Buffer().defaultServingId, 2u);
    ASSERT_TRUE(parts.First());
    parts.Load();
    EXPECT_EQ(parts.Buffer().weight, 50.5);
    EXPECT_EQ(parts.Buffer().servings, 1.5);
    EXPECT_EQ(CurrentProps(parts)[2].Type(), PropType::R8);
    ASSERT_TRUE(days.First());
    EXPECT_EQ(CurrentProps(days).size(), 30u);
    days.Load();
    EXPECT_EQ(days.Buffer().weight, 80.5);
    EXPECT_EQ(days.Buffer().values[Nutrient::Energy], 1800);
    ASSERT_TRUE(meals.First());
    EXPECT_EQ(CurrentProps(meals).size(), 12u);
    meals.Load();
    EXPECT_EQ(meals.Buffer().weight, 80);
    EXPECT_EQ(meals.Buffer().servings, 2);
    EXPECT_EQ(servings.ServingWeight(2), 40);
    profiles.FindId(1);
    EXPECT_EQ(CurrentProps(profiles).size(), 78u);
    profiles.Load();
    EXPECT_EQ(profiles.Buffer().startWeight, 85);
    EXPECT_EQ(profiles.Buffer().age, 41);
    EXPECT_EQ(profiles.Buffer().amountGoals[0], 30);
    EXPECT_EQ(profiles.Buffer().summaryLines, ProfileRecord::kDefaultSummaryLines);

    // Done once: the check no longer fires.
    m_box = RecordingMessageBox();
    EXPECT_FALSE(conversion.Run());
    EXPECT_TRUE(m_box.Texts().isEmpty());
}

TEST_F(DatabaseConversionTest, NoFoodsNoConversion)
{
    CDiaryTable days(Store(), m_clock);
    Old(days, {PropVal::UI4(101, 1), PropVal::Time(502, FileTime::FromDate(2005, 3, 1)), PropVal::UI4(503, 1),
               T(504, "80.5"), T(505, "1800")});
    DatabaseConversion conversion(Store(), m_clock, &m_box, nullptr);
    EXPECT_FALSE(conversion.Run());
    EXPECT_TRUE(m_box.Texts().isEmpty());
    days.First();
    EXPECT_EQ(CurrentProps(days).size(), 5u);
}

TEST_F(DatabaseConversionTest, OldTreesKeepTwoLevels)
{
    CTreeTable tree(Store());
    Folder(tree, 1, 0, 1, "Root");
    Folder(tree, 2, 1, 12, "A");
    Folder(tree, 3, 2, 13, "B");
    Folder(tree, 4, 3, 14, "C");
    DatabaseConversion conversion(Store(), m_clock, &m_box, nullptr);
    EXPECT_TRUE(conversion.ConvertTreeTo31());
    EXPECT_TRUE(m_box.Texts().first().startsWith(QStringLiteral("Nutrient Database will be converted")));
    const std::vector<FolderRecord> f = Folders();
    ASSERT_EQ(f.size(), 3u);
    // Folders take their 102 value as id; A at the first level, B under A, C moved to Root.
    EXPECT_EQ(f[0].id, 12u);
    EXPECT_EQ(f[0].parentId, 0u);
    EXPECT_EQ(f[1].id, 13u);
    EXPECT_EQ(f[1].parentId, 12u);
    EXPECT_EQ(f[2].id, 14u);
    EXPECT_EQ(f[2].parentId, 0u);
    EXPECT_FALSE(conversion.ConvertTreeTo31());
}

TEST_F(DatabaseConversionTest, DuplicateFolderIdsAreRepaired)
{
    CTreeTable tree(Store());
    Folder(tree, 4, 0, 4, "Fruit");
    Folder(tree, 5, 4, 5, "first five");
    Folder(tree, 5, 0, 5, "second five");
    DatabaseConversion conversion(Store(), m_clock, &m_box, nullptr);
    EXPECT_FALSE(conversion.ConvertTreeTo31());
    EXPECT_TRUE(conversion.RepairTree());
    EXPECT_EQ(m_box.Texts(),
              QStringList{QStringLiteral("An error in the Nutrient Database has been detected. The "
                                         "program will attempt to correct the problem.")});
    const std::vector<FolderRecord> f = Folders();
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[1].name, QStringLiteral("first five"));

    // A sound tree is left alone.
    m_box = RecordingMessageBox();
    tree.Reopen(0);
    const RecordOid before = tree.First();
    EXPECT_FALSE(conversion.Run());
    EXPECT_TRUE(m_box.Texts().isEmpty());
    tree.Reopen(0);
    EXPECT_EQ(tree.First(), before);
}

TEST_F(DatabaseConversionTest, FoldersSpreadAmongOtherRecordsAreGatheredAsTheyWere)
{
    CTreeTable tree(Store());
    CDiaryTable days(Store(), m_clock);
    for (quint32 i = 1; i <= 6; ++i) {
        Folder(tree, i, i > 3 ? 1 : 0, i, i % 2 ? "odd" : "even");
        for (int d = 0; d < 2; ++d)
            Old(days, {PropVal::UI4(101, i * 10 + d)});
    }
    const std::vector<FolderRecord> before = Folders();
    const auto oids = [&](CDbTable& t) {
        std::vector<RecordOid> out;
        t.Reopen(0);
        for (RecordOid o = t.First(); o; o = t.Next())
            out.push_back(o);
        return out;
    };
    const std::vector<RecordOid> dayOids = oids(days);

    DatabaseConversion conversion(Store(), m_clock, &m_box, nullptr);
    EXPECT_FALSE(conversion.Run()) << "nothing converted";
    EXPECT_TRUE(m_box.Texts().isEmpty());
    const std::vector<RecordOid> gathered = oids(tree);
    ASSERT_EQ(gathered.size(), 6u);
    EXPECT_EQ(gathered.back() - gathered.front(), 5) << "side by side";
    EXPECT_GT(gathered.front(), dayOids.back()) << "after the other records";
    const std::vector<FolderRecord> after = Folders();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].id, before[i].id);
        EXPECT_EQ(after[i].parentId, before[i].parentId);
        EXPECT_EQ(after[i].name, before[i].name);
    }
    EXPECT_EQ(oids(days), dayOids) << "other records stay where they are";

    // Gathered once: the next start leaves them.
    conversion.Run();
    EXPECT_EQ(oids(tree), gathered);
}
