#pragma once

#include "CRecordTable.h"

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

    explicit CMealTable(RecordStore& store);

    quint32 NewRecord() override;

    RecordOid FirstOfDay(quint32 dayId);
    RecordOid NextOfDay(quint32 dayId);

private:
    std::vector<PropVal> Props() const override;
    void FromProps(const RecordReader& r) override;
};
