#pragma once

#include "storage/CRecordTable.h"

struct ServingRecord
{
    quint32 id = 0;
    quint32 foodId = 0;
    QString description;
    double weight = 0.0; // g, of one serving
};

// ZELMeasures: one record per serving size of a food.
class CMeasuresTable : public CRecordTable<ServingRecord>
{
public:
    static constexpr quint16 kFoodProp = 702;
    static constexpr quint16 kDescriptionProp = 703;
    static constexpr quint16 kWeightProp = 704;

    explicit CMeasuresTable(RecordStore& store);

    quint32 NewRecord() override { return NewRecord(0); }
    // A new serving size of the food; the id is taken in id order whatever the handle's order,
    // and the handle keeps its order with the cursor on the new record.
    quint32 NewRecord(quint32 foodId);

    RecordOid FirstOfFood(quint32 foodId);
    RecordOid NextOfFood(quint32 foodId);
    // Weight and name of a serving size; 0 and "" when there is no such serving size.
    double ServingWeight(quint32 servingId);
    QString ServingName(quint32 servingId);

private:
    std::vector<PropVal> Props() const override;
    void FromProps(const RecordReader& r) override;
    bool ReadServing(quint32 servingId, std::vector<PropVal>* props);
};
