#include "CliVerbs.h"

#include "cli/CliCommands.h"
#include "platform/Version.h"

namespace CliVerbs {

namespace {

using S = CliVerb::Store;

QStringList Options(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* n : names)
        list << QString::fromLatin1(n);
    return list;
}

std::vector<CliVerb> MakeTable()
{
    using namespace CliCommands;
    const QString date = QStringLiteral("--date YYYY-MM-DD");
    const QString period = QStringLiteral("--from YYYY-MM-DD --to YYYY-MM-DD");
    return {
        {"profile new",
         "NAME",
         "Makes a profile with that name and opens it; prints its id.",
         {},
         1,
         1,
         S::Writes,
         false,
         ProfileNew},
        {"profile list",
         "",
         "One line per profile: id, \"*\" for the open one, name (tab-separated).",
         {},
         0,
         0,
         S::Looks,
         false,
         ProfileList},
        {"profile open",
         "ID",
         "Opens that profile: the commands that follow work on its diary.",
         {},
         1,
         1,
         S::Writes,
         false,
         ProfileOpen},
        {"profile show",
         "",
         "Shows the open profile's personal data and diet plan.",
         {},
         0,
         0,
         S::Looks,
         true,
         ProfileShow},
        {"meal add", date + " --food ID [--grams G] [--servings N] [--serving NAME] [--time HH:MM]",
         "Adds a meal to the day; prints the entry's id. The amount: with --serving, N servings of that "
         "serving size (N defaults to 1); with only --grams, G grams as one serving; with neither, N of the "
         "food's default serving size.",
         Options({"date", "food", "grams", "servings", "serving", "time"}), 0, 0, S::Writes, true, MealAdd},
        {"exercise add", date + " --activity INDEX --minutes M [--time HH:MM]",
         "Adds an exercise (an index of \"activity list\", 0 to 67) to the day; prints the entry's id.",
         Options({"date", "activity", "minutes", "time"}), 0, 0, S::Writes, true, ExerciseAdd},
        {"entry list", "[" + date + "]",
         "One line per meal or exercise of the day (default: today), latest first: entry id, time, name, "
         "amount (tab-separated).",
         Options({"date"}), 0, 0, S::Looks, true, EntryList},
        {"entry delete", date + " ID",
         "Deletes a meal or an exercise of that day, by the entry id \"entry list\" shows.",
         Options({"date"}), 1, 1, S::Writes, true, EntryDelete},
        {"entry copy", date + " --to YYYY-MM-DD [ID...]",
         "Copies meals and exercises of the day (the ids given, or all of them) to the day of --to, at the "
         "same times of day; what that day holds stays. Prints the new entry ids.",
         Options({"date", "to"}), 0, -1, S::Writes, true, EntryCopy},
        {"weight set", date + " KG",
         "Sets the day's body weight, in kilograms whatever units the profile shows.", Options({"date"}), 1,
         1, S::Writes, true, WeightSet},
        {"weight trend", period,
         "One line per day of the period: the date, the weight entered (empty when none) and the trend of "
         "the weight, which moves each day a tenth of the way to the day's weight and goes on unchanged "
         "over days without one (empty before the first weight); in the profile's units, tab-separated.",
         Options({"from", "to"}), 0, 0, S::Looks, true, WeightTrendShow},
        {"day show", "[" + date + "]",
         "Prints the day as the diary shows it (default: today): the summary lines, the weight, the day "
         "values and the entries (tab-separated).",
         Options({"date"}), 0, 0, S::Looks, true, DayShow},
        {"report", period + " [--type 0|1|2 | --sources NUTRIENT]",
         "Prints the report of the period as the Reports screen shows it: type 0 the daily averages of "
         "energy and nutrients beside the requirements and energy shares (default), 1 the totals for the "
         "period, 2 the daily averages of the named day parameters beside their goals; with --sources the "
         "foods that gave the nutrient (energy, protein, fat, saturates, monounsaturates, polyunsaturates, "
         "carbohydrate, sugar, alcohol, fiber, cholesterol, sodium), most first: food, amount, share of "
         "the period's total in %, times eaten, at most 50 foods and \"Other foods\"; tab-separated.",
         Options({"from", "to", "type", "sources"}), 0, 0, S::Looks, true, Report},
        {"export-report", period + " FILE",
         "Writes the diary of the period to a comma-separated file: every meal and exercise of each day "
         "with a record, a total line per day, then the period's totals and averages.",
         Options({"from", "to"}), 1, 1, S::Looks, true, ExportReport},
        {"report-pdf", period + " FILE",
         "Writes the report of the period as a PDF file of A4 pages: the profile, the daily averages beside "
         "the requirements, the sources of energy, the weight chart, then a page for each day with entries "
         "and the day's totals. The file appears whole or not at all.",
         Options({"from", "to"}), 1, 1, S::Looks, true, ReportPdf},
        {"food search",
         "WORDS...",
         "Lists the foods whose name has a word starting with each word given, best first, as the nutrient "
         "database's type-ahead finds them (at most 200): id, name, default serving size, its grams, kcal "
         "per "
         "100 g (tab-separated).",
         {},
         1,
         -1,
         S::Looks,
         false,
         FoodSearch},
        {"food show",
         "ID",
         "Shows a food: its folder, its values per 100 g, its reference weight and its serving sizes with "
         "their ids and grams.",
         {},
         1,
         1,
         S::Looks,
         false,
         FoodShow},
        {"activity list",
         "",
         "Lists the activities of \"exercise add\": index, name, energy factor.",
         {},
         0,
         0,
         S::Looks,
         false,
         ActivityList},
        {"import",
         "FILE",
         "Imports a nutrient database file (37 columns, a header line): new foods are added, foods with an "
         "id already there are updated in place; prints how many were added, updated and skipped.",
         {},
         1,
         1,
         S::Writes,
         false,
         Import},
        {"backup",
         "",
         "Writes every database to its backup file in the documents folder (ZELDiary.bck, ZELFood.bck, "
         "ZELMeal.bck, ZELMeasures.bck, ZELProfile.bck, ZELSubfood.bck, ZELTree.bck).",
         {},
         0,
         0,
         S::Reads,
         false,
         Backup},
        {"restore", "", "Replaces every database by its backup file.", {}, 0, 0, S::Writes, false, Restore},
        {"restore-nutrients",
         "",
         "Replaces only the nutrient database (foods, serving sizes, components, folders) by its backup "
         "files.",
         {},
         0,
         0,
         S::Writes,
         false,
         RestoreNutrients},
        {"check",
         "",
         "Reads every page of the data file (a damaged one is named and nothing changes), then runs the "
         "start-up checks: converts databases of older versions and repairs the folder tree when needed.",
         {},
         0,
         0,
         S::Reads,
         false,
         Check},
    };
}

// Text wrapped at words to lines of at most 80 characters, each starting with indent.
QString Wrapped(const QString& text, const QString& indent)
{
    constexpr int kWidth = 80;
    QString out;
    QString line = indent;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (line.size() > indent.size() && line.size() + 1 + word.size() > kWidth) {
            out += line + QLatin1Char('\n');
            line = indent;
        }
        if (line.size() > indent.size())
            line += QLatin1Char(' ');
        line += word;
    }
    return out + line + QLatin1Char('\n');
}

