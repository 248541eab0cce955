#pragma once

// What the parts of the record store share: one use of a prepared statement, and how a
// property is bound as a statement's value. Only the store's own files include this.
#include "platform/RecordStore.h"

#include <sqlite3.h>

namespace StoreSql {

// The sort-key columns k1 to k4 of a record.
inline constexpr int kSlotColumns = 4;

inline void BindProp(sqlite3_stmt* st, int index, const PropVal& p)
{
    switch (p.Type()) {
    case PropType::R8:
        sqlite3_bind_double(st, index, p.ToDouble());
        break;
    case PropType::LpWstr:
        sqlite3_bind_text16(st, index, p.ToText().utf16(), static_cast<int>(p.ToText().size() * 2),
                            SQLITE_TRANSIENT);
        break;
    case PropType::Blob:
        sqlite3_bind_blob(st, index, p.ToBlob().constData(), static_cast<int>(p.ToBlob().size()),
                          SQLITE_TRANSIENT);
        break;
    default:
        sqlite3_bind_int64(st, index, p.ToInt());
        break;
    }
}

} // namespace StoreSql

// One use of a prepared statement: its values bound, stepped through the store, which notes a
// failure, and reset when the use ends, so that it never holds a read snapshot open. A statement
// that could not be prepared (the store noted why) gives an empty use: it binds nothing and its
// step fails.
class RecordStore::Sql
{
public:
    Sql(RecordStore& store, sqlite3_stmt* st) : m_store(store), m_st(st) {}
    Sql(RecordStore& store, std::string_view sql) : Sql(store, store.Prepare(sql)) {}
    ~Sql()
    {
        if (m_st)
            sqlite3_reset(m_st);
    }
    Sql(const Sql&) = delete;
    Sql& operator=(const Sql&) = delete;

    explicit operator bool() const { return m_st != nullptr; }
    sqlite3_stmt* Get() const { return m_st; }
    Sql& Bind(int index, qint64 value)
    {
        if (m_st)
            sqlite3_bind_int64(m_st, index, value);
        return *this;
    }
    // The text is copied: it may go before the statement is stepped.
    Sql& Bind(int index, const QString& text)
    {
        if (m_st)
            sqlite3_bind_text16(m_st, index, text.utf16(), static_cast<int>(text.size() * 2),
                                SQLITE_TRANSIENT);
        return *this;
    }
    // The bytes are not copied: they must last until the statement is stepped.
    Sql& BindBytes(int index, const QByteArray& bytes)
    {
        if (m_st)
            sqlite3_bind_blob(m_st, index, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_STATIC);
        return *this;
    }
    int Step() { return m_st ? m_store.Run(m_st) : SQLITE_MISUSE; }
    bool Row() { return Step() == SQLITE_ROW; }
    bool Done() { return Step() == SQLITE_DONE; }
    // Done, and it changed exactly this many rows.
    bool Changed(qint64 rows) { return Done() && sqlite3_changes64(m_store.m_db) == rows; }
    qint64 Int(int column) const { return sqlite3_column_int64(m_st, column); }
    QString Text(int column) const
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_st, column)));
    }

private:
    RecordStore& m_store;
    sqlite3_stmt* m_st;
};
