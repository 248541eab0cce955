#include "Registry.h"

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
