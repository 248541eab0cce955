#include "CProfileTable.h"
#include "Clock.h"
#include "DataFolders.h"
#include "RecordStore.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct RunResult
{
    int exitCode = -1;
    QString err;
};

RunResult StartVellamo(const QString& home)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELLAMO_HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELLAMO_BIN), {});
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardError())};
}

} // namespace

TEST(Startup, AStoreThatCannotBeReadIsNamedAndLeftAsItIs)
{
    QTemporaryDir dir;
    const QString goodPath = dir.filePath(QStringLiteral("good.db"));
    {
        auto store = RecordStore::Open(goodPath, nullptr, nullptr);
        ASSERT_TRUE(store);
        store->CreateDb(QStringLiteral("ZELFood"), 200, {{101, PropType::UI4}});
        DbHandle h;
        store->OpenDb(h, QStringLiteral("ZELFood"), 101);
        RecordStore::Batch batch(*store);
        for (quint32 i = 1; i <= 500; ++i)
            store->WriteProps(h, RecordStore::WriteTarget::New,
                              {PropVal::UI4(101, i), PropVal::Text(203, QString(60, QLatin1Char('x')))});
    }
    const QByteArray good = ReadAll(goodPath);

    sqlite3* other = nullptr;
    const QString otherPath = dir.filePath(QStringLiteral("other.db"));
    ASSERT_EQ(sqlite3_open(QFile::encodeName(otherPath).constData(), &other), SQLITE_OK);
    sqlite3_exec(other, "CREATE TABLE photos(id, path)", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    const std::pair<const char*, QByteArray> cases[] = {
        {"not a database", QByteArray("This is my shopping list.\n")},
        {"truncated", good.left(good.size() / 3)},
        {"another program's database", ReadAll(otherPath)},
    };
    for (const auto& [name, bytes] : cases) {
        const QString home = dir.filePath(QString::fromLatin1(name));
        QDir().mkpath(home);
        const QString store = home + QStringLiteral("/Vellamo.db");
        QFile f(store);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();

        const RunResult run = StartVellamo(home);
        EXPECT_NE(run.exitCode, 0) << name;
        EXPECT_NE(run.exitCode, -1) << name << ": vellamo did not stop";
        EXPECT_TRUE(run.err.contains(store)) << name << ": " << run.err.toStdString();
        EXPECT_EQ(ReadAll(store), bytes) << name;
    }
}

TEST(Startup, ASecondStartBringsTheFirstToTheFrontAndEnds)
{
    int argc = 1;
    char arg0[] = "app_tests";
    char* argv[] = {arg0, nullptr};
    QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);

    QTemporaryDir dir;
    const DataFolders folders = DataFolders::ForHome(dir.path());
    ASSERT_TRUE(folders.EnsureExists(nullptr));
    // The first instance, here in the test: it listens and counts the requests to come forward.
    SingleInstance first(folders.StorePath());
    ASSERT_TRUE(first.Listen());
    int raised = 0;
    QObject::connect(&first, &SingleInstance::raiseRequested, [&raised] { ++raised; });

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELLAMO_HOME"), dir.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(VELLAMO_BIN), {});
    QElapsedTimer t;
    t.start();
    while (second.state() != QProcess::NotRunning && t.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        second.waitForFinished(10);
    }
    ASSERT_EQ(second.state(), QProcess::NotRunning) << "the second start did not end";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(raised, 1);
    // It ended before making a profile of its own.
    const SystemClock clock;
    auto store = RecordStore::Open(folders.StorePath(), nullptr, nullptr);
    ASSERT_TRUE(store);
    EXPECT_EQ(CProfileTable(*store, clock).Count(), 0u);
    delete app;
}
