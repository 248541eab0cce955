// The command line under what a desktop throws at it: other writers at once, a full or failing
// disk, a read-only or damaged file, odd files and odd input.
#include "platform/Clock.h"
#include "storage/CDiaryTable.h"
#include "storage/CMealTable.h"
#include "storage/CProfileTable.h"
#include "storage/CTreeTable.h"
#include "support/CliFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <sys/stat.h>

namespace {

mode_t ModeOf(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777 : 0;
}

class CliSafetyTest : public CliTest
{
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        ASSERT_EQ(Cli(Words("profile new Anna")).code, 0);
    }

    // Every entry of the store with its day's date and profile.
    struct Stored
    {
        std::vector<quint32> entryIds;
        std::map<std::pair<qint64, quint32>, int> daysPerDate; // (date, profile) -> day records
        std::map<quint32, int> entriesPerDay;
        std::map<quint32, double> energyPerDay;
    };

    Stored ReadStore()
    {
        Stored s;
        auto store = RecordStore::Open(StorePath(), nullptr, nullptr);
        EXPECT_TRUE(store);
        if (!store)
            return s;
        SystemClock clock;
        CMealTable meals(*store);
        for (RecordOid o = meals.First(); o; o = meals.Next()) {
            meals.Load();
            s.entryIds.push_back(meals.Buffer().id);
            ++s.entriesPerDay[meals.Buffer().dayId];
        }
        CDiaryTable days(*store, clock);
        for (RecordOid o = days.First(); o; o = days.Next()) {
            days.Load();
            ++s.daysPerDate[{static_cast<qint64>(days.Buffer().date.Ticks()), days.Buffer().profileId}];
            s.energyPerDay[days.Buffer().id] = days.Buffer().values[Nutrient::Energy];
        }
        return s;
    }

    QString WriteFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_home.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }
};

} // namespace

TEST_F(CliSafetyTest, WritersAtOnceKeepEveryEntryAndOneDayPerDate)
{
    const QStringList dates = {QStringLiteral("2026-12-06"), QStringLiteral("2026-12-07"),
                               QStringLiteral("2026-12-08"), QStringLiteral("2026-12-09")};
    const struct
    {
        int writers;
        int rounds;
        bool cli; // each round its own vellamo-cli process, else one writer process per writer
    } cases[] = {{2, 500, false}, {3, 500, false}, {2, 40, true}};
    int expected = 0;
    for (const auto& c : cases) {
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int w = 0; w < c.writers; ++w) {
            auto p = std::make_unique<QProcess>();
            p->setProcessEnvironment(Environment());
            if (c.cli) {
                // A shell loop of real program starts, as two scripts of a user would run.
                QString script = QStringLiteral("for i in $(seq %1); do for d in %2; do "
                                                "\"$0\" meal add --date $d --food 7 || exit 1; done; done")
                                     .arg(c.rounds / dates.size())
                                     .arg(dates.join(QLatin1Char(' ')));
                p->start(QStringLiteral("/bin/sh"),
                         {QStringLiteral("-c"), script, QStringLiteral(VELLAMO_CLI_BIN)});
            } else {
                p->start(QStringLiteral(STORE_PEER_BIN),
                         QStringList{StorePath(), QStringLiteral("add-meals"), QString::number(c.rounds),
                                     QStringLiteral("7")} +
                             dates);
            }
            writers.push_back(std::move(p));
        }
        QSet<quint32> printed;
        for (auto& p : writers) {
            ASSERT_TRUE(p->waitForFinished(600000));
            EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
            for (const QByteArray& line : p->readAllStandardOutput().split('\n'))
                if (!line.isEmpty())
                    printed.insert(line.toUInt());
        }
        expected += c.writers * c.rounds;
        EXPECT_EQ(printed.size(), c.writers * c.rounds) << "an id was handed out twice";

        const Stored s = ReadStore();
        EXPECT_EQ(static_cast<int>(s.entryIds.size()), expected);
        EXPECT_EQ(QSet<quint32>(s.entryIds.begin(), s.entryIds.end()).size(), expected) << "duplicate ids";
        for (quint32 id : printed)
            EXPECT_TRUE(std::find(s.entryIds.begin(), s.entryIds.end(), id) != s.entryIds.end()) << id;
        EXPECT_EQ(s.daysPerDate.size(), 4u);
        for (const auto& [key, count] : s.daysPerDate)
            EXPECT_EQ(count, 1) << "two day records for one date";
        // The stored figures of each day count every entry of it (100 kcal a slice).
        for (const auto& [day, entries] : s.entriesPerDay)
            EXPECT_DOUBLE_EQ(s.energyPerDay.at(day), 100.0 * entries) << "day " << day;
    }
}

