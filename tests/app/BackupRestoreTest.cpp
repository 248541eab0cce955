#include "app/BackupRestore.h"
#include "fooddb/NutrientImport.h"
#include "platform/AppEnvironment.h"
#include "storage/CDiaryTable.h"
#include "storage/CFoodTable.h"
#include "storage/CMeasuresTable.h"
#include "storage/CProfileTable.h"
#include "storage/CTreeTable.h"
#include "support/RecordingMessageBox.h"
#include "support/TestStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <sys/stat.h>

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
    const auto& files = BackupRestore::kFileNames;
    ASSERT_TRUE(m_backup->BackupAll());
    std::vector<QByteArray> first;
    for (const char* f : files)
        first.push_back(Bytes(f));
    EXPECT_GT(first[1].size(), 1000000);
    ASSERT_TRUE(m_backup->RestoreAll());
    ASSERT_TRUE(m_backup->BackupAll());
    for (size_t i = 0; i < files.size(); ++i)
        EXPECT_TRUE(Bytes(files[i]) == first[i]) << files[i];
}

TEST_F(BackupRestoreTest, EveryTextTheProgramTakesRoundTripsByteForByte)
{
    const QStringList texts = {
        QStringLiteral("line\nfeed"),
        QStringLiteral("carriage\r\nreturn"),
        QStringLiteral("ends in a return\r"),
        QStringLiteral("\ttab"),
        QStringLiteral("comma, and \"quotes\""),
        QStringLiteral("\""),
        QStringLiteral("two $$ dollars and $"),
        QStringLiteral("$$"),
        QStringLiteral("emoji \U0001F34E"),
        QStringLiteral("\u4E2D\u6587\u3001\u65E5\u672C\u8A9E"),
        QString(64, QLatin1Char('x')),
        QString(),
        // Longer than any dialog takes, in three-byte characters with quotes to double.
        QString(70000, QChar(0x4E2D)) + QStringLiteral("\"\",,"),
    };
    for (const QString& text : texts) {
        CProfileTable p(Store(), m_clock);
        p.NewRecord();
        p.Buffer().name = text;
        p.Save();
        CFoodTable foods(Store());
        foods.NewRecord(0);
        foods.Buffer().name = text;
        foods.Save();
    }
    const auto before = Everything();
    ASSERT_TRUE(m_backup->BackupAll());
    std::vector<QByteArray> first;
    for (const char* f : BackupRestore::kFileNames)
        first.push_back(Bytes(f));
    ASSERT_TRUE(m_backup->RestoreAll()) << m_box.Texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Everything(), before);
    ASSERT_TRUE(m_backup->BackupAll());
    for (size_t i = 0; i < BackupRestore::kFileNames.size(); ++i)
        EXPECT_TRUE(Bytes(BackupRestore::kFileNames[i]) == first[i]) << BackupRestore::kFileNames[i];
}

TEST_F(BackupRestoreTest, FilesFromOtherSystemsAndOlderWritersRestore)
{
    Fill();
    ASSERT_TRUE(m_backup->BackupAll());
    const auto before = Everything();
    struct Case
    {
        const char* name;
        std::function<QByteArray(QByteArray)> change;
    };
    const std::vector<Case> cases = {
        {"CR LF line ends", [](QByteArray b) { return b.replace("\n", "\r\n"); }},
        {"a blank line at the end", [](QByteArray b) { return b.isEmpty() ? b : b + "\n"; }},
        {"CR LF and a blank line",
         [](QByteArray b) { return b.isEmpty() ? b : b.replace("\n", "\r\n") + "\r\n"; }},
    };
    std::vector<QByteArray> good;
    for (const char* f : BackupRestore::kFileNames)
        good.push_back(Bytes(f));
    for (const Case& c : cases) {
        for (size_t i = 0; i < BackupRestore::kFileNames.size(); ++i)
            Put(BackupRestore::kFileNames[i], c.change(good[i]));
        CFoodTable(Store()).NewRecord(99);
        m_box = RecordingMessageBox();
        EXPECT_TRUE(m_backup->RestoreAll())
            << c.name << ": " << m_box.Texts().join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(Everything(), before) << c.name;
    }
    // A text an older version wrote with quotes doubled, and "$$" as it stands, which the older
    // reader turned into a quote: the quoted text reads as before, the dollars stay dollars.
    Put("ZELMeasures.bck", "3,101,1,3,702,12,5,703,\"a \"\"big\"\", slice\",6,704,250\n"
                           "3,101,2,3,702,12,5,703,cost $$,6,704,10\n");
    ASSERT_TRUE(m_backup->RestoreNutrientDatabase());
    CMeasuresTable m(Store());
    m.Reopen(CDbTable::kIdProp);
    ASSERT_TRUE(m.FindId(1) && m.Load());
    EXPECT_EQ(m.Buffer().description, QStringLiteral("a \"big\", slice"));
    ASSERT_TRUE(m.FindId(2) && m.Load());
    EXPECT_EQ(m.Buffer().description, QStringLiteral("cost $$"));
}

