#include "CliCommands.h"

#include "analysis/NutrientSources.h"
#include "analysis/PrintableReport.h"
#include "analysis/ReportCalculator.h"
#include "analysis/ReportExport.h"
#include "analysis/WeightTrend.h"
#include "app/BackupRestore.h"
#include "cli/CliArguments.h"
#include "cli/CliVerbs.h"
#include "cli/ConsoleMessageBox.h"
#include "diary/ActivityTable.h"
#include "diary/CFoodDBDoc.h"
#include "diary/DiaryScreen.h"
#include "fooddb/FoodFinder.h"
#include "fooddb/FoodTree.h"
#include "fooddb/NutrientImport.h"
#include "platform/AppEnvironment.h"
#include "platform/DataExchange.h"
#include "platform/ui/PdfPages.h"
#include "profile/DateRules.h"
#include "profile/EnergyRules.h"
#include "profile/Measures.h"
#include "profile/NumberFormat.h"
#include "storage/DatabaseConversion.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

namespace CliCommands {

namespace {

bool ParseDate(const QString& text, FileTime* out)
{
    static const QRegularExpression re(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    LocalDateTime t;
    if (!re.match(text).hasMatch() || !Clock::ParseNow(text, &t))
        return false;
    *out = FileTime::FromLocal(t);
    return true;
}

QString IsoDate(FileTime date)
{
    const LocalDateTime d = date.ToLocal();
    return QStringLiteral("%1-%2-%3")
        .arg(d.year)
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.day, 2, 10, QLatin1Char('0'));
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

// The displayed day set to a date, opened and computed.
void ComputeDayOf(CFoodDBDoc& doc, FileTime date)
{
    doc.SetCurrentDate(date);
    doc.OpenDay();
    doc.ComputeDay(doc.Day().id);
}

// The same, with the day's rows latest first.
std::vector<DiaryScreen::Row> ShowDay(CFoodDBDoc& doc, FileTime date)
{
    ComputeDayOf(doc, date);
    std::vector<DiaryScreen::Row> rows = DiaryScreen::Rows(doc, doc.Day().id);
    DiaryScreen::SortRows(rows);
    return rows;
}

// The --from/--to period of a report verb.
std::optional<ReportCalculator::Period> ReportPeriod(const CliContext& c, QString* error)
{
    FileTime from;
    FileTime to;
    if (!ParseDate(c.args.Value(QStringLiteral("from")), &from) ||
        !ParseDate(c.args.Value(QStringLiteral("to")), &to)) {
        *error = QStringLiteral("--from and --to take dates as YYYY-MM-DD.");
        return std::nullopt;
    }
    return ReportCalculator::MakePeriod(from, to, c.doc.TheClock().Today());
}

// The document's figures of today, which the reports compare with.
void ComputeToday(CFoodDBDoc& doc)
{
    ComputeDayOf(doc, doc.TheClock().Today());
}

QString Figure(double v, int decimals)
{
    return FormatFixed(v, 0, decimals);
}

// The names and units of a food's twelve values, in the stored order.
constexpr const char* kNutrientLines[kNutrientCount][2] = {
    {"Energy", "kcal"},       {"Protein", "g"},         {"Fat", "g"},          {"Saturates", "g"},
    {"Monounsaturates", "g"}, {"Polyunsaturates", "g"}, {"Carbohydrate", "g"}, {"Sugar", "g"},
    {"Alcohol", "g"},         {"Cholesterol", "mg"},    {"Fiber", "g"},        {"Sodium", "mg"},
};

} // namespace

QTextStream& Out()
{
    static QTextStream out(stdout);
    return out;
}

int Fail(const QString& message, int code)
{
    Out().flush();
    std::fprintf(stderr, "vellamo-cli: %s\n", qPrintable(message));
    return code;
}

int Usage(const QString& message)
{
    std::fprintf(stderr, "vellamo-cli: %s\n%s", qPrintable(message), qPrintable(CliVerbs::Usage()));
    return kUsageError;
}

int ProfileNew(CliContext& c)
{
    const QString& name = c.words[0];
    if (name.trimmed().isEmpty())
        return Usage(QStringLiteral("profile new takes one name."));
    if (name.size() > ProfileRecord::kMaxNameLength)
        return Usage(
            QStringLiteral("a profile name has at most %1 characters.").arg(ProfileRecord::kMaxNameLength));
    if (std::any_of(name.begin(), name.end(), [](QChar ch) { return ch.category() == QChar::Other_Control; }))
        return Usage(
            QStringLiteral("a profile name cannot hold line ends, tabs or other control characters."));
    const quint32 id = c.doc.NewProfile();
    if (id == 0)
        return Fail(QStringLiteral("The profile could not be written."));
    c.doc.Profile().name = name;
    c.doc.SaveProfile();
    Out() << id << '\n';
    return 0;
}

int ProfileList(CliContext& c)
{
    CProfileTable profiles(c.env.Store(), c.env.TheClock());
    for (RecordOid o = profiles.First(); o; o = profiles.Next()) {
        if (!profiles.Load())
            continue;
        const ProfileRecord& r = profiles.Buffer();
        Out() << r.id << '\t' << (r.Has(CProfileTable::kOpen) ? "*" : " ") << '\t' << r.name << '\n';
    }
    return 0;
}

int ProfileOpen(CliContext& c)
{
    quint32 id = 0;
    if (!ParseCount(c.words[0], &id))
        return Usage(QStringLiteral("profile open takes a profile id."));
    if (!c.doc.OpenProfile(id))
        return Fail(QStringLiteral("There is no profile with the id %1.").arg(c.words[0]));
    return 0;
}

int ProfileShow(CliContext& c)
{
    const ProfileRecord& p = c.doc.Profile();
    const QString weightUnit = IsMetric() ? QStringLiteral(" kg") : QStringLiteral(" lbs");
    const auto line = [](const char* label, const QString& value) {
        Out() << label << '\t' << value << '\n';
    };
    line("Id:", QString::number(p.id));
    line("Name:", p.name);
    line("Gender:", p.gender == 1 ? QStringLiteral("male") : QStringLiteral("female"));
    line("Age:", QString::number(p.age));
    line("Height:",
         Figure(CmToDisplay(p.height), 1) + (IsMetric() ? QStringLiteral(" cm") : QStringLiteral(" in")));
    line("Start date:", IsoDate(p.startDate));
    line("Start weight:", Figure(KgToDisplay(p.startWeight), 1) + weightUnit);
    line("Target weight:", Figure(KgToDisplay(p.targetWeight), 1) + weightUnit);
    line("Weekly loss:", Figure(KgToDisplay(p.weeklyLoss), 2) + weightUnit);
    const FileTime end = TargetDateFromWeeklyLoss(p.startDate, p.startWeight, p.targetWeight, p.weeklyLoss);
    line("Target date:", end.Ticks() == 0 ? QString() : IsoDate(end));
    line("Measures:", IsMetric() ? QStringLiteral("metric") : QStringLiteral("US"));
    line("Date format:",
         p.Has(CProfileTable::kDayMonthYear) ? QStringLiteral("dd-mm-yyyy") : QStringLiteral("mm-dd-yyyy"));
    return 0;
}

int MealAdd(CliContext& c)
{
    CFoodDBDoc& doc = c.doc;
    const CliArguments& args = c.args;
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

int ExerciseAdd(CliContext& c)
{
    CFoodDBDoc& doc = c.doc;
    When when;
    QString error;
    if (!ResolveWhen(c.args, doc.TheClock(), true, &when, &error))
        return Usage(error);
    quint32 activity = 0;
    if (!c.args.Has(QStringLiteral("activity")) ||
        !ParseCount(c.args.Value(QStringLiteral("activity")), &activity) || activity >= kActivityCount)
        return Usage(
            QStringLiteral("--activity must be an activity index from 0 to %1.").arg(kActivityCount - 1));
    quint32 minutes = 0;
    if (!c.args.Has(QStringLiteral("minutes")) ||
        !ParseCount(c.args.Value(QStringLiteral("minutes")), &minutes) || minutes > DataExchange::kMaxNumber)
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

int EntryList(CliContext& c)
{
    When when;
    QString error;
    if (!ResolveWhen(c.args, c.doc.TheClock(), false, &when, &error))
        return Usage(error);
    for (const DiaryScreen::Row& r : ShowDay(c.doc, when.date)) {
        if (r.entryId == 0)
            continue; // the companion's figure is no entry
        Out() << r.entryId << '\t' << r.cells[0] << '\t' << r.cells[1] << '\t' << r.cells[3].trimmed()
              << '\n';
    }
    return 0;
}

int EntryDelete(CliContext& c)
{
    When when;
    QString error;
    if (!ResolveWhen(c.args, c.doc.TheClock(), true, &when, &error))
        return Usage(error);
    quint32 id = 0;
    if (!ParseCount(c.words[0], &id) || id == 0)
        return Usage(QStringLiteral("entry delete takes an entry id."));
    const std::vector<DiaryScreen::Row> rows = ShowDay(c.doc, when.date);
    if (std::none_of(rows.begin(), rows.end(), [id](const DiaryScreen::Row& r) { return r.entryId == id; }))
        return Fail(
            QStringLiteral("There is no entry with the id %1 on %2.").arg(id).arg(IsoDate(when.date)));
    c.doc.DeleteEntry(id);
    RefreshDay(c.doc);
    return 0;
}

int EntryCopy(CliContext& c)
{
    When when;
    QString error;
    if (!ResolveWhen(c.args, c.doc.TheClock(), true, &when, &error))
        return Usage(error);
    FileTime to;
    if (!c.args.Has(QStringLiteral("to")) || !ParseDate(c.args.Value(QStringLiteral("to")), &to))
        return Usage(QStringLiteral("--to must be a date as YYYY-MM-DD."));
    std::vector<quint32> ids;
    for (const QString& word : c.words) {
        quint32 id = 0;
        if (!ParseCount(word, &id) || id == 0)
            return Usage(QStringLiteral("entry copy takes entry ids."));
        ids.push_back(id);
    }
    const std::vector<quint32> made = c.doc.CopyEntries(when.date, ids, to, &error);
    if (made.empty())
        return Fail(error);
    for (quint32 id : made)
        Out() << id << '\n';
    return 0;
}

int WeightSet(CliContext& c)
{
    When when;
    QString error;
    if (!ResolveWhen(c.args, c.doc.TheClock(), true, &when, &error))
        return Usage(error);
    double kg = 0;
    if (!ParseNumber(c.words[0], &kg) || kg < 0 || kg >= 1000)
        return Usage(QStringLiteral("weight set takes the weight in kg, from 0 to below 1000."));
    c.doc.SetCurrentDate(when.date);
    c.doc.OpenDay();
    c.doc.SaveDay(kg, c.doc.Day().params);
    // The day's expenditure depends on the weight just stored.
    RefreshDay(c.doc);
    return 0;
}

int WeightTrendShow(CliContext& c)
{
    QString error;
    const std::optional<ReportCalculator::Period> period = ReportPeriod(c, &error);
    if (!period)
        return Usage(error);
    CFoodDBDoc& doc = c.doc;
    const std::vector<WeightTrend::Day> days =
        WeightTrend(c.env.Store(), doc.TheClock()).Compute(doc.Profile().id, period->to);
    const QString unit =
        doc.Profile().Has(CProfileTable::kMetric) ? QStringLiteral("kg") : QStringLiteral("lbs");
    Out() << "Date\tWeight (" << unit << ")\tTrend (" << unit << ")\n";
    const auto shown = [&](double kg) { return FormatFixed(doc.Profiles().WeightForDisplay(kg), 0, 2); };
    FileTime date = period->from;
    for (int i = 0; i < period->days; ++i, date = AddDays(date, 1)) {
        const WeightTrend::Day* d = WeightTrend::On(days, date);
        Out() << IsoDate(date) << '\t' << (d && d->weight > 0 ? shown(d->weight) : QString()) << '\t'
              << (d ? shown(d->trend) : QString()) << '\n';
    }
    return 0;
}

int DayShow(CliContext& c)
{
    CFoodDBDoc& doc = c.doc;
    When when;
    QString error;
    if (!ResolveWhen(c.args, doc.TheClock(), false, &when, &error))
        return Usage(error);
    const std::vector<DiaryScreen::Row> rows = ShowDay(doc, when.date);
    const ProfileRecord& profile = doc.Profile();
    Out() << IsoDate(when.date) << "  " << profile.name << '\n';
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
    if (!rows.empty()) {
        Out() << '\n' << DiaryScreen::ColumnHeaders().join(QLatin1Char('\t')) << '\n';
        for (const DiaryScreen::Row& r : rows) {
            QStringList cells;
            for (const QString& cell : r.cells)
                cells << cell;
            Out() << cells.join(QLatin1Char('\t')) << '\n';
        }
    }
    return 0;
}

namespace {

// The title line of a report: its name and the period.
void ReportTitle(const CFoodDBDoc& doc, const QString& name, const ReportCalculator::Period& period)
{
    const bool dmy = doc.Profile().Has(CProfileTable::kDayMonthYear);
    Out() << name << "  " << DateText(period.from, dmy) << " to " << DateText(period.to, dmy) << " ("
          << period.days << (period.days == 1 ? " day" : " days") << ")\n";
}

int ReportSources(CliContext& c, const ReportCalculator::Period& period)
{
    if (c.args.Has(QStringLiteral("type")))
        return Usage(QStringLiteral("--sources and --type are two kinds of report: give one."));
    const std::optional<Nutrient> n = NutrientSources::FromName(c.args.Value(QStringLiteral("sources")));
    if (!n) {
        QStringList names;
        for (Nutrient k : NutrientSources::Nutrients())
            names << NutrientSources::Name(k);
        return Usage(QStringLiteral("--sources is one of ") + names.join(QStringLiteral(", ")) +
                     QLatin1Char('.'));
    }
    CFoodDBDoc& doc = c.doc;
    ReportTitle(doc, NutrientSources::ReportName(*n), period);
    Out() << NutrientSources::Columns(*n).join(QLatin1Char('\t')) << '\n';
    const NutrientSources::Result r = NutrientSources(c.env.Store(), doc.TheClock())
                                          .Compute(doc.Profile().id, period.from, period.days, *n);
    for (const NutrientSources::Source& s : r.rows) {
        QStringList cells = NutrientSources::Cells(s);
        for (QString& cell : cells)
            cell = cell.trimmed();
        Out() << cells.join(QLatin1Char('\t')) << '\n';
    }
    return 0;
}

} // namespace

int Report(CliContext& c)
{
    CFoodDBDoc& doc = c.doc;
    QString error;
    const std::optional<ReportCalculator::Period> period = ReportPeriod(c, &error);
    if (!period)
        return Usage(error);
    if (c.args.Has(QStringLiteral("sources")))
        return ReportSources(c, *period);
    const QString typeText =
        c.args.Has(QStringLiteral("type")) ? c.args.Value(QStringLiteral("type")) : QStringLiteral("0");
    static const QRegularExpression typeRe(QStringLiteral("^[012]$"));
    if (!typeRe.match(typeText).hasMatch())
        return Usage(QStringLiteral("--type is 0, 1 or 2."));
    const auto type = static_cast<ReportCalculator::Type>(typeText.toInt());
    ComputeToday(doc);
    ReportTitle(doc, ReportCalculator::TypeNames().at(static_cast<int>(type)), *period);
    Out() << ReportCalculator::Columns(type).join(QLatin1Char('\t')) << '\n';
    for (const ReportCalculator::Row& row : ReportCalculator(doc).Rows(*period, type))
        Out() << row.text << '\t' << row.cells.join(QLatin1Char('\t')) << '\n';
    return 0;
}

int ExportReport(CliContext& c)
{
    QString error;
    const std::optional<ReportCalculator::Period> period = ReportPeriod(c, &error);
    if (!period)
        return Usage(error);
    ComputeToday(c.doc);
    ConsoleMessageBox messages;
    return ReportExport::ExportReport(c.doc, period->from, period->to, c.words[0], &messages) ? 0 : kFailure;
}

int ReportPdf(CliContext& c)
{
    QString error;
    const std::optional<ReportCalculator::Period> period = ReportPeriod(c, &error);
    if (!period)
        return Usage(error);
    ComputeToday(c.doc);
    const bool written = PdfPages::Write(
        c.words[0], PrintableReport::DefaultFileName(c.doc, *period).chopped(4),
        [&](IPages& pages) { PrintableReport(c.doc).Draw(*period, pages); }, &error);
    if (!written)
        return Fail(QStringLiteral("The report could not be written to %1: %2").arg(c.words[0], error));
    return 0;
}

int FoodSearch(CliContext& c)
{
    const FoodFinder finder(c.env.Store());
    const std::set<quint32> recent = FoodFinder::RecentFoods(c.env.Store());
    for (const FoodFinder::Match& m : finder.Find(c.words.join(QLatin1Char(' ')), recent)) {
        FoodData food;
        if (!c.doc.LoadFood(m.id, &food))
            continue;
        const CFoodDBDoc::Serving serving = c.doc.DefaultServing(m.id);
        Out() << m.id << '\t' << food.name << '\t' << serving.name << '\t' << Figure(serving.grams, 1) << '\t'
              << Figure(food.values[Nutrient::Energy], 1) << '\n';
    }
    return 0;
}

int FoodShow(CliContext& c)
{
    quint32 id = 0;
    if (!ParseCount(c.words[0], &id))
        return Usage(QStringLiteral("food show takes a food id."));
    CFoodTable foods(c.env.Store());
    if (!foods.FindId(id) || !foods.Load())
        return Fail(QStringLiteral("There is no food with the id %1.").arg(c.words[0]));
    const FoodRecord food = foods.Buffer();
    FoodTree tree(c.env.Store());
    QStringList path;
    for (quint32 folder = food.folderId; folder != FoodTree::kRoot; folder = tree.ParentOf(folder)) {
        const std::optional<FolderRecord> f = tree.Folder(folder);
        if (!f)
            break;
        path.prepend(f->name);
        if (path.size() > 2)
            break; // at most two levels below Root
    }
    path.prepend(QStringLiteral("Root"));
    Out() << "Id:\t" << food.id << '\n'
          << "Name:\t" << food.name << '\n'
          << "Folder:\t" << path.join(QStringLiteral(" / ")) << '\n';
    for (int n = 0; n < kNutrientCount; ++n)
        Out() << kNutrientLines[n][0] << " (" << kNutrientLines[n][1] << " per 100 g):\t"
              << Figure(food.values.amounts[n], 2) << '\n';
    Out() << "Reference weight:\t" << Figure(food.referenceWeight, 1) << " g\n";
    CMeasuresTable measures(c.env.Store());
    for (RecordOid o = measures.FirstOfFood(id); o; o = measures.NextOfFood(id)) {
        if (!measures.Load())
            continue;
        const auto& m = measures.Buffer();
        Out() << "Serving size:\t" << m.id << '\t' << m.description << '\t' << Figure(m.weight, 1) << " g"
              << (m.id == food.defaultServingId ? "\tdefault" : "") << '\n';
    }
    return 0;
}

int ActivityList(CliContext&)
{
    for (int i = 0; i < kActivityCount; ++i)
        Out() << i << '\t' << ActivityTable()[i].name << '\t' << Figure(ActivityTable()[i].factor, 4) << '\n';
    return 0;
}

int Import(CliContext& c)
{
    ConsoleMessageBox messages;
    NutrientImport import(c.env.Store(), &messages, nullptr);
    const NutrientImport::Result r = import.ImportNutrientFile(c.words[0], false);
    if (!r.opened || !r.stored)
        return kFailure; // what went wrong is told already, or by the caller for the store
    Out() << r.added << " foods added, " << r.updated << " updated, " << r.skipped << " skipped\n";
    Out().flush();
    if (!r.error.isEmpty())
        return Fail(r.error);
    return 0;
}

namespace {
template <typename F> int WithBackup(CliContext& c, F action)
{
    ConsoleMessageBox messages;
    BackupRestore backup(c.env.Store(), c.env.TheClock(), c.env.Folders().DocumentsDir(), &messages, nullptr);
    return action(backup) ? 0 : kFailure;
}
} // namespace

int Backup(CliContext& c)
{
    return WithBackup(c, [](BackupRestore& b) { return b.BackupAll(); });
}

int Restore(CliContext& c)
{
    return WithBackup(c, [](BackupRestore& b) { return b.RestoreAll(); });
}

int RestoreNutrients(CliContext& c)
{
    return WithBackup(c, [](BackupRestore& b) { return b.RestoreNutrientDatabase(); });
}

int Check(CliContext& c)
{
    // Every page of the store first; the program itself does this only after an unclean end.
    QString damage;
    if (!c.env.Store().CheckPages(&damage))
        return Fail(QStringLiteral("The store %1 is damaged: %2").arg(c.env.Store().Path(), damage));
    ConsoleMessageBox messages;
    DatabaseConversion conversion(c.env.Store(), c.env.TheClock(), &messages, nullptr);
    if (!conversion.Run())
        Out() << "The databases are in the current format.\n";
    return 0;
}

} // namespace CliCommands