TEST_F(CliSafetyTest, AFailingDiskIsNeverReportedAsDone)
{
    const QString csv = WriteFile(
        QStringLiteral("three.csv"),
        "h\n9,Fruit,Fresh,Pear,57,0,0,0,0,0,15,10,0,0,3,1,100,medium,178,,0,,0,,0,,0,,0,,0,,0,,0,,0\n");
    ASSERT_EQ(Cli(Words("backup")).code, 0);
    const struct
    {
        QStringList args;
    } verbs[] = {
        {Words("meal add --date 2026-12-09 --food 7")},
        {Words("exercise add --date 2026-12-09 --activity 3 --minutes 30")},
        {Words("weight set --date 2026-12-09 71.5")},
        {Words("profile new Ben")},
        {{QStringLiteral("import"), csv}},
        {Words("restore")},
    };
    for (const char* fault : {"full:0", "full:2", "write:1", "sync:0"}) {
        for (const auto& v : verbs) {
            const QString what =
                v.args.join(QLatin1Char(' ')) + QStringLiteral(" with ") + QLatin1String(fault);
            const Result r = Cli(v.args, QString::fromLatin1(fault));
            EXPECT_EQ(r.code, 1) << what.toStdString() << ": " << r.out.toStdString();
            EXPECT_TRUE(r.err.contains(StorePath())) << what.toStdString() << ": " << r.err.toStdString();
            EXPECT_FALSE(r.out.contains(QStringLiteral("added"))) << what.toStdString();
            EXPECT_FALSE(r.err.contains(QStringLiteral("finished"))) << what.toStdString();
            // The next start opens the file and its check passes.
            const Result check = Cli(Words("check"));
            EXPECT_EQ(check.code, 0) << what.toStdString() << ": " << check.err.toStdString();
        }
    }
    const Result full = Cli(Words("weight set --date 2026-12-09 71.5"), QStringLiteral("full:0"));
    EXPECT_TRUE(full.err.contains(QStringLiteral("the disk is full"))) << full.err.toStdString();
}

TEST_F(CliSafetyTest, AReadOnlyFileRefusesChangesAndStillShowsTheDiary)
{
    ASSERT_EQ(Cli(Words("meal add --date 2026-12-09 --food 7")).code, 0);
    for (const QStringList& args :
         {Words("meal add --date 2026-12-09 --food 7"), Words("weight set --date 2026-12-09 70"),
          Words("import x.csv"), Words("restore")}) {
        const Result r = Cli(args, QStringLiteral("readonly"));
        EXPECT_EQ(r.code, 1) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(
            r.err.contains(QStringLiteral("Vellamo cannot change its data file \"%1\"").arg(StorePath())))
            << r.err.toStdString();
    }
    const Result list = Cli(Words("profile list"), QStringLiteral("readonly"));
    EXPECT_EQ(list.code, 0) << list.err.toStdString();
    EXPECT_EQ(list.out, QStringLiteral("1\t*\tAnna\n"));
    const Result day = Cli(Words("day show --date 2026-12-09"), QStringLiteral("readonly"));
    EXPECT_EQ(day.code, 0) << day.err.toStdString();
    EXPECT_TRUE(day.out.contains(QStringLiteral("Rye bread")));
    EXPECT_EQ(ReadStore().entryIds.size(), 1u);
}

TEST_F(CliSafetyTest, ADamagedPageIsToldAndTheBackupSetIsKept)
{
    for (int i = 0; i < 30; ++i)
        Cli(Words("meal add --date 2026-12-09 --food 7"));
    ASSERT_EQ(Cli(Words("backup")).code, 0);
    const QString set = m_home.filePath(QStringLiteral("Documents/ZELMeal.bck"));
    QFile f(set);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    // Every page after the first four overwritten: the records' pages are damaged.
    {
        QFile db(StorePath());
        ASSERT_TRUE(db.open(QIODevice::ReadWrite));
        ASSERT_GT(db.size(), 5 * 4096);
        for (qint64 page = 4; page * 4096 < db.size(); ++page) {
            db.seek(page * 4096);
            db.write(QByteArray(4096, '\x5a'));
        }
    }
    for (const QStringList& args : {Words("profile list"), Words("backup"), Words("check")}) {
        const Result r = Cli(args);
        EXPECT_EQ(r.code, 1) << args.join(QLatin1Char(' ')).toStdString() << ": " << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(StorePath())) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(QStringLiteral("Backup is finished!")));
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll() == before) << "the backup set was replaced";
}

