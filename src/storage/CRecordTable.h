#pragma once

#include "storage/CDbTable.h"
#include "storage/RecordReader.h"

// A wrapper whose buffer is one Record: Load and Save move the whole buffer through the
// wrapper's property list.
template <typename RecordT> class CRecordTable : public CDbTable
{
public:
    using Record = RecordT;
    using CDbTable::CDbTable;

    bool Load() override
    {
        std::vector<PropVal> props;
        if (!ReadCurrent(&props))
            return false;
        FromProps(RecordReader(props));
        return true;
    }

    bool Save() override { return Write(RecordStore::WriteTarget::Current, Props()) != 0; }

    // Writes the whole buffer as a new record in one write; the buffer's id is the caller's
    // to choose and the cursor is not moved.
    RecordOid Insert() { return Write(RecordStore::WriteTarget::New, Props()); }

    // Every record with a property of this value, read into the buffer in turn; the cursor stays
    // where it is. The visitor returns false to stop.
    template <typename Visit> void ForEachEqual(const PropVal& value, Visit visit)
    {
        m_store.ForEachEqual(m_handle, value, [&](const std::vector<PropVal>& props) {
            FromProps(RecordReader(props));
            return visit(m_rec);
        });
    }

    // Every record in the handle's order, the same way.
    template <typename Visit> void ForEachRecord(Visit visit)
    {
        m_store.ForEachRecord(m_handle, [&](const std::vector<PropVal>& props) {
            FromProps(RecordReader(props));
            return visit(m_rec);
        });
    }

    Record& Buffer() { return m_rec; }
    const Record& Buffer() const { return m_rec; }

protected:
    // A new record as NewRecord writes it, under one write lock so that the id newId() reads (the
    // highest so far, plus one) is still free when the record is written: fresh(id), or an empty
    // record with that id. The cursor is left on it; 0 when nothing was written.
    template <typename NewId, typename Fresh> quint32 AddRecord(NewId newId, Fresh fresh)
    {
        RecordStore::Batch batch(m_store);
        const quint32 id = newId();
        m_rec = fresh(id);
        const RecordOid oid = Write(RecordStore::WriteTarget::New, Props());
        if (!oid)
            batch.Abandon();
        if (!batch.Commit())
            return 0;
        GoTo(oid);
        return id;
    }
    template <typename NewId> quint32 AddRecord(NewId newId)
    {
        return AddRecord(newId, [](quint32 id) {
            Record r;
            r.id = id;
            return r;
        });
    }

    // The buffer as the properties of a record, in the order they are written.
    virtual std::vector<PropVal> Props() const = 0;
    virtual void FromProps(const RecordReader& r) = 0;

    Record m_rec;
};
