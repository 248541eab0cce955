#include "platform/Registry.h"
#include "platform/DataFolders.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(Registry, KeysAreOpenedOnlyWhenTheyExist)
{
    QTemporaryDir dir;
    Registry reg(dir.filePath("user.txt"), dir.filePath("machine.txt"));
    Registry::Key key;
    EXPECT_FALSE(
        reg.OpenKey(Registry::Hive::CurrentUser, QStringLiteral("Software\\Vellamo\\Vellamo"), &key));
    EXPECT_FALSE(key.IsOpen());

    ASSERT_TRUE(
        reg.CreateKey(Registry::Hive::CurrentUser, QStringLiteral("Software\\Vellamo\\Vellamo"), &key));
    ASSERT_TRUE(key.SetDword(QStringLiteral("HWND"), 0xDEADBEEF));
    // The machine hive is another file.
    EXPECT_FALSE(
        reg.OpenKey(Registry::Hive::LocalMachine, QStringLiteral("Software\\Vellamo\\Vellamo"), &key));
}

TEST(Registry, ValuesAreSharedThroughTheFile)
{
    QTemporaryDir dir;
    Registry writer(dir.filePath("user.txt"), dir.filePath("machine.txt"));
    Registry reader(dir.filePath("user.txt"), dir.filePath("machine.txt"));
    Registry::Key w;
    ASSERT_TRUE(writer.CreateKey(Registry::Hive::LocalMachine,
                                 QStringLiteral("SOFTWARE\\Apps\\Korvane Ravelin"), &w));
    ASSERT_TRUE(w.SetString(QStringLiteral("InstallDir"), QStringLiteral("/opt/ravelin\\bin=x\nnext")));
    ASSERT_TRUE(w.SetDword(QStringLiteral("a=b"), 7));

    Registry::Key r;
    ASSERT_TRUE(
        reader.OpenKey(Registry::Hive::LocalMachine, QStringLiteral("software\\apps\\korvane ravelin"), &r));
    QString dir2;
    ASSERT_TRUE(r.QueryString(QStringLiteral("installdir"), &dir2));
    EXPECT_EQ(dir2, QStringLiteral("/opt/ravelin\\bin=x\nnext"));
    quint32 v = 0;
    ASSERT_TRUE(r.QueryDword(QStringLiteral("a=b"), &v));
    EXPECT_EQ(v, 7u);
    EXPECT_FALSE(r.QueryDword(QStringLiteral("InstallDir"), &v)); // a string, not a number
    EXPECT_FALSE(r.QueryDword(QStringLiteral("missing"), &v));

    ASSERT_TRUE(w.SetDword(QStringLiteral("a=b"), 8));
    ASSERT_TRUE(r.QueryDword(QStringLiteral("a=b"), &v));
    EXPECT_EQ(v, 8u);
    // Readable by its owner alone, like the data file.
    struct stat info = {};
    ASSERT_EQ(::stat(QFile::encodeName(dir.filePath("machine.txt")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// The settings files had other names before: a folder that has them keeps what they hold.
TEST(Registry, FilesOfTheOldNamesAreTakenOver)
{
    QTemporaryDir dir;
    const DataFolders folders = DataFolders::ForHome(dir.path());
    const QString oldUser = dir.filePath(QStringLiteral("Registry-CurrentUser.txt"));
    const QString oldMachine = dir.filePath(QStringLiteral("Registry-LocalMachine.txt"));
    {
        Registry old(oldUser, oldMachine);
        Registry::Key key;
        ASSERT_TRUE(
            old.CreateKey(Registry::Hive::CurrentUser, QStringLiteral("Software\\Vellamo\\Window"), &key));
        ASSERT_TRUE(key.SetDword(QStringLiteral("Zoom"), 3));
        ASSERT_TRUE(old.CreateKey(Registry::Hive::LocalMachine, QStringLiteral("SOFTWARE\\Apps\\X"), &key));
        ASSERT_TRUE(key.SetString(QStringLiteral("InstallDir"), QStringLiteral("/opt/x")));
    }
    EXPECT_EQ(folders.RegistryPath(false), dir.filePath(QStringLiteral("settings.txt")));
    EXPECT_EQ(folders.RegistryPath(true), dir.filePath(QStringLiteral("installed-programs.txt")));
    EXPECT_FALSE(QFile::exists(oldUser));
    EXPECT_FALSE(QFile::exists(oldMachine));

    Registry now(folders.RegistryPath(false), folders.RegistryPath(true));
    Registry::Key key;
    quint32 zoom = 0;
    QString installed;
    ASSERT_TRUE(now.OpenKey(Registry::Hive::CurrentUser, QStringLiteral("Software\\Vellamo\\Window"), &key));
    EXPECT_TRUE(key.QueryDword(QStringLiteral("Zoom"), &zoom));
    EXPECT_EQ(zoom, 3u);
    ASSERT_TRUE(now.OpenKey(Registry::Hive::LocalMachine, QStringLiteral("SOFTWARE\\Apps\\X"), &key));
    EXPECT_TRUE(key.QueryString(QStringLiteral("InstallDir"), &installed));
    EXPECT_EQ(installed, QStringLiteral("/opt/x"));
}

// A folder that will not take the new name keeps using the old file.
TEST(Registry, AnOldFileStaysWhereTheFolderRefusesTheNewName)
{
    QTemporaryDir locked;
    QFile(locked.filePath(QStringLiteral("Registry-CurrentUser.txt"))).open(QIODevice::WriteOnly);
    ASSERT_EQ(chmod(QFile::encodeName(locked.path()).constData(), 0500), 0);
    if (QFile(locked.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly))
        GTEST_SKIP() << "running with rights that ignore the folder's mode";
    EXPECT_EQ(DataFolders::ForHome(locked.path()).RegistryPath(false),
              locked.filePath(QStringLiteral("Registry-CurrentUser.txt")));
    chmod(QFile::encodeName(locked.path()).constData(), 0700);
}
