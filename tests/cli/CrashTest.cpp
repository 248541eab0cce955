// The program killed at any moment of its work: the next start opens, the check passes, and the
// data is all or nothing for an import or a restore and complete for every reported save.
#include "app/BackupRestore.h"
#include "storage/CDiaryTable.h"
#include "storage/CMealTable.h"
#include "storage/CTreeTable.h"
#include "support/CliFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSet>
#include <QThread>

#include <random>

#include <signal.h>

namespace {

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void CopyFile(const QString& from, const QString& to)
{
    QFile::remove(to);
    ASSERT_TRUE(QFile::copy(from, to)) << from.toStdString();
}

class CrashTest : public CliTest
{
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        ASSERT_EQ(Cli(Words("profile new Anna")).code, 0);
        m_docs = m_home.filePath(QStringLiteral("Documents"));
        m_csv = m_docs + QStringLiteral("/Vellamo/Vellamo.csv"); // put there by the first start
        ASSERT_TRUE(QFile::exists(m_csv));
        Checkpoint();
        CopyFile(StorePath(), m_home.filePath(QStringLiteral("base.db")));
    }

    // Ends the log, so that the store is one file that can be copied.
    void Checkpoint()
    {
        auto store = RecordStore::Open(StorePath(), nullptr, nullptr);
        ASSERT_TRUE(store);
    }

    void ResetStore(const QString& from)
    {
        for (const char* suffix : {"-wal", "-shm"})
            QFile::remove(StorePath() + QLatin1String(suffix));
        CopyFile(from, StorePath());
    }

    quint32 Foods()
    {
        auto store = RecordStore::Open(StorePath(), nullptr, nullptr);
        EXPECT_TRUE(store);
        return store ? CFoodTable(*store).Count() : 0;
    }

    // Starts the program, lets it run for a random part of `span` and kills it; true when it
    // was killed before it ended.
    bool RunAndKill(const QString& program, const QStringList& args, qint64 spanMs)
    {
        QProcess p;
        p.setProcessEnvironment(Environment());
        p.start(program, args);
        EXPECT_TRUE(p.waitForStarted());
        std::uniform_int_distribution<qint64> delay(0, spanMs);
        QThread::msleep(static_cast<unsigned long>(delay(m_random)));
        const bool running = p.state() == QProcess::Running;
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        p.waitForFinished(60000);
        if (running)
            ++m_kills;
        m_lastOutput = p.readAllStandardOutput();
        return running;
    }

    // How long a whole run takes, to spread the kills over it.
    qint64 Span(const QString& program, const QStringList& args)
    {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.setProcessEnvironment(Environment());
        p.start(program, args);
        p.waitForFinished(120000);
        return std::max<qint64>(t.elapsed(), 20);
    }

    void ExpectCheckPasses(const char* what, int round)
    {
        const Result r = Cli(Words("check"));
        EXPECT_EQ(r.code, 0) << what << " round " << round << ": " << r.err.toStdString();
    }

    QString m_docs;
    QString m_csv;
    std::mt19937 m_random{20261210};
    int m_kills = 0;
    QByteArray m_lastOutput;
};

constexpr int kRounds = 26;

} // namespace

