#include "WeightTracker.h"

#include "analysis/CChartCtrl.h"
#include "analysis/WeightTrend.h"
#include "diary/CFoodDBDoc.h"
#include "profile/DateRules.h"
#include "profile/NumberFormat.h"
#include "storage/CDiaryTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

bool WeightTracker::HasPlan() const
{
    const ProfileRecord& p = m_doc.Profile();
    return p.weeklyLoss != 0 && p.targetWeight - p.startWeight != 0;
}

void WeightTracker::Build(CChartCtrl& chart)
{
    CProfileTable& profiles = m_doc.Profiles();
    const ProfileRecord& profile = m_doc.Profile();
    const double S = profiles.StartWeightForDisplay();
    const double T = profiles.TargetWeightForDisplay();
    const double L = profiles.WeeklyLossForDisplay();
    const bool plan = HasPlan();
    m_planned.SetSeries(QCoreApplication::translate("WeightTracker", "Planned"), 0, 2, {255, 255, 175}, false,
                        CChartSeries::kLine);
    m_actual.SetSeries(QCoreApplication::translate("WeightTracker", "Actual"), 0, 2, {0, 0, 0}, false,
                       CChartSeries::kLine);
    m_estimated.SetSeries(QCoreApplication::translate("WeightTracker", "Estimated"), 0, 1, {175, 0, 0}, false,
                          CChartSeries::kLine);

    // The plan.
    int d = 0;
    if (plan) {
        d = static_cast<int>(std::fabs(T - S) / std::fabs(L) * 7);
        for (int k = 0; k < d; k += 7)
            m_planned.AddPoint(k, S - (k / 7.0) * L);
        m_planned.AddPoint(d, T);
    }

    // The weights entered from the start date on, when that day has a record.
    int trackedMax = 0;
    int trackedMin = 9182737;
    bool anyWeight = false;
    if (plan) {
        CDiaryTable days(m_doc.Diary().Store(), m_doc.TheClock());
        if (days.FindDay(profile.startDate, profile.id)) {
            m_actual.AddPoint(0, S);
            do {
                const DayRecord& r = days.Buffer();
                if (r.weight <= 0.2)
                    continue;
                const double w = profiles.WeightForDisplay(r.weight);
                if (!m_actual.AddPoint(static_cast<double>(DaysBetween(r.date, profile.startDate)), w))
                    break;
                anyWeight = true;
                const int iv = static_cast<int>(w);
                if (iv + 1 > trackedMax)
                    trackedMax = iv + 1;
                if (iv + 1 < trackedMin)
                    trackedMin = iv;
            } while (days.NextDayOfProfile(profile.id));
        }
    }

    // The continuation at the planned rate from the latest weight.
    int o = 0;
    if (plan) {
        double s = S;
        if (anyWeight) {
            o = static_cast<int>(m_actual.X(m_actual.Count() - 1));
            s = m_actual.Y(m_actual.Count() - 1);
        }
        const int e = static_cast<int>(std::fabs(T - s) / std::fabs(L) * 7);
        for (int k = o; k <= o + e; k += 7)
            if (!m_estimated.AddPoint(k, s - ((k - o) / 7.0) * L))
                break;
    }

    // The axes.
    chart.SetDayAxis(QCoreApplication::translate("WeightTracker", "Days"), 0, std::max(d, o) + 7, 7, 0, 60);
    const int a = static_cast<int>(std::min(S, T));
    const int b = static_cast<int>(std::max(S, T));
    const int top = std::max(trackedMax, b + 1);
    const int bottom = std::min(trackedMin, a);
    const int step = static_cast<int>(std::ceil((top - bottom) / 6.0));
    chart.SetLeftAxis(profile.Has(CProfileTable::kMetric)
                          ? QCoreApplication::translate("WeightTracker", "Weight (kg)")
                          : QCoreApplication::translate("WeightTracker", "Weight (lbs)"),
                      bottom, top, step);
    chart.AddSeries(&m_planned);
    chart.AddSeries(&m_actual);
    chart.AddSeries(&m_estimated);
    BuildTrend();
    chart.AddOverlay(&m_trend);
}

void WeightTracker::BuildTrend()
{
    const ProfileRecord& profile = m_doc.Profile();
    m_trend.SetSeries(QCoreApplication::translate("WeightTracker", "Trend"), 1, 2, {0, 110, 0}, false,
                      CChartSeries::kLine);
    const std::vector<WeightTrend::Day>& days = TrendDays();
    // From the start date to today, as many days as the series holds: every k-th day and the last.
    const FileTime start = profile.startDate.Date();
    const auto first =
        std::find_if(days.begin(), days.end(), [&](const WeightTrend::Day& d) { return d.date >= start; });
    const auto count = static_cast<size_t>(days.end() - first);
    if (count == 0)
        return;
    const size_t every = (count + CChartSeries::kMaxPoints - 2) / (CChartSeries::kMaxPoints - 1);
    for (size_t i = 0; i < count; i += every)
        m_trend.AddPoint(static_cast<double>(DaysBetween(first[i].date, start)),
                         m_doc.Profiles().WeightForDisplay(first[i].trend));
    if ((count - 1) % every != 0)
        m_trend.AddPoint(static_cast<double>(DaysBetween(days.back().date, start)),
                         m_doc.Profiles().WeightForDisplay(days.back().trend));
}

const std::vector<WeightTrend::Day>& WeightTracker::TrendDays()
{
    RecordStore& store = m_doc.Diary().Store();
    const quint32 profileId = m_doc.Profile().id;
    const FileTime today = m_doc.TheClock().Today();
    const qint64 changes = store.ChangeCount();
    if (changes != m_trendChangeCount || profileId != m_trendProfileId || today != m_trendToday) {
        m_trendDays = WeightTrend(store, m_doc.TheClock()).Compute(profileId, today);
        m_trendChangeCount = changes;
        m_trendProfileId = profileId;
        m_trendToday = today;
    }
    return m_trendDays;
}

WeightTracker::Fields WeightTracker::CurrentFields()
{
    CProfileTable& profiles = m_doc.Profiles();
    const ProfileRecord& profile = m_doc.Profile();
    const FileTime today = m_doc.TheClock().Today();
    const double currentKg = m_doc.WeightOnDay(today);
    Fields f;
    f.unit = profile.Has(CProfileTable::kMetric) ? QStringLiteral("kg") : QStringLiteral("lbs");
    f.currentWeight = FormatGeneral(profiles.WeightForDisplay(currentKg));
    f.targetWeight = FormatGeneral(profiles.TargetWeightForDisplay());
    FileTime end = today;
    if (HasPlan())
        end = AddDaysWithinCalendar(today,
                                    std::fabs((profile.targetWeight - currentKg) / profile.weeklyLoss * 7));
    f.endDate = DateText(end, profile.Has(CProfileTable::kDayMonthYear));
    const std::optional<FileTime> trendEnd = WeightTrend::EndDate(TrendDays(), today, profile.targetWeight);
    if (trendEnd)
        f.trendEndDate = DateText(*trendEnd, profile.Has(CProfileTable::kDayMonthYear));
    return f;
}
