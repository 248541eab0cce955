#pragma once

#include "storage/CRecordTable.h"

#include <array>

struct EntryRecord
{
    quint32 id = 0;
    quint32 dayId = 0;
    quint32 foodId = 0;  // 0 marks an exercise
    double weight = 0.0; // g, total eaten
    FileTime time;       // date and time of day of the entry
    double servings = 0.0;
    QString servingName;  // "" = plain grams
    quint32 activity = 0; // index in the activity table
    quint32 minutes = 0;

    bool IsExercise() const { return foodId == 0; }
};

// ZELMeal: one record per diary entry; a meal when its food id is not 0, else an exercise.
class CMealTable : public CRecordTable<EntryRecord>
{
public:
    static constexpr quint16 kDayProp = 602;
    static constexpr quint16 kFoodProp = 603;
    static constexpr quint16 kWeightProp = 604;
    static constexpr quint16 kTimeProp = 605;
    static constexpr quint16 kServingsProp = 606;
    static constexpr quint16 kServingNameProp = 607;
    static constexpr quint16 kActivityProp = 608;
    static constexpr quint16 kMinutesProp = 609;
    // Written as empty texts, read by nobody.
    static constexpr std::array<quint16, 3> kReservedProps = {610, 611, 612};

    explicit CMealTable(RecordStore& store);

    quint32 NewRecord() override;

    RecordOid FirstOfDay(quint32 dayId);
    RecordOid NextOfDay(quint32 dayId);
    // Every entry of a day in the order FirstOfDay and NextOfDay give them, read in one pass
    // that leaves the cursor where it is; the visitor gets each in the buffer and returns false
    // to stop.
    template <typename Visit> void ForEachOfDay(quint32 dayId, Visit visit)
    {
        if (m_store.IsEmpty(m_handle))
            return;
        m_store.GoToIndex(m_handle, 0, false);
        ForEachEqual(PropVal::UI4(kDayProp, dayId), visit);
    }

private:
    std::vector<PropVal> Props() const override;
    void FromProps(const RecordReader& r) override;
};
