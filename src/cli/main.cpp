// vellamo-cli: the diary from the command line, on the data folder and the open profile.
#include "ActivityTable.h"
#include "AppEnvironment.h"
#include "BackupRestore.h"
#include "CFoodDBDoc.h"
#include "CliArguments.h"
#include "ConsoleMessageBox.h"
#include "DataExchange.h"
#include "DatabaseConversion.h"
#include "DateRules.h"
#include "DiaryScreen.h"
#include "Measures.h"
#include "NumberFormat.h"
#include "NumberText.h"
#include "NutrientImport.h"
#include "ReportCalculator.h"
#include "ReportExport.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

const char* const kUsage =
    "usage: vellamo-cli COMMAND\n"
    "  profile new NAME\n"
    "  profile list\n"
    "  profile open ID\n"
    "  meal add --date YYYY-MM-DD --food ID [--grams G] [--servings N] [--serving NAME] [--time HH:MM]\n"
    "  exercise add --date YYYY-MM-DD --activity INDEX --minutes M [--time HH:MM]\n"
    "  weight set --date YYYY-MM-DD KG\n"
    "  day show [--date YYYY-MM-DD]\n"
    "  report --from YYYY-MM-DD --to YYYY-MM-DD [--type 0|1|2]\n"
    "  export-report --from YYYY-MM-DD --to YYYY-MM-DD FILE\n"
    "  import FILE\n"
    "  backup\n"
    "  restore\n"
    "  restore-nutrients\n"
    "  check\n";

QTextStream& Out()
{
    static QTextStream out(stdout);
    return out;
}

int Fail(const QString& message, int code = kFailure)
{
    std::fprintf(stderr, "vellamo-cli: %s\n", qPrintable(message));
    return code;
}

int Usage(const QString& message)
{
    std::fprintf(stderr, "vellamo-cli: %s\n%s", qPrintable(message), kUsage);
    return kUsageError;
}

bool ParseDate(const QString& text, FileTime* out)
{
    static const QRegularExpression re(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    LocalDateTime t;
    if (!re.match(text).hasMatch() || !Clock::ParseNow(text, &t))
        return false;
    *out = FileTime::FromLocal(t);
    return true;
}

bool ParseTime(const QString& text, int* hour, int* minute)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return false;
    *hour = m.captured(1).toInt();
    *minute = m.captured(2).toInt();
    return *hour < 24 && *minute < 60;
}

bool ParseNumber(const QString& text, double* out)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok); // QString::toDouble is locale-independent
    if (!ok || !std::isfinite(v))
        return false;
    *out = v;
    return true;
}

bool ParseCount(const QString& text, quint32* out)
{
    bool ok = false;
    const uint v = text.trimmed().toUInt(&ok);
    *out = v;
    return ok;
}

// The date of --date, or today; the time of --time on that date, or the clock's time of day.
struct When
{
    FileTime date;
    FileTime time;
};

bool ResolveWhen(const CliArguments& args, const Clock& clock, bool dateRequired, When* when, QString* error)
{
    when->date = clock.Today();
    if (args.Has(QStringLiteral("date"))) {
        if (!ParseDate(args.Value(QStringLiteral("date")), &when->date)) {
            *error = QStringLiteral("--date must be a date as YYYY-MM-DD.");
            return false;
        }
    } else if (dateRequired) {
        *error = QStringLiteral("--date is missing.");
        return false;
    }
    LocalDateTime t = when->date.ToLocal();
    const LocalDateTime now = clock.Now();
    t.hour = now.hour;
    t.minute = now.minute;
    if (args.Has(QStringLiteral("time")) &&
        !ParseTime(args.Value(QStringLiteral("time")), &t.hour, &t.minute)) {
        *error = QStringLiteral("--time must be a time of day as HH:MM.");
        return false;
    }
    when->time = FileTime::FromLocal(t);
    return true;
}

// Recomputes the displayed day and writes its figures, as the diary does after every change.
void RefreshDay(CFoodDBDoc& doc)
{
    doc.OpenDay();
    doc.ComputeDay(doc.Day().id);
    doc.SaveDay();
}

