#include "CMeasuresTable.h"

#include "storage/RecordReader.h"

CMeasuresTable::CMeasuresTable(RecordStore& store)
    : CRecordTable(store, QStringLiteral("ZELMeasures"), 700,
                   {{kIdProp, PropType::UI4}, {kFoodProp, PropType::UI4}}, kFoodProp)
{
    OpenTable();
}

std::vector<PropVal> CMeasuresTable::Props() const
{
    return {PropVal::UI4(kIdProp, m_rec.id), PropVal::UI4(kFoodProp, m_rec.foodId),
            PropVal::Text(kDescriptionProp, m_rec.description), PropVal::R8(kWeightProp, m_rec.weight)};
}

quint32 CMeasuresTable::NewRecord(quint32 foodId)
{
    const quint16 order = m_handle.SortProperty();
    return AddRecord([&] { return NextIdThenReopen(order); },
                     [&](quint32 id) {
                         Record r;
                         r.id = id;
                         r.foodId = foodId;
                         return r;
                     });
}

void CMeasuresTable::FromProps(const RecordReader& r)
{
    m_rec.id = r.UInt(kIdProp);
    m_rec.foodId = r.UInt(kFoodProp);
    m_rec.description = r.Text(kDescriptionProp);
    m_rec.weight = r.Double(kWeightProp);
}

RecordOid CMeasuresTable::FirstOfFood(quint32 foodId)
{
    m_store.GoToIndex(m_handle, 0, false);
    return m_store.FindFirstEqual(m_handle, PropVal::UI4(kFoodProp, foodId));
}

RecordOid CMeasuresTable::NextOfFood(quint32 foodId)
{
    return m_store.FindNextEqual(m_handle, PropVal::UI4(kFoodProp, foodId));
}

bool CMeasuresTable::ReadServing(quint32 servingId, std::vector<PropVal>* props)
{
    Reopen(kIdProp);
    const bool found = servingId != 0 && FindId(servingId) && ReadCurrent(props);
    Reopen(kFoodProp);
    return found;
}

double CMeasuresTable::ServingWeight(quint32 servingId)
{
    std::vector<PropVal> props;
    return ReadServing(servingId, &props) ? RecordReader(props).Double(kWeightProp) : 0.0;
}

QString CMeasuresTable::ServingName(quint32 servingId)
{
    std::vector<PropVal> props;
    return ReadServing(servingId, &props) ? RecordReader(props).Text(kDescriptionProp) : QString();
}
