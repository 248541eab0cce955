#pragma once

#include "platform/Clock.h"
#include "storage/CDiaryTable.h"
#include "storage/CProfileTable.h"

#include <optional>

// The energy and weight figures that read the diary of a profile: required calories and the
// body weight on a date. It walks the diary with a table of its own, so the caller's current
// day record stays where it was.
class PlanCalculator
{
public:
    struct Point
    {
        FileTime date;
        double weight = 0.0;
    };
    // The points around a date: the last weight before it (p1), one at least 14 days before
    // that (p0) and the next weight after it (n).
    struct Neighbours
    {
        std::optional<Point> p0;
        std::optional<Point> p1;
        std::optional<Point> n;
    };

    PlanCalculator(RecordStore& store, const Clock& clock);

    // A weight entered for a day: 1 kg or more (0 means none was entered).
    static bool IsValidWeight(double kg) { return static_cast<qint64>(kg) >= 1; }

    double StoredWeightOnDay(const ProfileRecord& profile, FileTime day);
    Neighbours NeighbourWeights(const ProfileRecord& profile, FileTime day);
    double WeightOnDay(const ProfileRecord& profile, FileTime day);
    double RequiredCalories(const ProfileRecord& profile, FileTime day);

private:
    bool Seek(const ProfileRecord& profile, FileTime day);

    const Clock& m_clock;
    CDiaryTable m_diary;
};