int ProfileCommand(CFoodDBDoc& doc, RecordStore& store, const Clock& clock, const CliArguments& args)
{
    const QStringList& p = args.Positional();
    const QString verb = p.value(1);
    if (verb == QLatin1String("new")) {
        if (p.size() != 3 || p[2].trimmed().isEmpty())
            return Usage(QStringLiteral("profile new takes one name."));
        if (p[2].size() > ProfileRecord::kMaxNameLength)
            return Usage(QStringLiteral("a profile name has at most %1 characters.")
                             .arg(ProfileRecord::kMaxNameLength));
        if (std::any_of(p[2].begin(), p[2].end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; }))
            return Usage(
                QStringLiteral("a profile name cannot hold line ends, tabs or other control characters."));
        const quint32 id = doc.NewProfile();
        if (id == 0)
            return Fail(QStringLiteral("The profile could not be written."));
        doc.Profile().name = p[2];
        doc.SaveProfile();
        Out() << id << '\n';
        return 0;
    }
    if (verb == QLatin1String("list")) {
        if (p.size() != 2)
            return Usage(QStringLiteral("profile list takes no arguments."));
        CProfileTable profiles(store, clock);
        for (RecordOid o = profiles.First(); o; o = profiles.Next()) {
            if (!profiles.Load())
                continue;
            const ProfileRecord& r = profiles.Buffer();
            Out() << r.id << '\t' << (r.Has(CProfileTable::kOpen) ? "*" : " ") << '\t' << r.name << '\n';
        }
        return 0;
    }
    if (verb == QLatin1String("open")) {
        quint32 id = 0;
        if (p.size() != 3 || !ParseCount(p[2], &id))
            return Usage(QStringLiteral("profile open takes a profile id."));
        if (!doc.OpenProfile(id))
            return Fail(QStringLiteral("There is no profile with the id %1.").arg(p[2]));
        return 0;
    }
    return Usage(QStringLiteral("unknown profile command."));
}

int MealAdd(CFoodDBDoc& doc, const CliArguments& args)
{
    When when;
    QString error;
    if (!ResolveWhen(args, doc.TheClock(), true, &when, &error))
        return Usage(error);
    quint32 foodId = 0;
    if (!args.Has(QStringLiteral("food")) || !ParseCount(args.Value(QStringLiteral("food")), &foodId))
        return Usage(QStringLiteral("--food must be a food id."));
    // The ranges of the meal's dialog: larger figures would only make the day's sums overflow.
    double servings = 1.0;
    if (args.Has(QStringLiteral("servings")) &&
        (!ParseNumber(args.Value(QStringLiteral("servings")), &servings) || servings <= 0 ||
         servings > DataExchange::kMaxNumber))
        return Usage(QStringLiteral("--servings must be a number above 0 and at most %1.")
                         .arg(DataExchange::kMaxNumber));
    double grams = 0.0;
    const bool gramsGiven = args.Has(QStringLiteral("grams"));
    if (gramsGiven && (!ParseNumber(args.Value(QStringLiteral("grams")), &grams) || grams < 0 ||
                       grams > DataExchange::kMaxNumber))
        return Usage(
            QStringLiteral("--grams must be a number of grams from 0 to %1.").arg(DataExchange::kMaxNumber));

    FoodData food;
    if (!doc.LoadFood(foodId, &food))
        return Fail(QStringLiteral("There is no food with the id %1.").arg(foodId));

    QString servingName;
    if (args.Has(QStringLiteral("serving"))) {
        servingName = args.Value(QStringLiteral("serving"));
        CMeasuresTable& m = doc.Measures();
        double each = -1;
        for (RecordOid o = m.FirstOfFood(foodId); o; o = m.NextOfFood(foodId)) {
            if (m.Load() && m.Buffer().description == servingName) {
                each = m.Buffer().weight;
                break;
            }
        }
        if (each < 0)
            return Fail(QStringLiteral("Food %1 has no serving size \"%2\".").arg(foodId).arg(servingName));
        if (!gramsGiven)
            grams = servings * each;
    } else if (!gramsGiven) {
        const CFoodDBDoc::Serving serving = doc.DefaultServing(foodId);
        servingName = serving.name;
        grams = servings * serving.grams;
    }

    doc.SetCurrentDate(when.date);
    doc.OpenDay();
    const quint32 id = doc.AddMealEntry(foodId, grams, servings, servingName, when.time);
    if (id == 0)
        return Fail(QStringLiteral("The meal could not be written."));
    doc.NoteRecentFood(foodId, food.name, grams, servingName, servings);
    RefreshDay(doc);
    Out() << id << '\n';
    return 0;
}

