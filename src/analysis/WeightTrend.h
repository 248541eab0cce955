#pragma once

#include "platform/FileTime.h"

#include <optional>
#include <utility>
#include <vector>

class Clock;
class RecordStore;

// The body weight under the day-to-day noise: each day the trend moves a tenth of the way from
// the day before's trend to the day's weight; a day without a weight carries the trend on. It
// starts at the profile's first weight. Weights and trends in kg.
class WeightTrend
{
public:
    static constexpr double kSmoothing = 0.1;
    // The rate of the trend is taken over this many days up to today.
    static constexpr int kRateDays = 14;
    // A day weight up to this is no weight (the diary keeps 0 for none).
    static constexpr double kNoWeightKg = 0.2;

    struct Day
    {
        FileTime date;
        double weight = 0.0; // 0 when none was entered
        double trend = 0.0;
    };

    WeightTrend(RecordStore& store, const Clock& clock) : m_store(store), m_clock(clock) {}

    // Every day from the profile's first weight to `last`, both included; empty when the profile
    // has no weight on or before `last`.
    std::vector<Day> Compute(quint32 profileId, FileTime last);

    // The day the trend reaches the target at its rate over the kRateDays days up to today, or
    // nothing when it is not moving towards the target. days must run to today.
    static std::optional<FileTime> EndDate(const std::vector<Day>& days, FileTime today, double targetKg);
    // The day of `days` dated `date`, or nothing when the trend has not started by then.
    static const Day* On(const std::vector<Day>& days, FileTime date);
    // The trend (kg) of each of the `count` days from `from` that has one, with its day number
    // counted from `from`: the points a chart of the period plots.
    static std::vector<std::pair<int, double>> InPeriod(const std::vector<Day>& days, FileTime from,
                                                        int count);

private:
    RecordStore& m_store;
    const Clock& m_clock;
};
