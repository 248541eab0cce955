#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/RecordStore.h"
#include "platform/ui/SingleInstance.h"
#include "storage/CProfileTable.h"
#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <thread>

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

namespace {

// A private runtime folder for the test and the programs it starts, as the session gives one.
class RuntimeFolder
{
public:
    RuntimeFolder() : m_old(qgetenv("XDG_RUNTIME_DIR")) { qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8()); }
    ~RuntimeFolder() { qputenv("XDG_RUNTIME_DIR", m_old); }
    QString Path() const { return m_dir.path(); }
    QStringList Files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::System); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

QProcessEnvironment ProgramEnvironment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELLAMO_HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The companion's endpoint of a program the test kills stays behind: in the test's folder.
    env.insert(QStringLiteral("TMPDIR"), home);
    return env;
}

QCoreApplication* EnsureApplication()
{
    static int argc = 1;
    static char arg0[] = "app_tests";
    static char* argv[] = {arg0, nullptr};
    return QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
}

} // namespace

TEST(Startup, ASecondStartBringsTheFirstToTheFrontAndEnds)
{
    QCoreApplication* app = EnsureApplication();
    const RuntimeFolder runtime;
    QTemporaryDir dir;
    const DataFolders folders = DataFolders::ForHome(dir.path());
    ASSERT_TRUE(folders.EnsureExists(nullptr));
    {
        // The first instance, here in the test: it listens and counts the requests to come forward.
        SingleInstance first(folders.StorePath());
        ASSERT_EQ(first.Start(), SingleInstance::Claim::First);
        EXPECT_TRUE(first.SocketPath().startsWith(runtime.Path()));
        int raised = 0;
        QObject::connect(&first, &SingleInstance::raiseRequested, [&raised] { ++raised; });

        QProcess second;
        second.setProcessEnvironment(ProgramEnvironment(dir.path()));
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
    }
    EXPECT_EQ(runtime.Files(), QStringList()) << "lock and socket are removed at the end";
    delete app;
}