int ExerciseAdd(CFoodDBDoc& doc, const CliArguments& args)
{
    When when;
    QString error;
    if (!ResolveWhen(args, doc.TheClock(), true, &when, &error))
        return Usage(error);
    quint32 activity = 0;
    if (!args.Has(QStringLiteral("activity")) ||
        !ParseCount(args.Value(QStringLiteral("activity")), &activity) || activity >= kActivityCount)
        return Usage(
            QStringLiteral("--activity must be an activity index from 0 to %1.").arg(kActivityCount - 1));
    quint32 minutes = 0;
    if (!args.Has(QStringLiteral("minutes")) ||
        !ParseCount(args.Value(QStringLiteral("minutes")), &minutes) || minutes > DataExchange::kMaxNumber)
        return Usage(QStringLiteral("--minutes must be a whole number of minutes from 0 to %1.")
                         .arg(DataExchange::kMaxNumber));
    doc.SetCurrentDate(when.date);
    doc.OpenDay();
    const quint32 id = doc.AddExerciseEntry(activity, minutes, when.time);
    if (id == 0)
        return Fail(QStringLiteral("The exercise could not be written."));
    RefreshDay(doc);
    Out() << id << '\n';
    return 0;
}

int WeightSet(CFoodDBDoc& doc, const CliArguments& args)
{
    When when;
    QString error;
    if (!ResolveWhen(args, doc.TheClock(), true, &when, &error))
        return Usage(error);
    double kg = 0;
    if (args.Positional().size() != 3 || !ParseNumber(args.Positional()[2], &kg) || kg < 0 || kg >= 1000)
        return Usage(QStringLiteral("weight set takes the weight in kg, from 0 to below 1000."));
    doc.SetCurrentDate(when.date);
    doc.OpenDay();
    doc.SaveDay(kg, doc.Day().params);
    // The day's expenditure depends on the weight just stored.
    RefreshDay(doc);
    return 0;
}

bool ParsePeriod(const CliArguments& args, FileTime* from, FileTime* to, QString* error)
{
    if (!ParseDate(args.Value(QStringLiteral("from")), from) ||
        !ParseDate(args.Value(QStringLiteral("to")), to)) {
        *error = QStringLiteral("--from and --to take dates as YYYY-MM-DD.");
        return false;
    }
    return true;
}

// The document's figures of today, which the reports compare with.
void ComputeToday(CFoodDBDoc& doc)
{
    doc.SetCurrentDate(doc.TheClock().Today());
    doc.OpenDay();
    doc.ComputeDay(doc.Day().id);
}

int Report(CFoodDBDoc& doc, const CliArguments& args)
{
    FileTime from;
    FileTime to;
    QString error;
    if (!ParsePeriod(args, &from, &to, &error))
        return Usage(error);
    const QString typeText =
        args.Has(QStringLiteral("type")) ? args.Value(QStringLiteral("type")) : QStringLiteral("0");
    static const QRegularExpression typeRe(QStringLiteral("^[012]$"));
    if (!typeRe.match(typeText).hasMatch())
        return Usage(QStringLiteral("--type is 0, 1 or 2."));
    const auto type = static_cast<ReportCalculator::Type>(typeText.toInt());
    ComputeToday(doc);
    const ReportCalculator::Period period = ReportCalculator::MakePeriod(from, to, doc.TheClock().Today());
    const bool dmy = doc.Profile().Has(CProfileTable::kDayMonthYear);
    Out() << ReportCalculator::TypeNames().at(static_cast<int>(type)) << "  " << DateText(period.from, dmy)
          << " to " << DateText(period.to, dmy) << " (" << period.days
          << (period.days == 1 ? " day" : " days") << ")\n";
    Out() << ReportCalculator::Columns(type).join(QLatin1Char('\t')) << '\n';
    for (const ReportCalculator::Row& row : ReportCalculator(doc).Rows(period, type))
        Out() << row.text << '\t' << row.cells.join(QLatin1Char('\t')) << '\n';
    return 0;
}

int ExportReportCommand(CFoodDBDoc& doc, const CliArguments& args)
{
    FileTime from;
    FileTime to;
    QString error;
    if (!ParsePeriod(args, &from, &to, &error))
        return Usage(error);
    if (args.Positional().size() != 2)
        return Usage(QStringLiteral("export-report takes one file."));
    ComputeToday(doc);
    ConsoleMessageBox messages;
    return ReportExport::ExportReport(doc, from, to, args.Positional()[1], &messages) ? 0 : kFailure;
}

