#include "support/CliFixture.h"

#include <QDir>
#include <QRegularExpression>

TEST_F(CliTest, HelpComesFromTheCommandTableAndTheReadmeAgrees)
{
    const Result all = Cli(Words("--help"));
    ASSERT_EQ(all.code, 0);
    const Result verb = Cli(Words("help meal add"));
    EXPECT_EQ(verb.code, 0);
    EXPECT_TRUE(
        verb.out.startsWith(QStringLiteral("Usage: vellamo-cli meal add --date YYYY-MM-DD --food ID")))
        << verb.out.toStdString();
    EXPECT_EQ(Cli(Words("meal add --help")).out, verb.out);
    EXPECT_EQ(Cli(Words("entry delete --date 2026-12-09 --help")).code, 0);
    const Result unknown = Cli(Words("help meal remove"));
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.out.isEmpty());

    // Every command line of the help stands in the README's command-line section as it is.
    QFile readme(QStringLiteral(README_PATH));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(readme.readAll());
    static const QRegularExpression commandLine(QStringLiteral("^  (\\S.*)$"));
    int commands = 0;
    const QStringList lines = all.out.section(QStringLiteral("Commands:\n"), 1)
                                  .section(QStringLiteral("\n\n"), 0, 0)
                                  .split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = commandLine.match(line);
        if (!m.hasMatch())
            continue;
        ++commands;
        EXPECT_TRUE(manual.contains(QStringLiteral("vellamo-cli ") + m.captured(1) + QLatin1Char('\n')))
            << "not in the README: " << m.captured(1).toStdString();
    }
    EXPECT_EQ(commands, 23);
}

TEST_F(CliTest, ReadingCommandsOnAFreshAccountMakeNothing)
{
    QTemporaryDir fresh;
    const struct
    {
        const char* args;
        int code;
        int lines;
    } cases[] = {
        {"profile list", 0, 0},
        {"food search apple", 0, 0},
        {"activity list", 0, 68},
        {"day show", 1, 0},
        {"entry list", 1, 0},
        {"profile show", 1, 0},
        {"food show 7", 1, 0},
        {"report --from 2026-12-01 --to 2026-12-09", 1, 0},
        {"weight trend --from 2026-12-01 --to 2026-12-09", 1, 0},
    };
    for (const auto& c : cases) {
        QProcess p;
        QProcessEnvironment env = Environment();
        env.insert(QStringLiteral("VELLAMO_HOME"), fresh.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VELLAMO_CLI_BIN), Words(c.args));
        ASSERT_TRUE(p.waitForFinished(30000)) << c.args;
        EXPECT_EQ(p.exitCode(), c.code) << c.args << ": " << p.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).count(QLatin1Char('\n')), c.lines) << c.args;
        EXPECT_TRUE(QDir(fresh.path()).isEmpty()) << c.args << ": made "
                                                  << QDir(fresh.path())
                                                         .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                                                         .join(QLatin1Char(' '))
                                                         .toStdString();
    }
}

