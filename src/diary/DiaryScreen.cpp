#include "DiaryScreen.h"

#include "diary/ActivityTable.h"
#include "diary/CFoodDBDoc.h"
#include "profile/NumberFormat.h"

#include <QCoreApplication>
#include <algorithm>

namespace DiaryScreen {

namespace {

// The nutrients of columns 5..14.
constexpr std::array<Nutrient, 10> kNutrientColumns = {
    Nutrient::Protein,         Nutrient::Fat,          Nutrient::Saturates, Nutrient::Monounsaturates,
    Nutrient::Polyunsaturates, Nutrient::Carbohydrate, Nutrient::Alcohol,   Nutrient::Sodium,
    Nutrient::Cholesterol,     Nutrient::Fiber};

QString Cell(double v)
{
    return FormatFixed(v, 6, 1);
}

QString Value(double v)
{
    return FormatFixed(v, 5, 0);
}

} // namespace

QString TimeText(FileTime t)
{
    const LocalDateTime l = t.ToLocal();
    return QStringLiteral("%1:%2")
        .arg(l.hour, 2, 10, QLatin1Char('0'))
        .arg(l.minute, 2, 10, QLatin1Char('0'));
}

QStringList ColumnHeaders()
{
    static const char* const kHeaders[] = {
        QT_TRANSLATE_NOOP("DiaryScreen", "Time"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Meal/Exercise"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Calories"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Amount/Time spent"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Grams"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Protein"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Fat"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Saturates"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Monounsaturates"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Polyunsaturates"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Carbohydrate"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Alcohol"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Sodium"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Cholesterol"),
        QT_TRANSLATE_NOOP("DiaryScreen", "Fiber"),
    };
    QStringList headers;
    for (const char* h : kHeaders)
        headers << QCoreApplication::translate("DiaryScreen", h);
    return headers;
}

SummaryLine Summary(int code, const CFoodDBDoc& doc)
{
    const NutrientValues& t = doc.DayTotals();
    const double intake = t[Nutrient::Energy];
    SummaryLine s;
    auto second = [&](const char* label, double v, const char* unit) {
        s.label = QString::fromLatin1(label);
        s.second = Value(v);
        s.secondUnit = QString::fromLatin1(unit);
        s.showSecond = true;
    };
    auto pair = [&](const char* label, Nutrient n, EnergyShare share) {
        s.label = QString::fromLatin1(label);
        s.first = Value(t[n]);
        s.firstUnit = QStringLiteral("g");
        s.second = Value(t.Share(share));
        s.secondUnit = QStringLiteral("%");
        s.showFirst = s.showSecond = true;
    };
    switch (code) {
    case 1:
        second("Food intake:", intake, "");
        break;
    case 2:
        second("Req'd calories:", doc.CalorieFigure(), "");
        break;
    case 3:
        second("Exercises:", doc.Expenditure(), "");
        break;
    case 4:
        second("Cals:", doc.CalorieFigure(), "");
        s.first = Value(intake);
        s.firstUnit = QStringLiteral(" /");
        s.showFirst = true;
        break;
    case 5:
        pair("Prot:", Nutrient::Protein, EnergyShare::Protein);
        break;
    case 6:
        pair("Fat:", Nutrient::Fat, EnergyShare::Fat);
        break;
    case 7:
        pair("Satu:", Nutrient::Saturates, EnergyShare::Saturates);
        break;
    case 8:
        pair("Mono:", Nutrient::Monounsaturates, EnergyShare::Monounsaturates);
        break;
    case 9:
        pair("Poly:", Nutrient::Polyunsaturates, EnergyShare::Polyunsaturates);
        break;
    case 10:
        pair("Carb:", Nutrient::Carbohydrate, EnergyShare::Carbohydrate);
        break;
    case 11:
        pair("Alco:", Nutrient::Alcohol, EnergyShare::Alcohol);
        break;
    case 12:
        second("Sodium:", t[Nutrient::Sodium], "mg");
        break;
    case 13:
        second("Cholesterol:", t[Nutrient::Cholesterol], "mg");
        break;
    case 14:
        second("Fiber:", t[Nutrient::Fiber], "g");
        break;
    case 15:
        second("Calorie budget:", doc.CalorieFigure() - intake, "");
        break;
    default:
        break;
    }
    return s;
}

std::array<SummaryLine, kSummaryLines> SummaryLines(const CFoodDBDoc& doc)
{
    std::array<SummaryLine, kSummaryLines> lines;
    for (int i = 0; i < kSummaryLines; ++i)
        lines[i] = Summary(doc.Profile().summaryLines[i], doc);
    return lines;
}

QString AmountText(double servings, double grams, const QString& servingName)
{
    const QString count = FormatFixed(servings, 6, 2) + QStringLiteral(" x ");
    if (!servingName.isEmpty())
        return count + servingName;
    // 0 servings show their grams rather than divide by zero.
    return count + Cell(servings != 0 ? grams / servings : grams) + QStringLiteral(" g");
}

std::vector<Row> Rows(CFoodDBDoc& doc, quint32 dayId)
{
    std::vector<Row> rows;
    if (doc.Profile().Has(CProfileTable::kCompanionExercises) && doc.Expenditure() >= 0) {
        Row r;
        r.icon = RowIcon::Companion;
        r.cells.fill(QStringLiteral("-"));
        r.cells[0] = QStringLiteral("RVL");
        r.cells[1] = QStringLiteral("Ravelin");
        r.cells[2] = Cell(doc.Expenditure() > 0 ? -doc.Expenditure() : 0.0); // no "-0.0"
        rows.push_back(r);
    }
    CMealTable& meals = doc.Meals();
    std::vector<EntryRecord> entries;
    meals.ForEachOfDay(dayId, [&entries](const EntryRecord& e) {
        entries.push_back(e);
        return true;
    });
    for (const EntryRecord& e : entries) {
        Row r;
        r.entryId = e.id;
        r.cells[0] = TimeText(e.time);
        if (e.IsExercise()) {
            r.icon = RowIcon::Exercise;
            r.cells.fill(QStringLiteral("-"));
            r.cells[0] = TimeText(e.time);
            r.cells[1] = ActivityName(e.activity);
            r.cells[2] = Cell(-ExerciseCalories(e.activity, e.minutes, doc.Weight()));
            r.cells[3] = QString::number(e.minutes) + QCoreApplication::translate("DiaryScreen", " minutes");
        } else {
            FoodData food;
            doc.LoadFood(e.foodId, &food); // a missing food shows no name and zero amounts
            const double scale = e.weight * 0.01;
            r.cells[1] = food.name;
            r.cells[2] = Cell(food.values[Nutrient::Energy] * scale);
            r.cells[3] = AmountText(e.servings, e.weight, e.servingName);
            r.cells[4] = Cell(e.weight);
            for (size_t i = 0; i < kNutrientColumns.size(); ++i)
                r.cells[5 + i] = Cell(food.values[kNutrientColumns[i]] * scale);
        }
        rows.push_back(r);
    }
    return rows;
}

void SortRows(std::vector<Row>& rows)
{
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.cells[0] > b.cells[0]; });
}

} // namespace DiaryScreen
