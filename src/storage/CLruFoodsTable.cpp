#include "CLruFoodsTable.h"

#include "storage/RecordReader.h"

CLruFoodsTable::CLruFoodsTable(RecordStore& store)
    : CRecordTable(store, QStringLiteral("ZELLRUFoods"), 900,
                   {{kIdProp, PropType::UI4}, {kLastUseProp, PropType::FileTime}}, kLastUseProp)
{
    OpenTable();
}

std::vector<PropVal> CLruFoodsTable::Props() const
{
    return {PropVal::UI4(kIdProp, m_rec.foodId),        PropVal::Text(kNameProp, m_rec.name),
            PropVal::Time(kLastUseProp, m_rec.lastUse), PropVal::UI4(kReservedProp, m_rec.reserved),
            PropVal::R8(kWeightProp, m_rec.weight),     PropVal::Text(kServingNameProp, m_rec.servingName),
            PropVal::R8(kServingsProp, m_rec.servings)};
}

quint32 CLruFoodsTable::NewRecord(quint32 foodId)
{
    m_rec = Record();
    m_rec.foodId = foodId;
    const RecordOid oid = Write(RecordStore::WriteTarget::New, Props());
    if (!oid)
        return 0;
    GoTo(oid);
    return foodId;
}

void CLruFoodsTable::FromProps(const RecordReader& r)
{
    m_rec.foodId = r.UInt(kIdProp);
    m_rec.name = r.Text(kNameProp);
    m_rec.lastUse = r.Time(kLastUseProp);
    m_rec.reserved = r.UInt(kReservedProp);
    m_rec.weight = r.Double(kWeightProp);
    m_rec.servingName = r.Text(kServingNameProp);
    m_rec.servings = r.Double(kServingsProp);
}
