#include "CSubFoodTable.h"

#include "platform/NumberText.h"
#include "storage/RecordReader.h"

CSubFoodTable::CSubFoodTable(RecordStore& store)
    : CRecordTable(store, QStringLiteral("ZELSubFood"), 300, {{kCompositeProp, PropType::UI4}},
                   kCompositeProp)
{
    OpenTable();
}

std::vector<PropVal> CSubFoodTable::Props() const
{
    // The number of servings is kept as text that reads back to the same double.
    return {PropVal::UI4(kCompositeProp, m_rec.compositeId), PropVal::UI4(kComponentProp, m_rec.componentId),
            PropVal::R8(kWeightProp, m_rec.weight), PropVal::Text(kServingNameProp, m_rec.servingName),
            PropVal::Text(kServingsProp, NumberText::Shortest(m_rec.servings))};
}

quint32 CSubFoodTable::NewRecord()
{
    const RecordOid oid = Write(RecordStore::WriteTarget::New, Props());
    if (!oid)
        return 0;
    GoTo(oid);
    return m_rec.compositeId;
}

void CSubFoodTable::FromProps(const RecordReader& r)
{
    m_rec.compositeId = r.UInt(kCompositeProp);
    m_rec.componentId = r.UInt(kComponentProp);
    m_rec.weight = r.Double(kWeightProp);
    m_rec.servingName = r.Text(kServingNameProp);
    m_rec.servings = NumberText::ToDouble(r.Text(kServingsProp));
}
