#include "CMealTable.h"

#include "RecordReader.h"

CMealTable::CMealTable(RecordStore& store)
    : CRecordTable(store, QStringLiteral("ZELMeal"), 600,
                   {{kIdProp, PropType::UI4}, {kDayProp, PropType::UI4}}, kDayProp)
{
    OpenTable();
}

std::vector<PropVal> CMealTable::Props() const
{
    return {PropVal::UI4(kIdProp, m_rec.id),       PropVal::UI4(kDayProp, m_rec.dayId),
            PropVal::UI4(603, m_rec.foodId),       PropVal::R8(604, m_rec.weight),
            PropVal::Time(605, m_rec.time),        PropVal::R8(606, m_rec.servings),
            PropVal::Text(607, m_rec.servingName), PropVal::UI4(608, m_rec.activity),
            PropVal::UI4(609, m_rec.minutes),      PropVal::Text(610, QString()),
            PropVal::Text(611, QString()),         PropVal::Text(612, QString())};
}

quint32 CMealTable::NewRecord()
{
    RecordStore::Batch batch(m_store); // the highest id read and the new record written under one lock
    Reopen(kIdProp);
    const quint32 id = NextId();
    Reopen(kDayProp);
    m_rec = Record();
    m_rec.id = id;
    if (!Write(RecordStore::WriteTarget::New, Props()))
        batch.Abandon();
    if (!batch.Commit())
        return 0;
    FindId(id);
    return id;
}

void CMealTable::FromProps(const RecordReader& r)
{
    m_rec.id = r.UInt(kIdProp);
    m_rec.dayId = r.UInt(kDayProp);
    m_rec.foodId = r.UInt(603);
    m_rec.weight = r.Double(604);
    m_rec.time = r.Time(605);
    m_rec.servings = r.Double(606);
    m_rec.servingName = r.Text(607);
    m_rec.activity = r.UInt(608);
    m_rec.minutes = r.UInt(609);
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
