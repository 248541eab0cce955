#include "CMealTable.h"

#include "storage/RecordReader.h"

CMealTable::CMealTable(RecordStore& store)
    : CRecordTable(store, QStringLiteral("ZELMeal"), 600,
                   {{kIdProp, PropType::UI4}, {kDayProp, PropType::UI4}}, kDayProp)
{
    OpenTable();
}

std::vector<PropVal> CMealTable::Props() const
{
    return {PropVal::UI4(kIdProp, m_rec.id),
            PropVal::UI4(kDayProp, m_rec.dayId),
            PropVal::UI4(kFoodProp, m_rec.foodId),
            PropVal::R8(kWeightProp, m_rec.weight),
            PropVal::Time(kTimeProp, m_rec.time),
            PropVal::R8(kServingsProp, m_rec.servings),
            PropVal::Text(kServingNameProp, m_rec.servingName),
            PropVal::UI4(kActivityProp, m_rec.activity),
            PropVal::UI4(kMinutesProp, m_rec.minutes),
            PropVal::Text(kReservedProps[0], QString()),
            PropVal::Text(kReservedProps[1], QString()),
            PropVal::Text(kReservedProps[2], QString())};
}

quint32 CMealTable::NewRecord()
{
    return AddRecord([&] { return NextIdThenReopen(kDayProp); });
}

void CMealTable::FromProps(const RecordReader& r)
{
    m_rec.id = r.UInt(kIdProp);
    m_rec.dayId = r.UInt(kDayProp);
    m_rec.foodId = r.UInt(kFoodProp);
    m_rec.weight = r.Double(kWeightProp);
    m_rec.time = r.Time(kTimeProp);
    m_rec.servings = r.Double(kServingsProp);
    m_rec.servingName = r.Text(kServingNameProp);
    m_rec.activity = r.UInt(kActivityProp);
    m_rec.minutes = r.UInt(kMinutesProp);
}

RecordOid CMealTable::FirstOfDay(quint32 dayId)
{
    if (m_store.IsEmpty(m_handle))
        return 0;
    m_store.GoToIndex(m_handle, 0, false);
    return m_store.FindFirstEqual(m_handle, PropVal::UI4(kDayProp, dayId));
}

RecordOid CMealTable::NextOfDay(quint32 dayId)
{
    return m_store.FindNextEqual(m_handle, PropVal::UI4(kDayProp, dayId));
}
