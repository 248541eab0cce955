#include "PlanCalculator.h"

#include "profile/DateRules.h"
#include "profile/EnergyRules.h"

PlanCalculator::PlanCalculator(RecordStore& store, const Clock& clock) : m_clock(clock), m_diary(store, clock)
{
}

bool PlanCalculator::Seek(const ProfileRecord& profile, FileTime day)
{
    m_diary.SetUseCompanionExercises(profile.Has(CProfileTable::kCompanionExercises));
    return m_diary.SeekDay(day.Date(), profile.id);
}

double PlanCalculator::StoredWeightOnDay(const ProfileRecord& profile, FileTime day)
{
    return Seek(profile, day) ? m_diary.Buffer().weight : 0.0;
}

PlanCalculator::Neighbours PlanCalculator::NeighbourWeights(const ProfileRecord& profile, FileTime day)
{
    Neighbours result;
    const quint32 id = profile.id;
    if (!Seek(profile, day))
        return result;
    auto walk = [&](bool backward) -> std::optional<Point> {
        while (backward ? m_diary.PreviousDayOfProfile(id) : m_diary.NextDayOfProfile(id)) {
            if (IsValidWeight(m_diary.Buffer().weight))
                return Point{m_diary.Buffer().date, m_diary.Buffer().weight};
        }
        return std::nullopt;
    };
    result.p1 = walk(true);
    if (result.p1 && Seek(profile, AddDays(result.p1->date, -13)))
        result.p0 = walk(true);
    if (Seek(profile, day))
        result.n = walk(false);
    return result;
}

double PlanCalculator::WeightOnDay(const ProfileRecord& profile, FileTime day)
{
    RecordStore::Snapshot snapshot(m_diary.Store());
    day = day.Date();
    if (!Seek(profile, day))
        return profile.startWeight;
    if (IsValidWeight(m_diary.Buffer().weight))
        return m_diary.Buffer().weight;

    const Neighbours nb = NeighbourWeights(profile, day);
    const Point start{profile.startDate, profile.startWeight};
    Point a;
    Point b;
    if (nb.n) {
        a = nb.p1 ? *nb.p1 : start;
        b = *nb.n;
    } else if (nb.p1) {
        a = nb.p0 ? *nb.p0 : start;
        b = *nb.p1;
    } else {
        return profile.startWeight;
    }
    const qint64 span = DaysBetween(b.date, a.date);
    if (span == 0)
        return b.weight;
    return a.weight +
           (b.weight - a.weight) * static_cast<double>(DaysBetween(day, a.date)) / static_cast<double>(span);
}

double PlanCalculator::RequiredCalories(const ProfileRecord& profile, FileTime day)
{
    if (profile.userCalories > 0)
        return profile.userCalories;
    RecordStore::Snapshot snapshot(m_diary.Store());
    day = day.Date();
    if (profile.Has(CProfileTable::kCaloriesFromIntake)) {
        double sum = 0.0;
        int counted = 0;
        bool stopped = false;
        for (int i = 1; i <= Energy::kIntakeDays && !stopped; ++i) {
            if (!Seek(profile, AddDays(day, -i)))
                continue;
            const double intake = m_diary.Buffer().values[Nutrient::Energy];
            if (intake > 0) {
                sum += intake;
                ++counted;
            } else {
                stopped = true;
            }
        }
        if (!stopped && counted == Energy::kIntakeDays) {
            const double change =
                WeightOnDay(profile, day) - WeightOnDay(profile, AddDays(day, -Energy::kIntakeDays));
            return (sum - Energy::kKcalPerKgBodyWeight * change) * (1.0 / Energy::kIntakeDays);
        }
    }
    const double weight = WeightOnDay(profile, m_clock.Today());
    return HarrisBenedict(profile.height, weight, profile.age, profile.gender == 1) * ActivityFactor();
}
