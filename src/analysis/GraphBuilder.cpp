#include "GraphBuilder.h"

#include "analysis/CChartCtrl.h"
#include "analysis/WeightTrend.h"
#include "diary/CFoodDBDoc.h"
#include "profile/DateRules.h"
#include "storage/CDiaryTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// The day's figures of entries 2 to 13 of the list, in list order.
struct Figure
{
    const char* text;
    int nutrient; // -1: the expenditure
};
constexpr Figure kFigures[] = {
    {"Calories (kcal)", static_cast<int>(Nutrient::Energy)},
    {"Expenditure (kcal)", -1},
    {"Protein (g)", static_cast<int>(Nutrient::Protein)},
    {"Fat (g)", static_cast<int>(Nutrient::Fat)},
    {"Saturates (g)", static_cast<int>(Nutrient::Saturates)},
    {"Monounsaturates (g)", static_cast<int>(Nutrient::Monounsaturates)},
    {"Polyunsaturates (g)", static_cast<int>(Nutrient::Polyunsaturates)},
    {"Carbohydrate (g)", static_cast<int>(Nutrient::Carbohydrate)},
    {"Alcohol (g)", static_cast<int>(Nutrient::Alcohol)},
    {"Sodium (mg)", static_cast<int>(Nutrient::Sodium)},
    {"Cholesterol (mg)", static_cast<int>(Nutrient::Cholesterol)},
    {"Fiber (g)", static_cast<int>(Nutrient::Fiber)},
};
constexpr quint32 kLineBit[2] = {CProfileTable::kSeries1Line, CProfileTable::kSeries2Line};
constexpr quint32 kSmoothBit[2] = {CProfileTable::kSeries1Smooth, CProfileTable::kSeries2Smooth};

} // namespace

std::vector<GraphBuilder::Quantity> GraphBuilder::Quantities(const ProfileRecord& profile)
{
    std::vector<Quantity> list;
    list.push_back({QCoreApplication::translate("GraphBuilder", "<None>"), 0, 0});
    list.push_back({profile.Has(CProfileTable::kMetric)
                        ? QCoreApplication::translate("GraphBuilder", "Weight (kg)")
                        : QCoreApplication::translate("GraphBuilder", "Weight (lbs)"),
                    1, 0});
    for (size_t i = 0; i < std::size(kFigures); ++i)
        list.push_back({QString::fromLatin1(kFigures[i].text), static_cast<int>(2 + i), 0});
    for (int k = 0; k < ProfileRecord::kParams; ++k)
        if (!profile.paramNames[k].isEmpty())
            list.push_back(
                {profile.paramNames[k] + QStringLiteral(" (") + profile.paramUnits[k] + QLatin1Char(')'), 14,
                 k});
    // After the list's own entries, so the stored choices keep their meaning.
    list.push_back({profile.Has(CProfileTable::kMetric)
                        ? QCoreApplication::translate("GraphBuilder", "Weight trend (kg)")
                        : QCoreApplication::translate("GraphBuilder", "Weight trend (lbs)"),
                    kTrend, 0});
    return list;
}

QStringList GraphBuilder::StyleNames()
{
    return {QCoreApplication::translate("GraphBuilder", "Line"),
            QCoreApplication::translate("GraphBuilder", "Smooth"), QStringLiteral("Bar")};
}

int GraphBuilder::StyleOf(quint32 flags, int series)
{
    if (!(flags & kLineBit[series]))
        return kBar;
    return (flags & kSmoothBit[series]) ? kSmooth : kLine;
}

quint32 GraphBuilder::WithStyle(quint32 flags, int series, int style)
{
    flags &= ~(kLineBit[series] | kSmoothBit[series]);
    if (style == kLine)
        flags |= kLineBit[series];
    else if (style == kSmooth)
        flags |= kLineBit[series] | kSmoothBit[series];
    return flags;
}

double GraphBuilder::Value(const Quantity& q, const DayRecord& day) const
{
    switch (q.kind) {
    case 1:
        return m_doc.Profiles().WeightForDisplay(day.weight);
    case 14:
        return day.params[q.param];
    default: {
        const Figure& f = kFigures[q.kind - 2];
        return f.nutrient < 0 ? day.exercise : day.values.amounts[f.nutrient];
    }
    }
}

