#pragma once

#include "platform/DbHandle.h"
#include "platform/PropVal.h"
#include "platform/RecordStore.h"
#include "platform/SortOrder.h"

#include <QString>

#include <vector>

class IMessageBox;

// Base of every record wrapper: one database handle and one current-record buffer.
// The store must outlive the wrapper.
class CDbTable
{
public:
    static constexpr quint16 kIdProp = 101;

    CDbTable(RecordStore& store, const QString& name, quint32 typeId, std::vector<SortOrder> sorts,
             quint16 openSort);
    virtual ~CDbTable();
    CDbTable(const CDbTable&) = delete;
    CDbTable& operator=(const CDbTable&) = delete;

    // Creates the database when absent, then opens it in the wrapper's default order.
    virtual bool OpenTable();
    // Writes a record with the wrapper's defaults and a new id; the cursor is left on it.
    virtual quint32 NewRecord() = 0;
    // Reads the current record into the buffer.
    virtual bool Load() = 0;
    // Writes the whole buffer into the current record.
    virtual bool Save() = 0;

    quint32 NextId();
    // The same for a table kept in another order: read in id order, then reopened in `order`.
    quint32 NextIdThenReopen(quint16 order);
    RecordOid First();
    RecordOid Next();
    RecordOid FindId(quint32 id);
    void DeleteCurrent();
    quint32 Count();
    bool DropDatabase();
    RecordOid GoTo(RecordOid oid);
    void CloseTable();
    bool Reopen(quint16 sortProp);

    // Writes every record to a backup file. Failures are told through messages.
    bool BackupTo(const QString& path, IMessageBox* messages);

    RecordOid CurrentRecord() const { return m_store.CurrentRecord(m_handle); }

    // The handle and the store, for the few callers that use the store's operations directly.
    RecordStore& Store() { return m_store; }
    DbHandle& Handle() { return m_handle; }

protected:
    bool ReadCurrent(std::vector<PropVal>* props);
    RecordOid Write(RecordStore::WriteTarget target, const std::vector<PropVal>& props);

    RecordStore& m_store;
    DbHandle m_handle;
    QString m_name;
    quint32 m_typeId;
    std::vector<SortOrder> m_sorts;
    quint16 m_openSort;
};