TEST_F(CliSafetyTest, ImportSaysWhatItDid)
{
    const QByteArray tail = ",0,0,0,0,0,14,10,0,0,2,1,100,,0,,0,,0,,0,,0,,0,,0,,0,,0,,0\n";
    const QString file =
        WriteFile(QStringLiteral("long.csv"), "h\n9,Fruit,Fresh,Pear,57" + tail + "10,Fruit,Fresh,Fig,74" +
                                                  tail + "11,Fruit,Fresh," + QByteArray(70000, 'x') + ",1" +
                                                  tail + "12,Fruit,Fresh,Kiwi,61" + tail);
    Result r = Cli({QStringLiteral("import"), file});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("%1, line 4: a field is longer than 64 KiB.").arg(file)))
        << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("2 foods added, 0 updated, 0 skipped\n"));

    // A line without a name is counted, and its folders are made all the same.
    const QString empty = WriteFile(QStringLiteral("empty.csv"), "h\n13,Nuts,Roasted,,600" + tail);
    r = Cli({QStringLiteral("import"), empty});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("0 foods added, 0 updated, 1 skipped\n"));
    auto store = RecordStore::Open(StorePath(), nullptr, nullptr);
    ASSERT_TRUE(store);
    CTreeTable tree(*store);
    QStringList names;
    for (RecordOid o = tree.First(); o; o = tree.Next())
        if (tree.Load())
            names << tree.Buffer().name;
    EXPECT_TRUE(names.contains(QStringLiteral("Nuts")) && names.contains(QStringLiteral("Roasted")))
        << names.join(QLatin1Char(',')).toStdString();
    CFoodTable foods(*store);
    EXPECT_EQ(foods.Count(), 4u); // the two of the fixture and the two before the long field

    // Not a regular file: refused at once.
    r = Cli({QStringLiteral("import"), QStringLiteral("/dev/zero")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("not a regular file"))) << r.err.toStdString();
}

TEST_F(CliSafetyTest, TheStoredDayFiguresAreThoseTheDayShows)
{
    ASSERT_EQ(Cli(Words("weight set --date 2026-12-09 80")).code, 0);
    ASSERT_EQ(Cli(Words("exercise add --date 2026-12-09 --activity 3 --minutes 30")).code, 0);
    ASSERT_EQ(Cli(Words("weight set --date 2026-12-09 95")).code, 0);
    const QString shown = Cli(Words("day show --date 2026-12-09")).out;
    const QStringList rows = shown.split(QLatin1Char('\n')).filter(QStringLiteral("30 minutes"));
    ASSERT_EQ(rows.size(), 1) << shown.toStdString();
    const QString energy = rows[0].split(QLatin1Char('\t'))[2].trimmed(); // "-nnn.n"
    const Result report = Cli(Words("report --from 2026-12-09 --to 2026-12-09 --type 1"));
    ASSERT_EQ(report.code, 0);
    auto store = RecordStore::Open(StorePath(), nullptr, nullptr);
    ASSERT_TRUE(store);
    SystemClock clock;
    CDiaryTable days(*store, clock);
    ASSERT_TRUE(days.FindDay(FileTime::FromDate(2026, 12, 9), 1));
    days.Load();
    EXPECT_DOUBLE_EQ(days.Buffer().weight, 95);
    EXPECT_EQ(QString::number(-days.Buffer().exercise, 'f', 1), energy);
}

TEST_F(CliSafetyTest, FilesArePrivate)
{
    ::chmod(QFile::encodeName(StorePath()).constData(), 0644);
    ASSERT_EQ(Cli(Words("profile list")).code, 0);
    EXPECT_EQ(ModeOf(StorePath()), 0600u);
    const QString exported = m_home.filePath(QStringLiteral("period.csv"));
    ASSERT_EQ(Cli({QStringLiteral("export-report"), QStringLiteral("--from"), QStringLiteral("2026-12-01"),
                   QStringLiteral("--to"), QStringLiteral("2026-12-09"), exported})
                  .code,
              0);
    EXPECT_EQ(ModeOf(exported), 0600u);
    ASSERT_EQ(Cli(Words("backup")).code, 0);
    EXPECT_EQ(ModeOf(m_home.filePath(QStringLiteral("Documents/ZELDiary.bck"))), 0600u);
}

TEST_F(CliSafetyTest, ProfileNamesAsTheDialogsTakeThem)
{
    const QString sixtyFour(64, QLatin1Char('n'));
    Result r = Cli({QStringLiteral("profile"), QStringLiteral("new"), sixtyFour});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    r = Cli({QStringLiteral("profile"), QStringLiteral("new"), QStringLiteral("two\nlines")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("line ends"))) << r.err.toStdString();
    EXPECT_EQ(Cli(Words("profile list")).out, QStringLiteral("1\t \tAnna\n2\t*\t%1\n").arg(sixtyFour));
}
