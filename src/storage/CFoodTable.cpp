#include "CFoodTable.h"

#include "storage/RecordReader.h"

CFoodTable::CFoodTable(RecordStore& store)
    : CRecordTable(store, QStringLiteral("ZELFood"), 200,
                   {{kIdProp, PropType::UI4}, {kFolderProp, PropType::UI4}}, kIdProp)
{
    OpenTable();
}

std::vector<PropVal> CFoodTable::Props() const
{
    std::vector<PropVal> p;
    p.reserve(kPropertyCount);
    p.push_back(PropVal::UI4(kIdProp, m_rec.id));
    p.push_back(PropVal::UI4(kFolderProp, m_rec.folderId));
    p.push_back(PropVal::Text(kNameProp, m_rec.name));
    for (int i = 0; i < kNutrientCount; ++i)
        p.push_back(PropVal::R8(kNutrientProps[i], m_rec.values.amounts[i]));
    p.push_back(PropVal::UI4(kComponentCountProp, m_rec.componentCount));
    p.push_back(PropVal::R8(kReferenceWeightProp, m_rec.referenceWeight));
    p.push_back(PropVal::UI4(kDefaultServingProp, m_rec.defaultServingId));
    for (int i = 0; i < kReservedCount; ++i)
        p.push_back(PropVal::R8(static_cast<quint16>(kFirstReservedProp + i), 0.0));
    p.push_back(PropVal()); // the empty property that completes the stored format
    return p;
}

quint32 CFoodTable::NewRecord(quint32 id)
{
    return AddRecord([&] { return id != 0 ? id : NextId(); });
}

void CFoodTable::FromProps(const RecordReader& r)
{
    m_rec.id = r.UInt(kIdProp);
    m_rec.folderId = r.UInt(kFolderProp);
    m_rec.name = r.Text(kNameProp);
    m_rec.values = NutrientValues();
    for (int i = 0; i < kNutrientCount; ++i)
        m_rec.values.amounts[i] = r.Double(kNutrientProps[i]);
    m_rec.componentCount = r.UInt(kComponentCountProp);
    m_rec.referenceWeight = r.Double(kReferenceWeightProp);
    m_rec.defaultServingId = r.UInt(kDefaultServingProp);
}
