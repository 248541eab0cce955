#include "ReportCalculator.h"

#include "diary/CFoodDBDoc.h"
#include "profile/DateRules.h"
#include "profile/EnergyRules.h"
#include "profile/NumberFormat.h"
#include "storage/CDiaryTable.h"

#include <QCoreApplication>

namespace {

enum Sum
{
    kIntake,
    kExpenditure,
    kProtein,
    kFat,
    kSaturates,
    kMono,
    kPoly,
    kCarbohydrate,
    kSugar,
    kAlcohol,
    kCholesterol,
    kFiber,
    kSodium,
};

QString Number(double v)
{
    return FormatFixed(v, 6, 1);
}

} // namespace

QStringList ReportCalculator::TypeNames()
{
    return {QCoreApplication::translate("ReportCalculator", "Nutrient values - daily average"),
            QCoreApplication::translate("ReportCalculator", "Nutrient values - totals for period"),
            QCoreApplication::translate("ReportCalculator", "User Defined Parameters - daily average")};
}

ReportCalculator::Period ReportCalculator::MakePeriod(FileTime from, FileTime to, FileTime today)
{
    Period p;
    p.from = from.Date();
    p.to = to.Date() < p.from ? p.from : to.Date();
    p.days = static_cast<int>(DaysBetween(p.to, p.from)) + 1;
    p.todayOnly = p.days == 1 && p.from == today.Date();
    return p;
}

QStringList ReportCalculator::Columns(Type type)
{
    if (type == Type::ParameterAverage)
        return {QCoreApplication::translate("ReportCalculator", "Parameter"),
                QCoreApplication::translate("ReportCalculator", "Actual"),
                QCoreApplication::translate("ReportCalculator", "Req'd")};
    return {QCoreApplication::translate("ReportCalculator", "Nutrient"),
            QCoreApplication::translate("ReportCalculator", "Actual"),
            QCoreApplication::translate("ReportCalculator", "Req'd"),
            QCoreApplication::translate("ReportCalculator", "Actual%"),
            QCoreApplication::translate("ReportCalculator", "Req'd%")};
}

std::vector<int> ReportCalculator::ColumnWidths(Type type, int w)
{
    std::vector<int> widths{2 * w / 5};
    widths.resize(static_cast<size_t>(Columns(type).size()), w / 4);
    return widths;
}

ReportCalculator::Sums ReportCalculator::Accumulate(const Period& period)
{
    Sums s;
    const ProfileRecord& profile = m_doc.Profile();
    CDiaryTable days(m_doc.Diary().Store(), m_doc.TheClock());
    days.SetUseCompanionExercises(profile.Has(CProfileTable::kCompanionExercises));
    FileTime date = period.from;
    for (int i = 0; i < period.days; ++i, date = AddDays(date, 1)) {
        if (!days.FindDay(date, profile.id))
            continue;
        const DayRecord& d = days.Buffer();
        const NutrientValues& v = d.values;
        const double values[13] = {v[Nutrient::Energy],          d.exercise,
                                   v[Nutrient::Protein],         v[Nutrient::Fat],
                                   v[Nutrient::Saturates],       v[Nutrient::Monounsaturates],
                                   v[Nutrient::Polyunsaturates], v[Nutrient::Carbohydrate],
                                   v[Nutrient::Sugar],           v[Nutrient::Alcohol],
                                   v[Nutrient::Cholesterol],     v[Nutrient::Fiber],
                                   v[Nutrient::Sodium]};
        for (int k = 0; k < 13; ++k)
            s.amounts[k] += values[k];
        for (int k = 0; k < 4; ++k) {
            if (d.params[k] > 0) {
                s.params[k] += d.params[k];
                ++s.paramDays[k];
            }
        }
    }
    return s;
}

std::vector<ReportCalculator::Row> ReportCalculator::Rows(const Period& period, Type type)
{
    const ProfileRecord& profile = m_doc.Profile();
    Sums s = Accumulate(period);
    std::vector<Row> rows;
    if (type == Type::ParameterAverage) {
        for (int k = 0; k < 4; ++k) {
            if (profile.paramNames[k].isEmpty())
                continue;
            const double average = s.paramDays[k] > 0 ? s.params[k] / s.paramDays[k] : 0.0;
            rows.push_back(
                {profile.paramNames[k] + QStringLiteral(" (") + profile.paramUnits[k] + QLatin1Char(')'),
                 {FormatFixed(average, 5, 1), FormatFixed(profile.paramGoals[k], 5, 1)}});
        }
        return rows;
    }
    if (type == Type::DailyAverage)
        for (double& a : s.amounts)
            a *= 1.0 / period.days;
    std::array<double, kEnergyShareCount> pct{};
    if (static_cast<qint64>(s.amounts[kIntake] * 100) != 0)
        pct = EnergyPercentages(s.amounts[kProtein], s.amounts[kFat], s.amounts[kCarbohydrate],
                                s.amounts[kAlcohol], s.amounts[kSaturates], s.amounts[kMono],
                                s.amounts[kPoly], s.amounts[kSugar]);
    const double f = type == Type::Totals ? period.days : (period.todayOnly ? m_doc.Fraction() : 1.0);
    const QString none = QStringLiteral("-");
    const auto share = [&](int sum, EnergyShare e) {
        const int i = static_cast<int>(e);
        return QStringList{Number(s.amounts[sum]), Number(profile.amountGoals[i] * f), Number(pct[i]),
                           Number(profile.shareGoals[i])};
    };
    const auto plain = [&](int sum, double goal) {
        return QStringList{Number(s.amounts[sum]), Number(goal * f), none, none};
    };
    rows.push_back({QCoreApplication::translate("ReportCalculator", "Calories (kcal)"),
                    plain(kIntake, m_doc.CalorieFigure())});
    rows.push_back({QCoreApplication::translate("ReportCalculator", "Expenditure (kcal)"),
                    {Number(s.amounts[kExpenditure]), none, none, none}});
    rows.push_back({QCoreApplication::translate("ReportCalculator", "Protein (g)"),
                    share(kProtein, EnergyShare::Protein)});
    rows.push_back(
        {QCoreApplication::translate("ReportCalculator", "Fat (g)"), share(kFat, EnergyShare::Fat)});
    rows.push_back({QCoreApplication::translate("ReportCalculator", "    Saturates  (g)"),
                    share(kSaturates, EnergyShare::Saturates)});
    rows.push_back({QCoreApplication::translate("ReportCalculator", "    Monounsaturates (g)"),
                    share(kMono, EnergyShare::Monounsaturates)});
    rows.push_back({QCoreApplication::translate("ReportCalculator", "    Polyunsaturates (g)"),
                    share(kPoly, EnergyShare::Polyunsaturates)});
    rows.push_back({QCoreApplication::translate("ReportCalculator", "Carbohydrate (g)"),
                    share(kCarbohydrate, EnergyShare::Carbohydrate)});
    rows.push_back({QCoreApplication::translate("ReportCalculator", "Alcohol (g)"),
                    share(kAlcohol, EnergyShare::Alcohol)});
    rows.push_back(
        {QCoreApplication::translate("ReportCalculator", "Sodium (mg)"), plain(kSodium, profile.sodiumGoal)});
    rows.push_back({QCoreApplication::translate("ReportCalculator", "Cholesterol (mg)"),
                    plain(kCholesterol, profile.cholesterolGoal)});
    rows.push_back(
        {QCoreApplication::translate("ReportCalculator", "Fiber (g)"), plain(kFiber, profile.fiberGoal)});
    return rows;
}
