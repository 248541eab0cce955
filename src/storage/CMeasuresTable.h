#pragma once

#include "CDbTable.h"

// ZELMeasures: one record per serving size of a food.
class CMeasuresTable : public CDbTable
{
public:
    static constexpr quint16 kFoodProp = 702;

    struct Record
    {
        quint32 id = 0;
        quint32 foodId = 0;
        QString description;
        double weight = 0.0; // g, of one serving
    };

    explicit CMeasuresTable(RecordStore& store);

    quint32 NewRecord() override { return NewRecord(0); }
    // A new serving size of the food; the id is taken in id order whatever the handle's order,
    // and the handle keeps its order with the cursor on the new record.
    quint32 NewRecord(quint32 foodId);
    bool Load() override;
    bool Save() override;

    RecordOid FirstOfFood(quint32 foodId);
    RecordOid NextOfFood(quint32 foodId);
    // Weight and name of a serving size; 0 and "" when there is no such serving size.
    double ServingWeight(quint32 servingId);
    QString ServingName(quint32 servingId);

    Record& Buffer() { return m_rec; }
    const Record& Buffer() const { return m_rec; }

private:
    std::vector<PropVal> Props() const;
    bool ReadServing(quint32 servingId, std::vector<PropVal>* props);
    Record m_rec;
};
