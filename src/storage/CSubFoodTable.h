#pragma once

#include "CDbTable.h"

// ZELSubFood: one record per component of a composite food. It has no property 101:
// rows are found by the composite food's id and written whole as new records.
class CSubFoodTable : public CDbTable
{
public:
    static constexpr quint16 kCompositeProp = 301;
    static constexpr quint16 kComponentProp = 302;

    struct Record
    {
        quint32 compositeId = 0;
        quint32 componentId = 0;
        double weight = 0.0; // g
        QString servingName; // "" = grams
        double servings = 0.0;
    };

    explicit CSubFoodTable(RecordStore& store);

    // Writes the buffer as a new row and leaves the cursor on it; returns the composite food's id.
    quint32 NewRecord() override;
    bool Load() override;
    bool Save() override;

    Record& Buffer() { return m_rec; }
    const Record& Buffer() const { return m_rec; }

private:
    std::vector<PropVal> Props() const;
    Record m_rec;
};