double GraphBuilder::Goal(const Quantity& q) const
{
    const ProfileRecord& p = m_doc.Profile();
    switch (q.kind) {
    case 1:
    case kTrend:
        return m_doc.Profiles().TargetWeightForDisplay();
    case 2:
        return m_doc.CalorieFigure();
    case 3:
        return 0;
    case 14:
        return p.paramGoals[q.param];
    default:
        break;
    }
    switch (static_cast<Nutrient>(kFigures[q.kind - 2].nutrient)) {
    case Nutrient::Protein:
        return p.amountGoals[static_cast<int>(EnergyShare::Protein)];
    case Nutrient::Fat:
        return p.amountGoals[static_cast<int>(EnergyShare::Fat)];
    case Nutrient::Saturates:
        return p.amountGoals[static_cast<int>(EnergyShare::Saturates)];
    case Nutrient::Monounsaturates:
        return p.amountGoals[static_cast<int>(EnergyShare::Monounsaturates)];
    case Nutrient::Polyunsaturates:
        return p.amountGoals[static_cast<int>(EnergyShare::Polyunsaturates)];
    case Nutrient::Carbohydrate:
        return p.amountGoals[static_cast<int>(EnergyShare::Carbohydrate)];
    case Nutrient::Alcohol:
        return p.amountGoals[static_cast<int>(EnergyShare::Alcohol)];
    case Nutrient::Sodium:
        return p.sodiumGoal;
    case Nutrient::Cholesterol:
        return p.cholesterolGoal;
    case Nutrient::Fiber:
        return p.fiberGoal;
    default:
        return 0;
    }
}

void GraphBuilder::Build(CChartCtrl& chart, FileTime from, FileTime to)
{
    const ProfileRecord& profile = m_doc.Profile();
    Build(chart, from, to, {profile.graphQuantity[0], profile.graphQuantity[1]},
          {StyleOf(profile.flags, 0), StyleOf(profile.flags, 1)});
}

void GraphBuilder::Build(CChartCtrl& chart, FileTime from, FileTime to, std::array<int, 2> quantities,
                         std::array<int, 2> styles)
{
    const ProfileRecord& profile = m_doc.Profile();
    const std::vector<Quantity> list = Quantities(profile);
    from = from.Date();
    to = to.Date() < from ? from : to.Date();
    const int n = static_cast<int>(DaysBetween(to, from)) + 1;

    const IDrawSurface::Color colours[2] = {{0, 0, 143}, {255, 255, 255}};
    Quantity chosen[2];
    double max[2] = {0, 0};
    double min[2] = {9182737, 9182737};
    for (int s = 0; s < 2; ++s) {
        const int index = quantities[static_cast<size_t>(s)];
        chosen[s] =
            index > 0 && index < static_cast<int>(list.size()) ? list[static_cast<size_t>(index)] : list[0];
        m_series[s].SetSeries(chosen[s].kind == 0 ? QString() : chosen[s].text, 0, 1, colours[s], true,
                              styles[static_cast<size_t>(s)]);
    }
    const auto plot = [&](int s, int day, double v) {
        m_series[s].AddPoint(day, v);
        if (v + 1 > max[s])
            max[s] = v + 1;
        if (v + 1 < min[s])
            min[s] = v;
    };
    // The trend goes on over days without a record.
    if (chosen[0].kind == kTrend || chosen[1].kind == kTrend) {
        const auto points = WeightTrend::InPeriod(
            WeightTrend(m_doc.Diary().Store(), m_doc.TheClock()).Compute(profile.id, to), from, n);
        for (int s = 0; s < 2; ++s)
            if (chosen[s].kind == kTrend)
                for (const auto& [day, kg] : points)
                    plot(s, day, m_doc.Profiles().WeightForDisplay(kg));
    }
    CDiaryTable days(m_doc.Diary().Store(), m_doc.TheClock());
    days.SetUseCompanionExercises(profile.Has(CProfileTable::kCompanionExercises));
    FileTime date = from;
    for (int i = 0; i < n; ++i, date = AddDays(date, 1)) {
        if (!days.FindDay(date, profile.id))
            continue;
        for (int s = 0; s < 2; ++s) {
            if (chosen[s].kind == 0 || chosen[s].kind == kTrend)
                continue;
            const double v = Value(chosen[s], days.Buffer());
            // An empty weight or day parameter is no value; other figures are plotted at 0 too.
            if ((chosen[s].kind == 1 || chosen[s].kind == 14) && v <= 0.02)
                continue;
            plot(s, i, v);
        }
    }

    chart.SetDayAxis(QCoreApplication::translate("GraphBuilder", "Days"), 0, n, 2, 0, 21);
    for (int s = 0; s < 2; ++s) {
        int lower = 0;
        int upper = 0;
        int step = 1;
        QString title;
        if (chosen[s].kind != 0) {
            const double goal = Goal(chosen[s]);
            m_series[s].SetReference(goal);
            min[s] = std::min(min[s], goal);
            max[s] = std::max(max[s], goal);
            lower = std::max(0, static_cast<int>(min[s] - 0.75 * (max[s] - min[s])));
            upper = static_cast<int>(max[s] + 0.25 * (max[s] - lower));
            step = static_cast<int>(std::ceil((upper - lower) * 0.1));
            if (step == 0)
                step = 1;
            title = chosen[s].text;
        }
        if (s == 0)
            chart.SetLeftAxis(title, lower, upper, step);
        else
            chart.SetRightAxis(title, lower, upper, step);
    }
    chart.AddSeries(&m_series[0]);
    chart.AddSeries(&m_series[1]);
}
