#pragma once

#include "storage/CRecordTable.h"

struct ComponentRecord
{
    quint32 compositeId = 0;
    quint32 componentId = 0;
    double weight = 0.0; // g
    QString servingName; // "" = grams
    double servings = 0.0;
};

// ZELSubFood: one record per component of a composite food. It has no property 101:
// rows are found by the composite food's id and written whole as new records.
class CSubFoodTable : public CRecordTable<ComponentRecord>
{
public:
    static constexpr quint16 kCompositeProp = 301;
    static constexpr quint16 kComponentProp = 302;
    static constexpr quint16 kWeightProp = 303;
    static constexpr quint16 kServingNameProp = 304;
    static constexpr quint16 kServingsProp = 305;

    explicit CSubFoodTable(RecordStore& store);

    // Writes the buffer as a new row and leaves the cursor on it; returns the composite food's id.
    quint32 NewRecord() override;

private:
    std::vector<PropVal> Props() const override;
    void FromProps(const RecordReader& r) override;
};
