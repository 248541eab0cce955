#include "BackupRestore.h"
#include "AppEnvironment.h"
#include "CDiaryTable.h"
#include "CFoodTable.h"
#include "CMeasuresTable.h"
#include "CProfileTable.h"
#include "CTreeTable.h"
#include "NutrientImport.h"
#include "RecordingMessageBox.h"
#include "TestStore.h"

#include <QDir>
#include <QFile>

#include <functional>

namespace {

class BackupRestoreTest : public TestStore
{
protected:
    void SetUp() override
    {
        TestStore::SetUp();
        m_folder = m_dir.filePath(QStringLiteral("Documents"));
        QDir().mkpath(m_folder);
        m_backup = std::make_unique<BackupRestore>(Store(), m_clock, m_folder, &m_box, nullptr);
    }

    void Fill()
    {
        CFoodTable foods(Store());
        foods.NewRecord(12);
        foods.Buffer().name = QStringLiteral("Bread, \"rye\" \u00e4 \u20ac");
        foods.Buffer().values[Nutrient::Energy] = 259.1;
        foods.Save();
        CMeasuresTable m(Store());
        m.NewRecord(12);
        m.Buffer().description = QStringLiteral("slice");
        m.Buffer().weight = 250;
        m.Save();
        CProfileTable p(Store(), m_clock);
        p.NewRecord();
        p.Buffer().startDate = FileTime(0x8000000180000002ULL); // both halves with the top bit
        p.Save();
        CDiaryTable d(Store(), m_clock);
        d.NewRecord();
        d.Buffer().date = FileTime::FromDate(2026, 12, 9);
        d.Buffer().weight = 81.25;
        d.Save();
        CTreeTable t(Store());
        t.NewRecord(3);
        t.Buffer().name = QStringLiteral("Fruit");
        t.Save();
    }

    // Every record of every table, as stored.
    std::vector<std::vector<PropVal>> Everything()
    {
        std::vector<std::vector<PropVal>> all;
        for (const char* name :
             {"ZELDiary", "ZELFood", "ZELMeal", "ZELMeasures", "ZELProfile", "ZELSubFood", "ZELTree"}) {
            DbHandle h;
            Store().OpenDb(h, QString::fromLatin1(name), 0);
            for (RecordOid o = Store().GoToIndex(h, 0, false); o; o = Store().GoNext(h)) {
                std::vector<PropVal> p;
                Store().ReadProps(h, &p);
                all.push_back(p);
            }
        }
        return all;
    }

    QString File(const char* name) const { return m_folder + QLatin1Char('/') + QString::fromLatin1(name); }