QString Line(const CliVerb& v)
{
    return v.synopsis.isEmpty() ? v.name : v.name + QLatin1Char(' ') + v.synopsis;
}

} // namespace

const std::vector<CliVerb>& All()
{
    static const std::vector<CliVerb> table = MakeTable();
    return table;
}

const CliVerb* Find(const QStringList& words)
{
    for (int n : {2, 1}) {
        if (words.size() < n)
            continue;
        const QString name = words.mid(0, n).join(QLatin1Char(' '));
        for (const CliVerb& v : All())
            if (v.name == name)
                return &v;
    }
    return nullptr;
}

QString Usage()
{
    QString text = QStringLiteral("usage: vellamo-cli COMMAND\n");
    for (const CliVerb& v : All())
        text += QStringLiteral("  ") + Line(v) + QLatin1Char('\n');
    return text;
}

QString Help()
{
    QString text =
        QStringLiteral("Usage: vellamo-cli COMMAND [ARGUMENTS]\n"
                       "Keeps the Vellamo diary from the command line, on the program's data file and on\n"
                       "the profile that is open.\n"
                       "\n"
                       "Commands:\n");
    for (const CliVerb& v : All())
        text +=
            QStringLiteral("  ") + Line(v) + QLatin1Char('\n') + Wrapped(v.help, QStringLiteral("      "));
    text +=
        QStringLiteral("\n"
                       "Options:\n"
                       "  --help       this help; after a command, or as \"help COMMAND\", the command's\n"
                       "  --version    the version\n"
                       "  --           the end of the options: later words are arguments, even with a --\n"
                       "\n");
    text +=
        Wrapped(QStringLiteral("Dates are written YYYY-MM-DD and times HH:MM. Commands that only read make "
                               "no folder or file. The exit status is 0 when the command was done, 1 when "
                               "it failed and 2 for a wrong command line. The data folder is $VELLAMO_HOME "
                               "when it is set, otherwise the XDG data folder."),
                QString());
    return text;
}

QString Help(const CliVerb& verb)
{
    return QStringLiteral("Usage: vellamo-cli ") + Line(verb) + QLatin1Char('\n') +
           Wrapped(verb.help, QString());
}

QString VersionText()
{
    return QStringLiteral("vellamo-cli %1\n").arg(QLatin1String(Version::kText));
}

} // namespace CliVerbs