int DayShow(CFoodDBDoc& doc, const CliArguments& args)
{
    When when;
    QString error;
    if (!ResolveWhen(args, doc.TheClock(), false, &when, &error))
        return Usage(error);
    doc.SetCurrentDate(when.date);
    doc.OpenDay();
    const quint32 dayId = doc.Day().id;
    doc.ComputeDay(dayId);
    const ProfileRecord& profile = doc.Profile();
    const LocalDateTime d = when.date.ToLocal();
    Out() << QStringLiteral("%1-%2-%3")
                 .arg(d.year)
                 .arg(d.month, 2, 10, QLatin1Char('0'))
                 .arg(d.day, 2, 10, QLatin1Char('0'))
          << "  " << profile.name << '\n';
    for (const DiaryScreen::SummaryLine& s : DiaryScreen::SummaryLines(doc)) {
        if (!s.showSecond)
            continue;
        QString line = s.label.leftJustified(16);
        line +=
            (s.showFirst ? s.first + QLatin1Char(' ') + s.firstUnit.trimmed() : QString()).leftJustified(8);
        line += s.second + (s.secondUnit.isEmpty() ? QString() : QStringLiteral(" ") + s.secondUnit);
        Out() << line << '\n';
    }
    Out() << QStringLiteral("Weight:").leftJustified(16) << FormatFixed(KgToDisplay(doc.Day().weight), 5, 1)
          << (IsMetric() ? " kg" : " lbs") << '\n';
    for (int k = 0; k < ProfileRecord::kParams; ++k) {
        if (profile.paramNames[k].isEmpty())
            continue;
        Out() << (profile.paramNames[k] + QLatin1Char(':')).leftJustified(16)
              << FormatFixed(doc.Day().params[k], 5, 1) << ' ' << profile.paramUnits[k] << '\n';
    }
    std::vector<DiaryScreen::Row> rows = DiaryScreen::Rows(doc, dayId);
    DiaryScreen::SortRows(rows);
    if (!rows.empty()) {
        Out() << '\n' << DiaryScreen::ColumnHeaders().join(QLatin1Char('\t')) << '\n';
        for (const DiaryScreen::Row& r : rows) {
            QStringList cells;
            for (const QString& c : r.cells)
                cells << c;
            Out() << cells.join(QLatin1Char('\t')) << '\n';
        }
    }
    return 0;
}

// A command that changes the data file first makes sure it can; afterwards any failure SQLite met
// turns its result into a failure, so nothing is reported done that is not on disk. A command
// that only reads fails on a read failure alone: a read-only file still shows its diary.
int Guarded(RecordStore& store, bool writes, const std::function<int()>& command)
{
    if (writes) {
        QString message;
        if (!store.CanWrite(&message))
            return Fail(message);
    }
    store.ClearFailure();
    const int code = command();
    if (writes ? store.HasFailed() : store.HasReadFailure())
        return Fail(store.FailureText());
    return code;
}

