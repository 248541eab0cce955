#pragma once

#include "platform/RecordOid.h"
#include "platform/SortOrder.h"

#include <QByteArray>
#include <QString>

#include <array>

// An open database: which database, the sort order it traverses and its cursor.
// The cursor remembers the position (sort key and record) rather than a row, so it stays
// valid while this or other handles, in this or another process, insert or delete records.
class DbHandle
{
public:
    DbHandle() = default;

    bool IsOpen() const { return m_dbId != 0; }
    const QString& Name() const { return m_name; }
    // The property the handle is sorted by; 0 for store order.
    quint16 SortProperty() const { return m_slot < 0 ? 0 : m_sorts[m_slot].propId; }
    bool EndOfData() const { return m_endOfData; }

    // Value of the handle's sort property in the record under the cursor.
    struct Key
    {
        enum class Kind : quint8
        {
            Null,
            Int,
            Real,
            Text,
            Blob,
        };
        Kind kind = Kind::Null;
        qint64 i = 0;
        double r = 0.0;
        QString text;
        QByteArray blob;
    };

private:
    friend class RecordStore;

    qint64 m_dbId = 0;
    QString m_name;
    std::array<SortOrder, 4> m_sorts{};
    int m_sortCount = 0;
    int m_slot = -1; // index into m_sorts, -1 = store order

    bool m_hasCursor = false;
    bool m_endOfData = false;
    RecordOid m_oid = 0;
    Key m_key;
};
