#pragma once

#include "storage/CRecordTable.h"

struct RecentFoodRecord
{
    quint32 foodId = 0;
    QString name;
    FileTime lastUse;
    quint32 reserved = 0;
    double weight = 0.0; // g, total of the last use
    QString servingName;
    double servings = 0.0;
};

// ZELLRUFoods: the recently used foods, one record per food, keyed by the food's own id.
class CLruFoodsTable : public CRecordTable<RecentFoodRecord>
{
public:
    static constexpr quint16 kLastUseProp = 903;
    static constexpr quint16 kNameProp = 902;
    static constexpr quint16 kReservedProp = 904;
    static constexpr quint16 kWeightProp = 905;
    static constexpr quint16 kServingNameProp = 906;
    static constexpr quint16 kServingsProp = 907;
    static constexpr int kMaxRecords = 50;

    explicit CLruFoodsTable(RecordStore& store);

    quint32 NewRecord() override { return NewRecord(m_rec.foodId); }
    // A record for the food with empty defaults; the caller sets the time of use and saves.
    quint32 NewRecord(quint32 foodId);

private:
    std::vector<PropVal> Props() const override;
    void FromProps(const RecordReader& r) override;
};
