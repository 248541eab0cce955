#include "CTreeTable.h"

#include "storage/RecordReader.h"

CTreeTable::CTreeTable(RecordStore& store)
    : CRecordTable(store, QStringLiteral("ZELTree"), 29176,
                   {{kNodeProp, PropType::UI4}, {kParentProp, PropType::UI4}, {kOriginProp, PropType::UI4}},
                   0)
{
    OpenTable();
}

std::vector<PropVal> CTreeTable::Props() const
{
    return {PropVal::UI4(kNodeProp, m_rec.id), PropVal::UI4(kParentProp, m_rec.parentId),
            PropVal::UI4(kOriginProp, m_rec.originId), PropVal::Text(kNameProp, m_rec.name)};
}

quint32 CTreeTable::NextNodeId()
{
    Reopen(kNodeProp);
    quint32 id = 1;
    std::vector<PropVal> props;
    if (!m_store.IsEmpty(m_handle) && m_store.GoToIndex(m_handle, 0, true) &&
        m_store.ReadProps(m_handle, &props))
        id = RecordReader(props).UInt(kNodeProp) + 1;
    CloseTable();
    return id;
}

quint32 CTreeTable::NewRecord(quint32 id)
{
    return AddRecord([&] {
        const quint32 newId = id != 0 ? id : NextNodeId();
        Reopen(kNodeProp);
        return newId;
    });
}

void CTreeTable::FromProps(const RecordReader& r)
{
    m_rec.id = r.UInt(kNodeProp);
    m_rec.parentId = r.UInt(kParentProp);
    m_rec.originId = r.UInt(kOriginProp);
    m_rec.name = r.Text(kNameProp);
}

RecordOid CTreeTable::FindNode(quint32 id)
{
    Reopen(kNodeProp);
    m_store.GoToIndex(m_handle, 0, false);
    return m_store.FindFirstEqual(m_handle, PropVal::UI4(kNodeProp, id));
}

RecordOid CTreeTable::FirstChild(quint32 parentId)
{
    Reopen(kParentProp);
    m_store.GoToIndex(m_handle, 0, false);
    return m_store.FindFirstEqual(m_handle, PropVal::UI4(kParentProp, parentId));
}

RecordOid CTreeTable::NextChild(quint32 parentId)
{
    return m_store.FindNextEqual(m_handle, PropVal::UI4(kParentProp, parentId));
}

bool CTreeTable::HasRootRecord()
{
    Reopen(kNodeProp);
    // The name has no index: the records' bytes are searched, which is quick at every start.
    const bool found = m_store.AnyRecordHolds(m_handle, PropVal::Text(kNameProp, QStringLiteral("Root")));
    CloseTable();
    return found;
}

bool CTreeTable::HasDuplicateIds()
{
    Reopen(kNodeProp);
    bool duplicate = false;
    bool havePrevious = false;
    quint32 previous = 0;
    m_store.ForEachRecord(m_handle, [&](const std::vector<PropVal>& props) {
        const quint32 id = RecordReader(props).UInt(kNodeProp);
        duplicate = havePrevious && id == previous;
        previous = id;
        havePrevious = true;
        return !duplicate;
    });
    CloseTable();
    return duplicate;
}