// The data commands, which need no open profile.
int DataCommand(AppEnvironment& env, const QStringList& p)
{
    ConsoleMessageBox messages;
    const QString& verb = p[0];
    if (verb == QLatin1String("import")) {
        if (p.size() != 2)
            return Usage(QStringLiteral("import takes one file."));
        NutrientImport import(env.Store(), &messages, nullptr);
        const NutrientImport::Result r = import.ImportNutrientFile(p[1], false);
        if (!r.opened)
            return kFailure;
        if (!r.stored)
            return kFailure; // the store's failure is told by the caller
        Out() << r.added << " foods added, " << r.updated << " updated, " << r.skipped << " skipped\n";
        Out().flush();
        if (!r.error.isEmpty())
            return Fail(r.error);
        return 0;
    }
    if (p.size() != 1)
        return Usage(QStringLiteral("%1 takes no arguments.").arg(verb));
    BackupRestore backup(env.Store(), env.TheClock(), env.Folders().DocumentsDir(), &messages, nullptr);
    if (verb == QLatin1String("backup"))
        return backup.BackupAll() ? 0 : kFailure;
    if (verb == QLatin1String("restore"))
        return backup.RestoreAll() ? 0 : kFailure;
    if (verb == QLatin1String("restore-nutrients"))
        return backup.RestoreNutrientDatabase() ? 0 : kFailure;
    // Every page of the store first; the program itself does this only after an unclean end.
    QString damage;
    if (!env.Store().CheckPages(&damage))
        return Fail(QStringLiteral("The store %1 is damaged: %2").arg(env.Store().Path(), damage));
    DatabaseConversion conversion(env.Store(), env.TheClock(), &messages, nullptr);
    if (!conversion.Run())
        Out() << "The databases are in the current format.\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    CliArguments args;
    QString error;
    if (!args.Parse(app.arguments().mid(1), &error))
        return Usage(error);
    const QStringList& p = args.Positional();
    if (p.isEmpty())
        return Usage(QStringLiteral("no command given."));
    static const QStringList dataVerbs = {QStringLiteral("import"), QStringLiteral("backup"),
                                          QStringLiteral("restore"), QStringLiteral("restore-nutrients"),
                                          QStringLiteral("check")};
    if (dataVerbs.contains(p[0])) {
        if (!args.OnlyOptions({}, &error))
            return Usage(error);
        std::unique_ptr<AppEnvironment> env = AppEnvironment::Open(&error);
        if (!env)
            return Fail(error);
        const bool writes = p[0] != QLatin1String("backup") && p[0] != QLatin1String("check");
        return Guarded(env->Store(), writes, [&] { return DataCommand(*env, p); });
    }
    const bool oneWord = p[0] == QLatin1String("report") || p[0] == QLatin1String("export-report");
    const QString command = oneWord ? p[0] : p[0] + QLatin1Char(' ') + p.value(1);
    static const QStringList known = {
        QStringLiteral("profile new"), QStringLiteral("profile list"), QStringLiteral("profile open"),
        QStringLiteral("meal add"),    QStringLiteral("exercise add"), QStringLiteral("weight set"),
        QStringLiteral("day show"),    QStringLiteral("report"),       QStringLiteral("export-report")};
    if (command == QLatin1String("report") && p.size() != 1)
        return Usage(QStringLiteral("report takes no file."));
    if (!known.contains(command))
        return Usage(QStringLiteral("unknown command \"%1\".").arg(p.join(QLatin1Char(' '))));
    static const QMap<QString, QStringList> options = {
        {QStringLiteral("meal add"),
         {QStringLiteral("date"), QStringLiteral("food"), QStringLiteral("grams"), QStringLiteral("servings"),
          QStringLiteral("serving"), QStringLiteral("time")}},
        {QStringLiteral("exercise add"),
         {QStringLiteral("date"), QStringLiteral("activity"), QStringLiteral("minutes"),
          QStringLiteral("time")}},
        {QStringLiteral("weight set"), {QStringLiteral("date")}},
        {QStringLiteral("day show"), {QStringLiteral("date")}},
        {QStringLiteral("report"), {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("type")}},
        {QStringLiteral("export-report"), {QStringLiteral("from"), QStringLiteral("to")}},
    };
    if (!args.OnlyOptions(options.value(command), &error))
        return Usage(error);

    std::unique_ptr<AppEnvironment> env = AppEnvironment::Open(&error);
    if (!env)
        return Fail(error);
    static const QStringList writing = {QStringLiteral("profile new"), QStringLiteral("profile open"),
                                        QStringLiteral("meal add"), QStringLiteral("exercise add"),
                                        QStringLiteral("weight set")};
    CFoodDBDoc doc(env->Store(), env->TheClock());
    return Guarded(env->Store(), writing.contains(command), [&] {
        if (p[0] == QLatin1String("profile"))
            return ProfileCommand(doc, env->Store(), env->TheClock(), args);
        if (!doc.OpenMarkedProfile())
            return Fail(
                QStringLiteral("No profile is open: make one with \"profile new NAME\" or open one with "
                               "\"profile open ID\"."));
        if (command == QLatin1String("meal add"))
            return MealAdd(doc, args);
        if (command == QLatin1String("exercise add"))
            return ExerciseAdd(doc, args);
        if (command == QLatin1String("weight set"))
            return WeightSet(doc, args);
        if (command == QLatin1String("report"))
            return Report(doc, args);
        if (command == QLatin1String("export-report"))
            return ExportReportCommand(doc, args);
        return DayShow(doc, args);
    });
}