TEST(Startup, TheLockAndSocketOfAProgramThatDiedAreTakenOver)
{
    QCoreApplication* app = EnsureApplication();
    const RuntimeFolder runtime;
    SingleInstance probe(QStringLiteral("/data/Vellamo.db"));
    // A process that has ended: its id is no one's now.
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
    QFile lock(probe.LockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\nvellamo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    QFile socket(probe.SocketPath());
    ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    socket.close();
    {
        SingleInstance next(QStringLiteral("/data/Vellamo.db"));
        EXPECT_EQ(next.Start(), SingleInstance::Claim::First);
    }
    EXPECT_EQ(runtime.Files(), QStringList());
    delete app;
}

TEST(Startup, AStartWaitsForTheHolderOfTheLockInsteadOfTakingItsPlace)
{
    // The moment two starts race for: one holds the lock and is not yet listening.
    QCoreApplication* app = EnsureApplication();
    const RuntimeFolder runtime;
    SingleInstance later(QStringLiteral("/data/Vellamo.db"));
    QLockFile held(later.LockPath());
    ASSERT_TRUE(held.tryLock(0));
    std::thread holder([path = later.SocketPath()] {
        QThread::msleep(300);
        QLocalServer server;
        ASSERT_TRUE(server.listen(path));
        QThread::msleep(3000); // connections queue without being taken
    });
    EXPECT_EQ(later.Start(), SingleInstance::Claim::OtherRunning);
    holder.join();
    delete app;
}

TEST(Startup, TwoStartsAtOnceLeaveOneProgramRunning)
{
    const RuntimeFolder runtime;
    QTemporaryDir home;
    for (int round = 0; round < 20; ++round) {
        QProcess a;
        QProcess b;
        for (QProcess* p : {&a, &b})
            p->setProcessEnvironment(ProgramEnvironment(home.path()));
        a.start(QStringLiteral(VELLAMO_BIN), {});
        b.start(QStringLiteral(VELLAMO_BIN), {});
        ASSERT_TRUE(a.waitForStarted() && b.waitForStarted());
        // One of them ends, the other waits in its first window.
        QElapsedTimer t;
        t.start();
        while (a.state() == QProcess::Running && b.state() == QProcess::Running && t.elapsed() < 30000) {
            a.waitForFinished(10);
            b.waitForFinished(10);
        }
        QProcess& ended = a.state() == QProcess::Running ? b : a;
        QProcess& running = &ended == &a ? b : a;
        EXPECT_EQ(ended.state(), QProcess::NotRunning) << "round " << round << ": neither start ended";
        EXPECT_EQ(ended.exitCode(), 0)
            << "round " << round << ": " << ended.readAllStandardError().toStdString();
        EXPECT_FALSE(running.waitForFinished(300)) << "round " << round << ": both ended";
        running.kill();
        running.waitForFinished();
    }
}

TEST(Startup, EveryProgramAnswersHelpAndVersionAndStartsNothing)
{
    const struct
    {
        const char* program;
        const char* args;
        const char* firstLine;
    } cases[] = {
        {VELLAMO_BIN, "--help", "Usage: vellamo [--zoom N]"},
        {VELLAMO_BIN, "--version", "vellamo 3.1.0"},
        {VELLAMO_BIN, "--zoom 3 --help", "Usage: vellamo [--zoom N]"},
        {VELLAMO_HELP_BIN, "--help", "Usage: vellamo-help [Vellamo.htm[#TOPIC]]"},
        {VELLAMO_HELP_BIN, "--version", "vellamo-help 3.1.0"},
        {VELLAMO_CLI_BIN, "--help", "Usage: vellamo-cli COMMAND [ARGUMENTS]"},
        {VELLAMO_CLI_BIN, "--version", "vellamo-cli 3.1.0"},
    };
    for (const auto& c : cases) {
        QTemporaryDir home;
        QProcess p;
        p.setProcessEnvironment(ProgramEnvironment(home.path()));
        p.start(QString::fromUtf8(c.program), QString::fromUtf8(c.args).split(QLatin1Char(' ')));
        ASSERT_TRUE(p.waitForFinished(20000)) << c.program << ' ' << c.args << ": still running";
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        EXPECT_EQ(p.exitCode(), 0) << c.program << ' ' << c.args;
        EXPECT_EQ(out.section(QLatin1Char('\n'), 0, 0), QString::fromUtf8(c.firstLine))
            << c.program << ' ' << c.args;
        EXPECT_TRUE(QDir(home.path()).isEmpty()) << c.program << ' ' << c.args << ": made files";
    }
}

TEST(Startup, TheZoomMultipliesTheUsersScaleAndChildrenKeepTheirs)
{
    const struct
    {
        const char* userFactor; // "" for none
        const char* zoomArgument;
        quint32 kept; // the zoom chosen in an earlier run; 0 for none
        const char* shown;
    } cases[] = {
        {"1", "1", 0, "window 240x320, children's QT_SCALE_FACTOR \"1\""},
        {"1", "2", 0, "window 480x640, children's QT_SCALE_FACTOR \"1\""},
        {"2", "1", 0, "window 480x640, children's QT_SCALE_FACTOR \"2\""},
        {"2", "2", 0, "window 960x1280, children's QT_SCALE_FACTOR \"2\""},
        {"", nullptr, 3, "window 720x960, children's QT_SCALE_FACTOR \"\""},
        {"", "1", 3, "window 240x320, children's QT_SCALE_FACTOR \"\""},
    };
    for (const auto& c : cases) {
        QTemporaryDir home;
        const DataFolders folders = DataFolders::ForHome(home.path());
        ASSERT_TRUE(folders.EnsureExists(nullptr));
        {
            auto store = RecordStore::Open(folders.StorePath(), nullptr, nullptr);
            const SystemClock clock;
            CProfileTable profiles(*store, clock);
            profiles.NewRecord();
            profiles.Buffer().name = QStringLiteral("Anna");
            profiles.Buffer().Set(CProfileTable::kOpen, true);
            profiles.Save();
        }
        if (c.kept) {
            QFile registry(folders.RegistryPath(false));
            ASSERT_TRUE(registry.open(QIODevice::WriteOnly));
            registry.write(QStringLiteral("[Software\\Vellamo\\Window]\nZoom=dword:%1\n")
                               .arg(c.kept, 8, 16, QLatin1Char('0'))
                               .toUtf8());
        }
        QProcessEnvironment env = ProgramEnvironment(home.path());
        env.insert(QStringLiteral("VELLAMO_QUIT_AFTER_START"), QStringLiteral("1"));
        env.remove(QStringLiteral("QT_SCALE_FACTOR"));
        if (*c.userFactor)
            env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(c.userFactor));
        QProcess p;
        p.setProcessEnvironment(env);
        QStringList args;
        if (c.zoomArgument)
            args << QStringLiteral("--zoom") << QString::fromLatin1(c.zoomArgument);
        p.start(QStringLiteral(VELLAMO_BIN), args);
        ASSERT_TRUE(p.waitForFinished(30000)) << c.shown;
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0),
                  QString::fromLatin1(c.shown))
            << "QT_SCALE_FACTOR " << c.userFactor << ", --zoom " << (c.zoomArgument ? c.zoomArgument : "none")
            << ": " << p.readAllStandardError().toStdString();
    }
}
