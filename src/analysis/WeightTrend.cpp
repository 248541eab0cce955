#include "WeightTrend.h"

#include "profile/DateRules.h"
#include "storage/CDiaryTable.h"

#include <cmath>

std::vector<WeightTrend::Day> WeightTrend::Compute(quint32 profileId, FileTime last)
{
    last = last.Date();
    // The weights of the profile's days, in date order.
    std::vector<std::pair<FileTime, double>> weights;
    {
        RecordStore::Snapshot snapshot(m_store);
        CDiaryTable diary(m_store, m_clock);
        bool more = diary.First() != 0 && diary.Load();
        if (more && diary.Buffer().profileId != profileId)
            more = diary.NextDayOfProfile(profileId);
        for (; more; more = diary.NextDayOfProfile(profileId)) {
            const DayRecord& d = diary.Buffer();
            if (d.date.Date() > last)
                break;
            if (d.weight > kNoWeightKg)
                weights.emplace_back(d.date.Date(), d.weight);
        }
    }
    std::vector<Day> days;
    if (weights.empty())
        return days;
    days.reserve(static_cast<size_t>(DaysBetween(last, weights.front().first)) + 1);
    double trend = weights.front().second;
    size_t next = 0;
    for (FileTime date = weights.front().first; date <= last; date = AddDays(date, 1)) {
        Day day;
        day.date = date;
        if (next < weights.size() && weights[next].first == date) {
            day.weight = weights[next].second;
            trend += kSmoothing * (day.weight - trend);
            // Two records of one day (another program's): the first one counts.
            while (next < weights.size() && weights[next].first == date)
                ++next;
        }
        day.trend = trend;
        days.push_back(day);
    }
    return days;
}

const WeightTrend::Day* WeightTrend::On(const std::vector<Day>& days, FileTime date)
{
    if (days.empty() || date.Date() < days.front().date)
        return nullptr;
    const qint64 i = DaysBetween(date.Date(), days.front().date);
    return i < static_cast<qint64>(days.size()) ? &days[static_cast<size_t>(i)] : nullptr;
}

std::vector<std::pair<int, double>> WeightTrend::InPeriod(const std::vector<Day>& days, FileTime from,
                                                          int count)
{
    std::vector<std::pair<int, double>> points;
    FileTime date = from;
    for (int i = 0; i < count; ++i, date = AddDays(date, 1))
        if (const Day* d = On(days, date))
            points.emplace_back(i, d->trend);
    return points;
}

std::optional<FileTime> WeightTrend::EndDate(const std::vector<Day>& days, FileTime today, double targetKg)
{
    const Day* now = On(days, today);
    if (!now)
        return std::nullopt;
    const double remaining = targetKg - now->trend;
    if (remaining == 0)
        return today.Date();
    // Over the last kRateDays days, or since the trend began when that is later.
    const Day* then = On(days, AddDays(today, -kRateDays));
    if (!then)
        then = &days.front();
    const qint64 span = DaysBetween(now->date, then->date);
    if (span <= 0)
        return std::nullopt;
    const double rate = (now->trend - then->trend) / static_cast<double>(span);
    if (rate == 0 || std::signbit(rate) != std::signbit(remaining))
        return std::nullopt;
    // The first day on or past the target; a hair of rounding does not make it a day later.
    const FileTime end = AddDaysWithinCalendar(today.Date(), std::ceil(remaining / rate - 1e-9));
    if (end == FileTime())
        return std::nullopt; // past the calendar's end
    return end;
}
