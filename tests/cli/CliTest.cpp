#include "support/CliFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>

TEST_F(CliTest, ADayFromProfileToEntries)
{
    EXPECT_EQ(Cli(Words("profile new Anna")).out, QStringLiteral("1\n"));
    EXPECT_EQ(Cli(Words("profile new Ben")).out, QStringLiteral("2\n"));
    EXPECT_EQ(Cli(Words("profile open 1")).code, 0);
    EXPECT_EQ(Cli(Words("profile list")).out, QStringLiteral("1\t*\tAnna\n2\t \tBen\n"));

    EXPECT_EQ(Cli(Words("meal add --date 2026-12-09 --food 7 --time 08:05")).code, 0);
    EXPECT_EQ(
        Cli(Words("meal add --date 2026-12-09 --food 7 --servings 1.5 --serving slice --time 12:30")).code,
        0);
    EXPECT_EQ(Cli(Words("meal add --date 2026-12-09 --food 8 --grams 150")).code, 0);
    EXPECT_EQ(Cli(Words("exercise add --date 2026-12-09 --activity 0 --minutes 30 --time 07:00")).code, 0);
    EXPECT_EQ(Cli(Words("weight set --date 2026-12-09 70")).code, 0);

    const Result day = Cli(Words("day show --date 2026-12-09"));
    ASSERT_EQ(day.code, 0) << day.err.toStdString();
    const QStringList lines = day.out.split(QLatin1Char('\n'));
    // 40 g + 60 g of bread, 150 g of apple.
    EXPECT_EQ(lines[0], QStringLiteral("2026-12-09  Anna"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Cals:             328 /  1991")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Prot:               8 g   100 %")))
        << lines[2].toStdString();
    EXPECT_EQ(lines[6], QStringLiteral("Weight:         154.3 lbs"));
    EXPECT_EQ(lines[8].split(QLatin1Char('\t')).size(), 15);
    // Latest first; the apple was eaten at the clock's 13:45.
    EXPECT_EQ(lines[9].split(QLatin1Char('\t')).mid(0, 5),
              (QStringList{"13:45", "Apple", "  78.0", "  1.00 x  150.0 g", " 150.0"}));
    EXPECT_EQ(lines[10].split(QLatin1Char('\t')).mid(0, 5),
              (QStringList{"12:30", "Rye bread", " 150.0", "  1.50 x slice", "  60.0"}));
    EXPECT_EQ(lines[11].split(QLatin1Char('\t')).mid(0, 5),
              (QStringList{"08:05", "Rye bread", " 100.0", "  1.00 x slice", "  40.0"}));
    EXPECT_EQ(lines[12].split(QLatin1Char('\t')).mid(0, 5),
              (QStringList{"07:00", "Running 12 min/mile", "-294.0", "30 minutes", "-"}));
}

TEST_F(CliTest, WrongArgumentsWriteNothing)
{
    EXPECT_EQ(Cli(Words("profile new Anna")).code, 0);
    const QByteArray before = StoreBytes();
    const struct
    {
        const char* args;
        int code;
        const char* message;
    } cases[] = {
        {"", 2, "no command"},
        {"meal remove", 2, "unknown command"},
        {"meal add --food 7", 2, "--date is missing"},
        {"meal add --date 2026-02-30 --food 7", 2, "--date must be a date"},
        {"meal add --date 2026-12-09 --food 7 --time 25:00", 2, "--time must be"},
        {"meal add --date 2026-12-09 --food 7 --grams -5", 2, "--grams must be"},
        {"meal add --date 2026-12-09 --food 7 --servings 0", 2, "--servings must be"},
        {"meal add --date 2026-12-09 --food 7 --colour red", 2, "--colour is not an option"},
        {"meal add --date 2026-12-09 --food 99", 1, "no food with the id 99"},
        {"meal add --date 2026-12-09 --food 7 --serving cup", 1, "has no serving size \"cup\""},
        {"exercise add --date 2026-12-09 --activity 68 --minutes 30", 2, "--activity must be"},
        {"exercise add --date 2026-12-09 --activity 3 --minutes half", 2, "--minutes must be"},
        {"weight set --date 2026-12-09 heavy", 2, "weight set takes"},
        {"profile open 5", 1, "no profile with the id 5"},
        {"profile new", 2, "profile new takes one argument: NAME"},
        // Beyond the dialogs' ranges: the day's sums would overflow to inf and nan.
        {"meal add --date 2026-12-09 --food 7 --grams 1e308", 2, "--grams must be"},
        {"meal add --date 2026-12-09 --food 7 --grams 1000000", 2, "--grams must be"},
        {"meal add --date 2026-12-09 --food 7 --servings 1e300", 2, "--servings must be"},
        {"exercise add --date 2026-12-09 --activity 3 --minutes 4294967295", 2, "--minutes must be"},
        {"profile new NameOfSixtyFiveCharactersXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX", 2,
         "at most 64 characters"},
    };
    for (const auto& c : cases) {
        const Result r = Cli(Words(c.args));
        EXPECT_EQ(r.code, c.code) << c.args;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << c.args << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.args;
    }
    EXPECT_EQ(StoreBytes(), before);
}

TEST_F(CliTest, DiaryCommandsNeedAnOpenProfile)
{
    const Result r = Cli(Words("day show"));
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("No profile is open"))) << r.err.toStdString();
}

