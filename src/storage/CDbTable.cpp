#include "CDbTable.h"

#include "platform/IMessageBox.h"
#include "storage/BackupFile.h"
#include "storage/RecordReader.h"

CDbTable::CDbTable(RecordStore& store, const QString& name, quint32 typeId, std::vector<SortOrder> sorts,
                   quint16 openSort)
    : m_store(store), m_name(name), m_typeId(typeId), m_sorts(std::move(sorts)), m_openSort(openSort)
{
}

CDbTable::~CDbTable()
{
    CloseTable();
}

bool CDbTable::OpenTable()
{
    m_store.CreateDb(m_name, m_typeId, m_sorts); // fails harmlessly when it exists
    return m_store.OpenDb(m_handle, m_name, m_openSort);
}

quint32 CDbTable::NextId()
{
    if (!m_store.GoToIndex(m_handle, 0, true)) // empty
        return 1;
    std::vector<PropVal> props;
    if (!m_store.ReadProps(m_handle, &props))
        return 1;
    return RecordReader(props).UInt(kIdProp) + 1;
}

quint32 CDbTable::NextIdThenReopen(quint16 order)
{
    if (m_handle.SortProperty() != kIdProp)
        Reopen(kIdProp);
    const quint32 id = NextId();
    if (order != kIdProp)
        Reopen(order);
    return id;
}

// An empty table has no record to move to, so these leave the cursor alone without asking
// for the count first.
RecordOid CDbTable::First()
{
    return m_store.GoToIndex(m_handle, 0, false);
}

RecordOid CDbTable::Next()
{
    return m_store.GoNext(m_handle);
}

RecordOid CDbTable::FindId(quint32 id)
{
    // The search starts from the first record; when nothing is found the cursor ends there.
    const RecordOid found = m_store.FindFirstEqual(m_handle, PropVal::UI4(kIdProp, id));
    if (!found)
        m_store.GoToIndex(m_handle, 0, false);
    return found;
}

void CDbTable::DeleteCurrent()
{
    const RecordOid oid = m_store.CurrentRecord(m_handle);
    if (oid != 0)
        m_store.RemoveRecord(m_handle, oid);
}

quint32 CDbTable::Count()
{
    return m_store.CountRecords(m_handle);
}

bool CDbTable::DropDatabase()
{
    return m_store.DropDb(m_handle);
}

RecordOid CDbTable::GoTo(RecordOid oid)
{
    return m_store.GoToRecord(m_handle, oid);
}

void CDbTable::CloseTable()
{
    m_store.CloseDb(m_handle);
}

bool CDbTable::Reopen(quint16 sortProp)
{
    m_store.CloseDb(m_handle);
    return m_store.OpenDb(m_handle, m_name, sortProp);
}

bool CDbTable::ReadCurrent(std::vector<PropVal>* props)
{
    return m_store.ReadProps(m_handle, props);
}

RecordOid CDbTable::Write(RecordStore::WriteTarget target, const std::vector<PropVal>& props)
{
    return m_store.WriteProps(m_handle, target, props);
}

bool CDbTable::BackupTo(const QString& path, IMessageBox* messages)
{
    return BackupFile::Write(*this, path, messages);
}