    QByteArray Bytes(const char* name) const
    {
        QFile f(File(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void Put(const char* name, const QByteArray& bytes)
    {
        QFile f(File(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    QString m_folder;
    RecordingMessageBox m_box;
    std::unique_ptr<BackupRestore> m_backup;
};

} // namespace

TEST_F(BackupRestoreTest, EverythingComesBackAsItWas)
{
    Fill();
    const auto before = Everything();
    ASSERT_TRUE(m_backup->BackupAll());
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Backup is finished!"));
    EXPECT_EQ(Bytes("ZELMeasures.bck"), QByteArray("3,101,1,3,702,12,5,703,slice,6,704,250\n"));
    EXPECT_EQ(Bytes("ZELProfile.bck").count(',') + 1, 235);
    EXPECT_TRUE(Bytes("ZELProfile.bck").contains(",4,410,2147483649,2147483650,"));
    EXPECT_TRUE(Bytes("ZELMeal.bck").isEmpty());
    EXPECT_TRUE(QFile::exists(File("ZELSubfood.bck")));

    // Change everything, then restore.
    CFoodTable foods(Store());
    foods.NewRecord(13);
    foods.FindId(12);
    foods.Buffer().name = QStringLiteral("changed");
    foods.Save();
    CTreeTable(Store()).DropDatabase();
    ASSERT_TRUE(m_backup->RestoreAll());
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Restore is finished!"));
    EXPECT_EQ(Everything(), before);
    // The open table saw the restore without being opened again.
    ASSERT_NE(foods.FindId(12), 0u);
    foods.Load();
    EXPECT_EQ(foods.Buffer().name, QStringLiteral("Bread, \"rye\" \u00e4 \u20ac"));
    EXPECT_EQ(foods.Count(), 1u);
}

TEST_F(BackupRestoreTest, ADamagedFileLeavesEveryDatabaseAsItWas)
{
    Fill();
    ASSERT_TRUE(m_backup->BackupAll());
    const QByteArray good = Bytes("ZELFood.bck");
    CFoodTable(Store()).NewRecord(40); // a change since the backup, which a restore would undo
    const auto before = Everything();

    struct Case
    {
        const char* name;
        const char* file;
        std::function<QByteArray()> bytes;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"missing", "ZELTree.bck", [] { return QByteArray(); }, "Error opening the file"},
        {"short line", "ZELFood.bck", [&] { return good + "3,101,7\n"; }, "line 2"},
        {"truncated", "ZELFood.bck", [&] { return good.left(good.size() - 9); }, "line 1"},
        {"unknown tag", "ZELMeasures.bck",
         [] { return QByteArray("3,101,1,9,702,12,5,703,slice,6,704,250\n"); }, "unknown type tag \"9\""},
        {"bad number", "ZELMeasures.bck",
         [] { return QByteArray("3,101,1,3,702,12,5,703,slice,6,704,2x0\n"); }, "bad value \"2x0\""},
    };
    for (const Case& c : cases) {
        for (const char* file : {"ZELFood.bck", "ZELMeasures.bck", "ZELTree.bck"})
            QFile::copy(File(file), File(file) + QStringLiteral(".good"));
        if (QByteArray(c.name) == "missing")
            QFile::remove(File(c.file));
        else
            Put(c.file, c.bytes());
        m_box = RecordingMessageBox();
        EXPECT_FALSE(m_backup->RestoreAll()) << c.name;
        EXPECT_EQ(Everything(), before) << c.name;
        ASSERT_EQ(m_box.Texts().size(), 2) << c.name;
        EXPECT_TRUE(m_box.Texts()[0].contains(File(c.file))) << m_box.Texts()[0].toStdString();
        EXPECT_TRUE(m_box.Texts()[0].contains(QString::fromLatin1(c.says))) << m_box.Texts()[0].toStdString();
        EXPECT_TRUE(m_box.Texts()[1].startsWith(QStringLiteral("Restore failed!")));
        for (const char* file : {"ZELFood.bck", "ZELMeasures.bck", "ZELTree.bck"}) {
            QFile::remove(File(file));
            QFile::rename(File(file) + QStringLiteral(".good"), File(file));
        }
    }
}

TEST_F(BackupRestoreTest, NutrientDatabaseRestoreTouchesOnlyItsFourDatabases)
{
    Fill();
    ASSERT_TRUE(m_backup->BackupAll());
    CDiaryTable diary(Store(), m_clock);
    diary.NewRecord();
    CFoodTable(Store()).NewRecord(77);
    ASSERT_TRUE(m_backup->RestoreNutrientDatabase());
    EXPECT_EQ(CFoodTable(Store()).Count(), 1u);
    EXPECT_EQ(diary.Count(), 2u);

    QFile::remove(File("ZELFood.bck"));
    m_box = RecordingMessageBox();
    EXPECT_FALSE(m_backup->RestoreNutrientDatabase());
    EXPECT_EQ(m_box.Texts(),
              (QStringList{QStringLiteral("Error opening the file %1 for reading.").arg(File("ZELFood.bck")),
                           QStringLiteral("Restore failed! Data in Vellamo might be corrupted! If "
                                          "Vellamo is not working correctly then please uninstall "
                                          "Vellamo and confirm deleting databases when asked. "
                                          "Afterwards reinstall Vellamo again.")}));
}

TEST_F(BackupRestoreTest, EmptyDatabasesAndFailedBackups)
{
    ASSERT_TRUE(m_backup->BackupAll());
    EXPECT_TRUE(Bytes("ZELFood.bck").isEmpty());
    ASSERT_TRUE(m_backup->RestoreAll());
    EXPECT_TRUE(Everything().empty());

    BackupRestore nowhere(Store(), m_clock, m_dir.filePath(QStringLiteral("missing/folder")), &m_box,
                          nullptr);
    m_box = RecordingMessageBox();
    EXPECT_FALSE(nowhere.BackupAll());
    EXPECT_EQ(m_box.Texts(),
              (QStringList{QStringLiteral("Error opening CSV file for writing. Export function terminated!"),
                           QStringLiteral("Error performing backup! Do not restore data before a "
                                          "backup is performed successfully!")}));
}

TEST_F(BackupRestoreTest, TheDefaultDatabaseRoundTripsByteForByte)
{
    const DataFolders folders = DataFolders::ForHome(m_dir.path());
    ASSERT_TRUE(AppEnvironment::InstallDefaultDatabase(folders, nullptr));
    NutrientImport(Store(), nullptr, nullptr).ImportDefaultDatabase(folders);
    Fill(); // and a diary
    const char* files[] = {"ZELDiary.bck",   "ZELFood.bck",    "ZELMeal.bck", "ZELMeasures.bck",
                           "ZELProfile.bck", "ZELSubfood.bck", "ZELTree.bck"};
    ASSERT_TRUE(m_backup->BackupAll());
    std::vector<QByteArray> first;
    for (const char* f : files)
        first.push_back(Bytes(f));
    EXPECT_GT(first[1].size(), 1000000);
    ASSERT_TRUE(m_backup->RestoreAll());
    ASSERT_TRUE(m_backup->BackupAll());
    for (size_t i = 0; i < std::size(files); ++i)
        EXPECT_TRUE(Bytes(files[i]) == first[i]) << files[i];
}