TEST_F(CliTest, DataCommands)
{
    const QString file = m_home.filePath(QStringLiteral("import.csv"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "h\n7,Bakery,Bread,Rye bread,250,8,1,0,0,0,48,4,0,0,6,600,100,slice,40,,0,,0,,0,,0,,0,,0,,0,,0,,0\n"
        "9,Fruit,Fresh,Apple,52,0,0,0,0,0,14,10,0,0,2,1,100,,0,,0,,0,,0,,0,,0,,0,,0,,0,,0\n"
        "10,Fruit,Fresh,Bad,52,0,0,0,0,0,14,10,0,0,2,1,0,,0,,0,,0,,0,,0,,0,,0,,0,,0,,0\n");
    f.close();
    Result r = Cli({QStringLiteral("import"), file});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("1 foods added, 1 updated, 1 skipped\n"));
    r = Cli({QStringLiteral("import"), m_home.filePath(QStringLiteral("none.csv"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Error opening the file"))) << r.err.toStdString();

    EXPECT_EQ(Cli(Words("backup")).err, QStringLiteral("Backup is finished!\n"));
    EXPECT_TRUE(QFile::exists(m_home.filePath(QStringLiteral("Documents/ZELFood.bck"))));
    EXPECT_EQ(Cli(Words("restore-nutrients")).code, 0);
    EXPECT_EQ(Cli(Words("restore")).err, QStringLiteral("Restore is finished!\n"));
    QFile::remove(m_home.filePath(QStringLiteral("Documents/ZELTree.bck")));
    r = Cli(Words("restore"));
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Restore failed!")));
    EXPECT_EQ(Cli(Words("check")).out, QStringLiteral("The databases are in the current format.\n"));
    EXPECT_EQ(Cli(Words("check extra")).code, 2);
}

TEST_F(CliTest, ReportAndExport)
{
    Cli(Words("profile new Anna"));
    Cli(Words("meal add --date 2026-12-07 --food 7 --grams 200"));
    Cli(Words("meal add --date 2026-12-08 --food 8 --grams 100"));
    Result r = Cli(Words("report --from 2026-12-07 --to 2026-12-08 --type 1"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 + 12);
    EXPECT_EQ(lines[0],
              QStringLiteral("Nutrient values - totals for period  12-07-2026 to 12-08-2026 (2 days)"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Calories (kcal)\t 552.0\t"))) << lines[2].toStdString();

    const QString file = m_home.filePath(QStringLiteral("report.csv"));
    r = Cli({QStringLiteral("export-report"), QStringLiteral("--from"), QStringLiteral("2026-12-07"),
             QStringLiteral("--to"), QStringLiteral("2026-12-08"), file});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> csv = f.readAll().split('\n');
    EXPECT_TRUE(csv[4].startsWith("12-07-2026,13:45,Rye bread,  1.00 x  200.0 g,200,500,0,16,"))
        << csv[4].toStdString();

    // The foods that gave the energy, most first; the total as the totals report has it.
    Cli(Words("meal add --date 2026-12-08 --food 7 --grams 20"));
    r = Cli(Words("report --from 2026-12-07 --to 2026-12-08 --sources energy"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Sources of energy  12-07-2026 to 12-08-2026 (2 days)\n"
                                    "Food\tkcal\tShare%\tTimes\n"
                                    "Rye bread\t550.0\t91.4\t2\n"
                                    "Apple\t52.0\t8.6\t1\n"));

    // The printable report: a PDF with the profile, the period and each day's total.
    const QString pdf = m_home.filePath(QStringLiteral("report.pdf"));
    r = Cli({QStringLiteral("report-pdf"), QStringLiteral("--from"), QStringLiteral("2026-12-07"),
             QStringLiteral("--to"), QStringLiteral("2026-12-08"), pdf});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000)) << "pdftotext (poppler-utils) must be installed";
    const QString pages = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(pages.contains(QStringLiteral("Profile: Anna")));
    EXPECT_TRUE(pages.contains(QStringLiteral("Period: 12-07-2026 to 12-08-2026 (2 days)")));
    EXPECT_EQ(pages.count(QStringLiteral("Total of the day")), 2);
    EXPECT_EQ(pages.count(QLatin1Char('\f')), 3) << "a first page and one page a day";
    r = Cli({QStringLiteral("report-pdf"), QStringLiteral("--from"), QStringLiteral("2026-12-07"),
             QStringLiteral("--to"), QStringLiteral("2026-12-08"),
             m_home.filePath(QStringLiteral("none/r.pdf"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("The report could not be written to"))) << r.err.toStdString();

    // The weight and its trend, day by day in the profile's units, on over a day without a weight.
    Cli(Words("weight set --date 2026-12-07 80"));
    Cli(Words("weight set --date 2026-12-09 90"));
    r = Cli(Words("weight trend --from 2026-12-06 --to 2026-12-10"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Date\tWeight (lbs)\tTrend (lbs)\n"
                                    "2026-12-06\t\t\n"
                                    "2026-12-07\t176.37\t176.37\n"
                                    "2026-12-08\t\t176.37\n"
                                    "2026-12-09\t198.41\t178.57\n"
                                    "2026-12-10\t\t178.57\n"));

    // Wrong periods, types and nutrients are usage errors.
    for (const char* bad :
         {"report --from 2026-12-07", "report --from 2026-12-07 --to 2026-12-08 --type 3",
          "report --from 2026-12-07 --to 2026-12-08 --sources salt",
          "report --from 2026-12-07 --to 2026-12-08 --sources fat --type 1", "weight trend --from 2026-12-07",
          "export-report --from 2026-12-07 --to 2026-12-08"}) {
        EXPECT_EQ(Cli(Words(bad)).code, 2) << bad;
    }
}
