#include "ReportExport.h"

#include "analysis/ReportCalculator.h"
#include "diary/ActivityTable.h"
#include "diary/CFoodDBDoc.h"
#include "diary/DiaryScreen.h"
#include "fooddb/CCsvFile.h"
#include "profile/DateRules.h"
#include "profile/EnergyRules.h"
#include "profile/Measures.h"
#include "storage/CDiaryTable.h"
#include "storage/CMealTable.h"

#include <QHash>

#include <array>
#include <variant>
#include <vector>

namespace ReportExport {

namespace {

// One line of the file: texts and numbers in order.
using Field = std::variant<QString, double>;
using Line = std::vector<Field>;

void Empty(Line& line, int n)
{
    for (int i = 0; i < n; ++i)
        line.emplace_back(QString());
}

bool Write(CCsvFile& f, const Line& line)
{
    bool ok = true;
    for (size_t i = 0; i < line.size(); ++i) {
        const bool last = i + 1 == line.size();
        if (const auto* text = std::get_if<QString>(&line[i]))
            ok = f.WriteText(*text, last) && ok;
        else
            ok = f.WriteNumber(std::get<double>(line[i]), last) && ok;
    }
    return ok;
}

// The twelve amounts of columns 6 to 17 and the seven energy shares of columns 18 to 24.
constexpr Nutrient kAmountOrder[] = {
    Nutrient::Energy,          Nutrient::Protein,         Nutrient::Fat,          Nutrient::Saturates,
    Nutrient::Monounsaturates, Nutrient::Polyunsaturates, Nutrient::Carbohydrate, Nutrient::Alcohol,
    Nutrient::Cholesterol,     Nutrient::Fiber,           Nutrient::Sodium};
constexpr EnergyShare kShareOrder[] = {EnergyShare::Protein,         EnergyShare::Fat,
                                       EnergyShare::Saturates,       EnergyShare::Monounsaturates,
                                       EnergyShare::Polyunsaturates, EnergyShare::Carbohydrate,
                                       EnergyShare::Alcohol};

// Columns 6 to 17: energy, expenditure, then the other amounts.
void Amounts(Line& line, const NutrientValues& v, double expenditure)
{
    line.emplace_back(v[Nutrient::Energy]);
    line.emplace_back(expenditure);
    for (size_t i = 1; i < std::size(kAmountOrder); ++i)
        line.emplace_back(v[kAmountOrder[i]]);
}

void Shares(Line& line, const NutrientValues& v, bool zero)
{
    const auto pct = EnergyPercentages(v);
    for (EnergyShare e : kShareOrder)
        line.emplace_back(zero ? 0.0 : pct[static_cast<int>(e)]);
}

} // namespace

QString ServingText(double servings, double grams, const QString& servingName)
{
    if (servings == 1 && !servingName.isEmpty())
        return servingName;
    return DiaryScreen::AmountText(servings, grams, servingName);
}

bool ExportReport(CFoodDBDoc& doc, FileTime from, FileTime to, const QString& path, IMessageBox* messages)
{
    const ProfileRecord& profile = doc.Profile();
    const ReportCalculator::Period period = ReportCalculator::MakePeriod(from, to, doc.TheClock().Today());
    from = period.from;
    to = period.to;
    const bool dayMonthYear = profile.Has(CProfileTable::kDayMonthYear);
    const bool companion = profile.Has(CProfileTable::kCompanionExercises);

    CCsvFile f(messages);
    if (!f.OpenWrite(path))
        return false;
    bool ok = true;
    const auto put = [&](const Line& line) { ok = Write(f, line) && ok; };

    // Header.
    Line line{QStringLiteral("Profile:"), QString(), profile.name};
    Empty(line, 22);
    put(line);
    line = {QStringLiteral("Period:"), QString(),
            QStringLiteral("From ") + DateText(from, dayMonthYear) + QStringLiteral(" to ") +
                DateText(to, dayMonthYear)};
    Empty(line, 22);
    put(line);
    line.clear();
    Empty(line, 25);
    put(line);
    line.clear();
    for (const char* h : {"Date",
                          "Time",
                          "Meal/exercise",
                          "Serving size/Time spent",
                          "Grams, serving size",
                          "Calories",
                          "Expenditure",
                          "Protein",
                          "Fat",
                          "Fat - saturates",
                          "Fat - monounsaturates",
                          "Fat - polyunsaturates",
                          "Carbohydrate",
                          "Alcohol",
                          "Cholesterol",
                          "Fiber",
                          "Sodium",
                          "Pct, Protein",
                          "Pct, Fat",
                          "Pct, Fat - saturates",
                          "Pct, Fat - monounsaturates",
                          "Pct, Fat - polyunsaturates",
                          "Pct, Carbohydrate",
                          "Pct, Alcohol",
                          "Weight"})
        line.emplace_back(QString::fromLatin1(h));
    for (int k = 0; k < 4; ++k)
        line.emplace_back(profile.paramNames[k].isEmpty() ? QStringLiteral("n/a")
                                                          : profile.paramNames[k] + QStringLiteral(" (") +
                                                                profile.paramUnits[k] + QLatin1Char(')'));
    put(line);

    // One read of the data file for the whole export: one look, no lock taken per record.
    RecordStore::Snapshot snapshot(doc.Diary().Store());
    // Tables of our own: the document's cursors and buffers are left alone.
    CDiaryTable days(doc.Diary().Store(), doc.TheClock());
    days.SetUseCompanionExercises(companion);
    CMealTable entries(doc.Diary().Store());
    NutrientValues sums;
    double expenditureSum = 0;
    double weightSum = 0;
    int weightDays = 0;
    std::array<double, 4> paramSums{};
    std::array<int, 4> paramDays{};
    int recordDays = 0;
    const double bodyWeight = doc.WeightOnDay(doc.TheClock().Today());
    // A diary repeats its foods: each is summed once per export.
    QHash<quint32, FoodData> foods;

    for (FileTime d = from; d <= to; d = AddDays(d, 1)) {
        if (!days.FindDay(d, profile.id))
            continue;
        const DayRecord day = days.Buffer();
        for (int n = 0; n < kNutrientCount; ++n)
            sums.amounts[n] += day.values.amounts[n];
        expenditureSum += day.exercise;
        const double weight = day.weight > 0 ? KgToDisplay(day.weight) : 0.0;
        if (day.weight > 0) {
            weightSum += weight;
            ++weightDays;
        }
        for (int k = 0; k < 4; ++k) {
            if (day.params[k] > 0) {
                paramSums[k] += day.params[k];
                ++paramDays[k];
            }
        }
        ++recordDays;
        const bool zeroShares = static_cast<qint64>(sums[Nutrient::Energy] * 100) == 0;
        const QString date = DateText(d, dayMonthYear);
        const auto tail = [&](Line& l) {
            l.emplace_back(weight);
            for (double p : day.params)
                l.emplace_back(p);
        };

        if (companion && day.exercise > 0) {
            line = {date, QStringLiteral("00:00"), QStringLiteral("Ravelin")};
            Empty(line, 3);
            line.emplace_back(-day.exercise);
            Empty(line, 17);
            tail(line);
            put(line);
        }
        entries.ForEachOfDay(day.id, [&](const EntryRecord& e) {
            if (e.IsExercise()) {
                if (companion)
                    return true;
                line = {date,
                        DiaryScreen::TimeText(e.time),
                        ActivityName(e.activity),
                        QString::number(e.minutes) + QStringLiteral(" minutes"),
                        QString(),
                        0.0,
                        -ExerciseCalories(e.activity, e.minutes, bodyWeight)};
                Empty(line, 17);
            } else {
                auto known = foods.constFind(e.foodId);
                if (known == foods.constEnd()) {
                    FoodData loaded;
                    doc.LoadFood(e.foodId, &loaded); // a food no longer there gives no name and zeros
                    known = foods.insert(e.foodId, loaded);
                }
                const FoodData& food = known.value();
                NutrientValues portion;
                for (int n = 0; n < kNutrientCount; ++n)
                    portion.amounts[n] = food.values.amounts[n] * e.weight * 0.01;
                line = {date, DiaryScreen::TimeText(e.time), food.name,
                        ServingText(e.servings, e.weight, e.servingName), e.weight};
                Amounts(line, portion, 0.0);
                Shares(line, food.values, zeroShares);
            }
            tail(line);
            put(line);
            return true;
        });
        line = {QString(), QString(), QStringLiteral("total"), QString(), QString()};
        Amounts(line, day.values, day.exercise);
        Shares(line, day.values, zeroShares);
        tail(line);
        put(line);
        line.clear();
        Empty(line, 22);
        put(line);
    }

    line.clear();
    Empty(line, 25);
    put(line);
    line = {QStringLiteral("Total:")};
    Empty(line, 4);
    Amounts(line, sums, expenditureSum);
    Empty(line, 7);
    line.emplace_back(weightSum);
    for (double p : paramSums)
        line.emplace_back(p);
    put(line);

    // Averages over the days with a record; none gives zeros.
    NutrientValues average;
    const double per = recordDays > 0 ? 1.0 / recordDays : 0.0;
    for (int n = 0; n < kNutrientCount; ++n)
        average.amounts[n] = sums.amounts[n] * per;
    line = {QStringLiteral("Average:")};
    Empty(line, 4);
    Amounts(line, average, expenditureSum * per);
    Shares(line, average, static_cast<qint64>(average[Nutrient::Energy] * 100) == 0);
    line.emplace_back(weightDays > 0 ? weightSum / weightDays : 0.0);
    for (int k = 0; k < 4; ++k)
        line.emplace_back(paramDays[k] > 0 ? paramSums[k] / paramDays[k] : 0.0);
    put(line);
    return f.Close() && ok;
}

} // namespace ReportExport
