#pragma once

#include "storage/CRecordTable.h"

struct FolderRecord
{
    quint32 id = 0;
    quint32 parentId = 0; // 0 = Root
    quint32 originId = 0; // the folder's own id when it was created
    QString name;
};

// ZELTree: one record per folder. Its id property is 100; Root is not a record.
class CTreeTable : public CRecordTable<FolderRecord>
{
public:
    static constexpr quint16 kNodeProp = 100;
    static constexpr quint16 kParentProp = 101;
    static constexpr quint16 kOriginProp = 102;
    static constexpr quint16 kNameProp = 103;

    explicit CTreeTable(RecordStore& store);

    quint32 NewRecord() override { return NewRecord(0); }
    // id 0 takes NextNodeId.
    quint32 NewRecord(quint32 id);

    quint32 NextNodeId();
    RecordOid FindNode(quint32 id);
    RecordOid FirstChild(quint32 parentId);
    RecordOid NextChild(quint32 parentId);
    bool HasRootRecord();
    bool HasDuplicateIds();

private:
    std::vector<PropVal> Props() const override;
    void FromProps(const RecordReader& r) override;
};