TEST_F(BackupRestoreTest, AFailedBackupLeavesThePreviousSetAsItWas)
{
    Fill();
    ASSERT_TRUE(m_backup->BackupAll());
    std::vector<QByteArray> old;
    for (const char* f : BackupRestore::kFileNames)
        old.push_back(Bytes(f));
    CFoodTable(Store()).NewRecord(55); // a change the next backup would carry

    // The third file cannot be written: something that is no file stands at its new name.
    QDir().mkpath(File("ZELMeal.bck") + QStringLiteral(".new/x"));
    m_box = RecordingMessageBox();
    EXPECT_FALSE(m_backup->BackupAll());
    EXPECT_EQ(m_box.Texts().last(), QStringLiteral("Error performing backup! Do not restore data before a "
                                                   "backup is performed successfully!"));
    for (size_t i = 0; i < BackupRestore::kFileNames.size(); ++i)
        EXPECT_TRUE(Bytes(BackupRestore::kFileNames[i]) == old[i]) << BackupRestore::kFileNames[i];
    QDir(File("ZELMeal.bck") + QStringLiteral(".new")).removeRecursively();
    // Nothing of the failed attempt is left beside the set.
    EXPECT_EQ(QDir(m_folder).entryList(QDir::Files).size(), 7);
    ASSERT_TRUE(m_backup->BackupAll());
    EXPECT_NE(Bytes("ZELFood.bck"), old[1]);
}

TEST_F(BackupRestoreTest, BackupFilesArePrivateAndLinksAreReplacedNotWrittenThrough)
{
    Fill();
    const QString elsewhere = m_dir.filePath(QStringLiteral("elsewhere.txt"));
    {
        QFile f(elsewhere);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    ASSERT_TRUE(QFile::link(elsewhere, File("ZELFood.bck")));
    ASSERT_TRUE(m_backup->BackupAll());
    QFile kept(elsewhere);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("keep me"));
    EXPECT_FALSE(QFileInfo(File("ZELFood.bck")).isSymLink());
    for (const char* f : BackupRestore::kFileNames) {
        struct stat info = {};
        ASSERT_EQ(::stat(QFile::encodeName(File(f)).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u) << f;
    }
}

TEST_F(BackupRestoreTest, ADeviceOrAPipeAsABackupFileIsRefusedWithoutWaiting)
{
    Fill();
    ASSERT_TRUE(m_backup->BackupAll());
    const auto before = Everything();
    QFile::remove(File("ZELTree.bck"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), File("ZELTree.bck")));
    m_box = RecordingMessageBox();
    EXPECT_FALSE(m_backup->RestoreAll());
    EXPECT_EQ(Everything(), before);
    EXPECT_TRUE(m_box.Texts()[0].contains(QStringLiteral("not a regular file")))
        << m_box.Texts()[0].toStdString();

    QFile::remove(File("ZELTree.bck"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(File("ZELTree.bck")).constData(), 0600), 0);
    m_box = RecordingMessageBox();
    EXPECT_FALSE(m_backup->RestoreAll()); // would block for ever if the pipe were opened
    EXPECT_EQ(Everything(), before);
    EXPECT_TRUE(m_box.Texts()[0].contains(QStringLiteral("not a regular file")));
}