TEST_F(CrashTest, KilledAtAnyMomentNothingIsHalfDone)
{
    const QString cli = QStringLiteral(VELLAMO_CLI_BIN);
    const QString base = m_home.filePath(QStringLiteral("base.db"));

    // A backup set of the whole default database, and a store with it imported.
    ASSERT_EQ(Cli({QStringLiteral("import"), m_csv}).code, 0);
    const quint32 imported = Foods();
    ASSERT_GT(imported, 7000u);
    ASSERT_EQ(Cli(Words("backup")).code, 0);
    QDir().mkpath(m_home.filePath(QStringLiteral("full-set")));
    for (const char* f : BackupRestore::kFileNames)
        CopyFile(m_docs + QLatin1Char('/') + QLatin1String(f),
                 m_home.filePath(QStringLiteral("full-set/")) + QLatin1String(f));
    Checkpoint();
    CopyFile(StorePath(), m_home.filePath(QStringLiteral("full.db")));

    // Import into the small store: the foods are all there or none.
    ResetStore(base);
    const qint64 importSpan = Span(cli, {QStringLiteral("import"), m_csv});
    for (int round = 0; round < kRounds; ++round) {
        ResetStore(base);
        const bool killed = RunAndKill(cli, {QStringLiteral("import"), m_csv}, importSpan);
        ExpectCheckPasses("import", round);
        const quint32 foods = Foods();
        EXPECT_TRUE(foods == 2 || foods == imported) << "import round " << round << ": " << foods;
        if (!killed) {
            EXPECT_EQ(foods, imported);
        }
    }

    // Restore of the full set over the small store: all or nothing.
    ResetStore(base);
    const qint64 restoreSpan = Span(cli, Words("restore"));
    for (int round = 0; round < kRounds; ++round) {
        ResetStore(base);
        RunAndKill(cli, Words("restore"), restoreSpan);
        ExpectCheckPasses("restore", round);
        const quint32 foods = Foods();
        EXPECT_TRUE(foods == 2 || foods == imported) << "restore round " << round << ": " << foods;
    }

    // Backup of the small store over the full set: each file is one of the two sets, whole.
    ResetStore(base);
    const qint64 backupSpan = Span(cli, Words("backup"));
    for (int round = 0; round < kRounds; ++round) {
        ResetStore(base);
        for (const char* f : BackupRestore::kFileNames)
            CopyFile(m_home.filePath(QStringLiteral("full-set/")) + QLatin1String(f),
                     m_docs + QLatin1Char('/') + QLatin1String(f));
        RunAndKill(cli, Words("backup"), backupSpan);
        ExpectCheckPasses("backup", round);
        for (const char* f : BackupRestore::kFileNames) {
            const QString path = m_docs + QLatin1Char('/') + QLatin1String(f);
            ASSERT_TRUE(QFile::exists(path)) << f << " lost in backup round " << round;
        }
        // Whatever the kill left, a restore of the set reads every file whole.
        const Result r = Cli(Words("restore"));
        EXPECT_EQ(r.code, 0) << "backup round " << round << ": " << r.err.toStdString();
    }

    // Day saves in a loop: every entry reported written is there.
    ResetStore(base);
    const QStringList saves = {
        StorePath(),         QStringLiteral("add-meals"),  QStringLiteral("100000"),
        QStringLiteral("7"), QStringLiteral("2026-12-08"), QStringLiteral("2026-12-09")};
    for (int round = 0; round < kRounds; ++round) {
        RunAndKill(QStringLiteral(STORE_PEER_BIN), saves, 400);
        ExpectCheckPasses("day saves", round);
        auto store = RecordStore::Open(StorePath(), nullptr, nullptr);
        ASSERT_TRUE(store);
        CMealTable meals(*store);
        meals.Reopen(CDbTable::kIdProp);
        for (const QByteArray& line : m_lastOutput.split('\n')) {
            if (line.isEmpty())
                continue;
            EXPECT_NE(meals.FindId(line.toUInt()), 0u)
                << "entry " << line.toStdString() << " reported and lost";
        }
    }
    EXPECT_GE(m_kills, 100) << "too few kills landed while the program was working";
}

// A kill while the log was being copied into the file can leave a file shorter than the page
// count in its header, with the whole log beside it: SQLite reads the missing pages from the log.
TEST_F(CrashTest, AFileShorterThanItsHeaderOpensFromItsLog)
{
    const QString copy = m_home.filePath(QStringLiteral("copy"));
    QDir().mkpath(copy);
    const QString copied = copy + QStringLiteral("/Vellamo.db");
    {
        auto store = RecordStore::Open(StorePath(), nullptr, nullptr);
        ASSERT_TRUE(store);
        // Enough new pages to grow the file well beyond itself, all still in the log.
        CFoodTable foods(*store);
        {
            RecordStore::Batch batch(*store);
            for (quint32 id = 1000; id < 3000; ++id) {
                foods.NewRecord(id);
                foods.Buffer().name = QStringLiteral("Food %1 ").arg(id) + QString(200, QLatin1Char('n'));
                foods.Save();
            }
        }
        // Copied while the store is open, as a kill would leave them.
        CopyFile(StorePath(), copied);
        CopyFile(StorePath() + QStringLiteral("-wal"), copied + QStringLiteral("-wal"));
    }
    // The log's newest first page (with the grown page count) over the file's own, as a
    // checkpoint writes it before the pages that follow.
    const QByteArray wal = Bytes(copied + QStringLiteral("-wal"));
    ASSERT_GT(wal.size(), 32);
    const auto u32 = [&](qsizetype at) {
        return (quint32(quint8(wal[at])) << 24) | (quint32(quint8(wal[at + 1])) << 16) |
               (quint32(quint8(wal[at + 2])) << 8) | quint32(quint8(wal[at + 3]));
    };
    const quint32 pageSize = u32(8);
    QByteArray firstPage;
    for (qsizetype frame = 32; frame + 24 + pageSize <= static_cast<quint32>(wal.size());
         frame += 24 + pageSize)
        if (u32(frame) == 1)
            firstPage = wal.mid(frame + 24, pageSize);
    ASSERT_EQ(static_cast<quint32>(firstPage.size()), pageSize);
    QFile file(copied);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 length = file.size();
    file.write(firstPage);
    file.close();
    const quint32 pages = (quint32(quint8(firstPage[28])) << 24) | (quint32(quint8(firstPage[29])) << 16) |
                          (quint32(quint8(firstPage[30])) << 8) | quint32(quint8(firstPage[31]));
    ASSERT_GT(static_cast<qint64>(pages) * pageSize, length) << "the fixture must be shorter than its header";
    ASSERT_EQ(firstPage.mid(24, 4), firstPage.mid(92, 4)) << "the header's page count must be the valid one";

    QString message;
    auto store = RecordStore::Open(copied, nullptr, &message);
    ASSERT_TRUE(store) << message.toStdString();
    QString finding;
    EXPECT_TRUE(store->CheckPages(&finding)) << finding.toStdString();
    EXPECT_EQ(CFoodTable(*store).Count(), 2u + 2000u);
}