TEST_F(CliTest, FoodsActivitiesAndEntriesCanBeFoundAndRemoved)
{
    Result r = Cli(Words("food search rye"));
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("7\tRye bread\tslice\t40.0\t250.0\n"));
    r = Cli(Words("food show 7"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Id:\t7\nName:\tRye bread\nFolder:\tRoot\n")))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nEnergy (kcal per 100 g):\t250.00\n")))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nSodium (mg per 100 g):\t600.00\n"))) << r.out.toStdString();
    EXPECT_TRUE(
        r.out.contains(QRegularExpression(QStringLiteral("\nServing size:\t\\d+\tslice\t40.0 g\tdefault\n"))))
        << r.out.toStdString();
    r = Cli(Words("activity list"));
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("0\tRunning 12 min/mile\t"))) << r.out.toStdString();

    Cli(Words("profile new Anna"));
    EXPECT_TRUE(Cli(Words("profile show")).out.contains(QStringLiteral("Name:\tAnna\n")));
    const QString meal = Cli(Words("meal add --date 2026-12-09 --food 7 --time 08:05")).out.trimmed();
    const QString run =
        Cli(Words("exercise add --date 2026-12-09 --activity 0 --minutes 30 --time 07:00")).out.trimmed();
    r = Cli(Words("entry list --date 2026-12-09"));
    EXPECT_EQ(r.out, meal + QStringLiteral("\t08:05\tRye bread\t1.00 x slice\n") + run +
                         QStringLiteral("\t07:00\tRunning 12 min/mile\t30 minutes\n"));

    const struct
    {
        QString args;
        int code;
        const char* message;
    } refused[] = {
        {QStringLiteral("entry delete --date 2026-12-09 999"), 1, "no entry with the id 999 on 2026-12-09"},
        {QStringLiteral("entry delete --date 2026-12-08 ") + meal, 1, "on 2026-12-08"},
        {QStringLiteral("entry delete --date 2026-12-09"), 2, "takes one argument: ID"},
        {QStringLiteral("entry delete --date 2026-12-09 first"), 2, "takes an entry id"},
        {QStringLiteral("food show 99"), 1, "no food with the id 99"},
        {QStringLiteral("food show bread"), 2, "takes a food id"},
        {QStringLiteral("food search"), 2, "takes one or more WORDS..."},
        {QStringLiteral("activity list 3"), 2, "takes no arguments"},
    };
    for (const auto& c : refused) {
        r = Cli(c.args.split(QLatin1Char(' ')));
        EXPECT_EQ(r.code, c.code) << c.args.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message)))
            << c.args.toStdString() << ": " << r.err.toStdString();
    }
    EXPECT_EQ(Cli({QStringLiteral("entry"), QStringLiteral("delete"), QStringLiteral("--date"),
                   QStringLiteral("2026-12-09"), meal})
                  .code,
              0);
    EXPECT_EQ(Cli(Words("entry list --date 2026-12-09")).out,
              run + QStringLiteral("\t07:00\tRunning 12 min/mile\t30 minutes\n"));
    // The day's figures follow: only the run is left.
    EXPECT_TRUE(
        Cli(Words("day show --date 2026-12-09")).out.contains(QStringLiteral("Cals:               0 /")));
}

TEST_F(CliTest, WordsAfterADoubleDashAreArguments)
{
    EXPECT_EQ(Cli(Words("profile new -- --Anna")).out, QStringLiteral("1\n"));
    EXPECT_EQ(Cli(Words("profile list")).out, QStringLiteral("1\t*\t--Anna\n"));
}

TEST_F(CliTest, ADayIsCopiedToAnother)
{
    Cli(Words("profile new Anna"));
    Cli(Words("meal add --date 2026-12-07 --food 7 --time 08:05"));
    Cli(Words("exercise add --date 2026-12-07 --activity 0 --minutes 30 --time 07:00"));
    Result r = Cli(Words("entry copy --date 2026-12-07 --to 2026-12-08"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 2);
    // The same entries, ids aside.
    static const QRegularExpression id(QStringLiteral("(^|\n)\\d+\t"));
    EXPECT_EQ(Cli(Words("entry list --date 2026-12-08")).out.replace(id, QStringLiteral("\\1")),
              Cli(Words("entry list --date 2026-12-07")).out.replace(id, QStringLiteral("\\1")));
    // The day's figures are computed: 40 g of bread at 250 kcal per 100 g.
    EXPECT_TRUE(
        Cli(Words("day show --date 2026-12-08")).out.contains(QStringLiteral("Cals:             100 /")));
    r = Cli(Words("entry copy --date 2026-12-07 --to 2026-12-07"));
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("on that day already"))) << r.err.toStdString();
    EXPECT_EQ(Cli(Words("entry copy --date 2026-12-07")).code, 2);
}
